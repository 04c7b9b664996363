#include "toolkit/TextField.h"

#include "toolkit/FieldLineEdit.h"
#include "toolkit/FieldMouseEditing.h"

namespace toolkit {

TextField::TextField(std::int32_t index) : TextField(new FieldLineEdit, index) {}

TextField::TextField(FieldLineEdit* edit, std::int32_t index) : Control(edit, index), edit_(edit) {
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
