#include "toolkit/FieldMouseEditing.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

#include "toolkit/Clipboard.h"
#include "toolkit/EditCommands.h"
#include "toolkit/FieldLineEdit.h"

namespace toolkit {
namespace {

struct MenuItem {
  EditCommand command;
  const char* text;
  QKeySequence::StandardKey key;
  bool separatorAfter;
};

// The Edit menu's commands in its order.
constexpr MenuItem kMenuItems[] = {
    {EditCommand::Undo, "&Undo", QKeySequence::Undo, true},
    {EditCommand::Cut, "Cu&t", QKeySequence::Cut, false},
    {EditCommand::Copy, "&Copy", QKeySequence::Copy, false},
    {EditCommand::Paste, "&Paste", QKeySequence::Paste, false},
    {EditCommand::Clear, "&Delete", QKeySequence::UnknownKey, true},
    {EditCommand::SelectAll, "Select &All", QKeySequence::SelectAll, false},
};

// The item's text with its key after a tab, where a menu shows keys; the key
// is only shown, as the field itself takes it.
QString ItemText(const MenuItem& item) {
  QString text = QString::fromLatin1(item.text);
  const QKeySequence key(item.key);
  if (!key.isEmpty()) text += u'\t' + key.toString(QKeySequence::NativeText);
  return text;
}

}  // namespace

FieldMouseEditing::FieldMouseEditing(FieldLineEdit* field) : EventFilter(field), field_(field) {}

bool FieldMouseEditing::Filter(QObject* /*watched*/, QEvent* event) {
  if (event->type() == QEvent::ContextMenu) {
    ShowMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
  }
  // The press has placed the cursor where the selection goes in.
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
      QApplication::clipboard()->supportsSelection()) {
    PasteSelection();
    return true;
  }
  return false;
}

void FieldMouseEditing::ShowMenu(const QPoint& globalPosition) {
  auto* menu = new QMenu(field_);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  for (const MenuItem& item : kMenuItems) {
    QAction* action = menu->addAction(ItemText(item));
    action->setEnabled(CanPerform(item.command, field_));
    const QPointer<FieldLineEdit> field = field_;
    QObject::connect(action, &QAction::triggered, field_, Guarded([field, command = item.command] {
                       if (field != nullptr) Perform(command, field);
                     }));
    if (item.separatorAfter) menu->addSeparator();
  }
  menu->popup(globalPosition);
}

// As Qt's own middle click does, the selection replaces nothing: what was
// selected in the field is only deselected. A read that gives no text
// changes nothing at all.
void FieldMouseEditing::PasteSelection() {
  if (field_->isReadOnly()) return;
  Clipboard selection(Clipboard::Source::Selection);
  if (!selection.TextAvailable()) return;
  field_->deselect();
  field_->Insert(selection.Text());
}

}  // namespace toolkit
