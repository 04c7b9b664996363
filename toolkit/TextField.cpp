#include "toolkit/TextField.h"

#include <QLineEdit>
#include <limits>

#include "toolkit/LongTextLineEdit.h"
#include "toolkit/QtText.h"
#include "toolkit/Text.h"

namespace toolkit {

TextField::TextField(std::int32_t index) : TextField(new LongTextLineEdit, index) {}

// A field takes texts of any length: Qt's own limit of 32767 characters would
// silently cut a longer text that the program or the user puts in.
TextField::TextField(QLineEdit* edit, std::int32_t index) : Control(edit, index), edit_(edit) {
  edit_->setMaxLength(std::numeric_limits<int>::max());
}

std::string TextField::Text() const { return ReplaceLineEndings(FromQt(edit_->text()), "\r"); }

void TextField::SetText(const std::string& text) { edit_->setText(ToQt(text)); }

void TextField::SetProperties(const ControlSpec& spec) {
  Control::SetProperties(spec);
  edit_->setReadOnly(spec.readOnly);
  edit_->setFrame(spec.border);
  SetText(spec.text);
}

}  // namespace toolkit
