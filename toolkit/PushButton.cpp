#include "toolkit/PushButton.h"

#include <QPushButton>

#include "toolkit/Dispatch.h"
#include "toolkit/QtText.h"

namespace toolkit {

PushButton::PushButton(std::int32_t index) : PushButton(new QPushButton, index) {}

PushButton::PushButton(QPushButton* button, std::int32_t index) : Control(button, index), button_(button) {
  QObject::connect(button_, &QPushButton::clicked, button_, Guarded([this] { Raise(ControlEvent::Action); }));
}

std::string PushButton::Caption() const { return FromQt(button_->text()); }

void PushButton::SetCaption(const std::string& caption) { button_->setText(ToQt(caption)); }

void PushButton::Push() {
  if (button_->isEnabled()) button_->click();
}

void PushButton::SetProperties(const ControlSpec& spec) {
  Control::SetProperties(spec);
  SetCaption(spec.text);
  isDefault_ = spec.isDefault;
  isCancel_ = spec.isCancel;
  // Only the look: the window itself maps Return and Escape to its buttons,
  // in every kind of window.
  button_->setDefault(spec.isDefault);
  button_->setAutoDefault(false);
}

}  // namespace toolkit
