#include "toolkit/TextField.h"

#include <QLineEdit>

#include "toolkit/QtText.h"
#include "toolkit/Text.h"

namespace toolkit {

TextField::TextField(std::int32_t index) : TextField(new QLineEdit, index) {}

TextField::TextField(QLineEdit* edit, std::int32_t index) : Control(edit, index), edit_(edit) {}

std::string TextField::Text() const { return ReplaceLineEndings(FromQt(edit_->text()), "\r"); }

void TextField::SetText(const std::string& text) { edit_->setText(ToQt(text)); }

void TextField::SetProperties(const ControlSpec& spec) {
  Control::SetProperties(spec);
  edit_->setReadOnly(spec.readOnly);
  edit_->setFrame(spec.border);
  SetText(spec.text);
}

}  // namespace toolkit
