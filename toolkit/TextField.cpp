#include "toolkit/TextField.h"

#include <QKeyEvent>

#include "toolkit/Dispatch.h"
#include "toolkit/EditCommands.h"
#include "toolkit/FieldLineEdit.h"
#include "toolkit/FieldMouseEditing.h"

namespace toolkit {
namespace {

// The field's paste key goes the toolkit's way: one read of the clipboard,
// and a read that gives no text changes nothing.
class PasteKey : public EventFilter {
 public:
  using EventFilter::EventFilter;

 protected:
  bool Filter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
      return false;
    }
    Perform(EditCommand::Paste, static_cast<QWidget*>(watched));
    return true;
  }
};

}  // namespace

TextField::TextField(std::int32_t index) : TextField(new FieldLineEdit, index) {}

TextField::TextField(FieldLineEdit* edit, std::int32_t index) : Control(edit, index), edit_(edit) {
  new PasteKey(edit_);
  new FieldMouseEditing(edit_);
}

const std::string& TextField::Text() const { return edit_->Entry(); }

void TextField::SetText(std::string text) { edit_->SetEntry(std::move(text)); }

void TextField::SetProperties(const ControlSpec& spec) {
  Control::SetProperties(spec);
  edit_->SetEditable(!spec.readOnly);
  edit_->setFrame(spec.border);
  SetText(spec.text);
}

}  // namespace toolkit
