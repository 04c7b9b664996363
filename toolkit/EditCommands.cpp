#include "toolkit/EditCommands.h"

#include <QPlainTextEdit>
#include <array>
#include <utility>

#include "toolkit/Clipboard.h"
#include "toolkit/FieldLineEdit.h"
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
  if (const auto* field = dynamic_cast<const FieldLineEdit*>(focus)) return field->CanPerform(command);
  if (const auto* area = qobject_cast<const QPlainTextEdit*>(focus)) return CanPerformOnArea(command, *area);
  return false;
}

void Perform(EditCommand command, QWidget* focus) {
  if (!CanPerform(command, focus)) return;
  if (auto* field = dynamic_cast<FieldLineEdit*>(focus)) {
    field->Perform(command);
    return;
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
