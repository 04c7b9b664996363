#include "toolkit/EditCommands.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <array>
#include <utility>

#include "toolkit/Clipboard.h"
#include "toolkit/QtText.h"

namespace toolkit {
namespace {

constexpr std::array<std::pair<const char*, EditCommand>, 6> kCommandNames = {{
    {"EditUndo", EditCommand::Undo},
    {"EditCut", EditCommand::Cut},
    {"EditCopy", EditCommand::Copy},
    {"EditPaste", EditCommand::Paste},
    {"EditClear", EditCommand::Clear},
    {"EditSelectAll", EditCommand::SelectAll},
}};

bool CanPerformOnField(EditCommand command, const QLineEdit& field) {
  const bool editable = !field.isReadOnly();
  switch (command) {
    case EditCommand::Undo: return editable && field.isUndoAvailable();
    case EditCommand::Cut: return editable && field.hasSelectedText();
    case EditCommand::Copy: return field.hasSelectedText();
    case EditCommand::Paste: return editable && Clipboard::MayHoldText();
    case EditCommand::Clear: return editable && field.hasSelectedText();
    case EditCommand::SelectAll: return !field.text().isEmpty();
  }
  return false;
}

bool CanPerformOnArea(EditCommand command, const QPlainTextEdit& area) {
  const bool editable = !area.isReadOnly();
  const bool selection = area.textCursor().hasSelection();
  switch (command) {
    case EditCommand::Undo: return editable && area.document()->isUndoAvailable();
    case EditCommand::Cut: return editable && selection;
    case EditCommand::Copy: return selection;
    case EditCommand::Paste: return editable && Clipboard::MayHoldText();
    case EditCommand::Clear: return editable && selection;
    case EditCommand::SelectAll: return !area.document()->isEmpty();
  }
  return false;
}

// One read of the clipboard; a read that gives no text leaves the control as
// it was, where Qt's own paste would delete the selection.
void PasteInto(QLineEdit& field) {
  Clipboard clipboard;
  if (clipboard.TextAvailable()) field.insert(ToQt(clipboard.Text()));
}

void PasteInto(QPlainTextEdit& area) {
  Clipboard clipboard;
  if (clipboard.TextAvailable()) area.insertPlainText(ToQt(clipboard.Text()));
}

}  // namespace

bool EditCommandNamed(const std::string& itemName, EditCommand& command) {
  for (const auto& [name, named] : kCommandNames) {
    if (itemName == name) {
      command = named;
      return true;
    }
  }
  return false;
}

bool CanPerform(EditCommand command, const QWidget* focus) {
  if (const auto* field = qobject_cast<const QLineEdit*>(focus)) return CanPerformOnField(command, *field);
  if (const auto* area = qobject_cast<const QPlainTextEdit*>(focus)) return CanPerformOnArea(command, *area);
  return false;
}

void Perform(EditCommand command, QWidget* focus) {
  if (!CanPerform(command, focus)) return;
  if (auto* field = qobject_cast<QLineEdit*>(focus)) {
    switch (command) {
      case EditCommand::Undo: field->undo(); return;
      case EditCommand::Cut: field->cut(); return;
      case EditCommand::Copy: field->copy(); return;
      case EditCommand::Paste: PasteInto(*field); return;
      case EditCommand::Clear: field->del(); return;
      case EditCommand::SelectAll: field->selectAll(); return;
    }
  }
  if (auto* area = qobject_cast<QPlainTextEdit*>(focus)) {
    switch (command) {
      case EditCommand::Undo: area->undo(); return;
      case EditCommand::Cut: area->cut(); return;
      case EditCommand::Copy: area->copy(); return;
      case EditCommand::Paste: PasteInto(*area); return;
      case EditCommand::Clear: area->textCursor().removeSelectedText(); return;
      case EditCommand::SelectAll: area->selectAll(); return;
    }
  }
}

}  // namespace toolkit
