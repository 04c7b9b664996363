#include "toolkit/PushButton.h"

#include <QPushButton>

#include "toolkit/Dispatch.h"
#include "toolkit/Keys.h"
#include "toolkit/QtText.h"

namespace toolkit {
namespace {

// Return and Enter press the focused button itself, as on every Linux
// desktop; Qt's own button leaves them to its window unless it is a dialog's
// auto-default button, which would also change its look.
class EnterPressedButton : public QPushButton {
 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (IsEnterPress(*event)) {
      click();
      return;
    }
    QPushButton::keyPressEvent(event);
  }
};

}  // namespace

PushButton::PushButton(std::int32_t index) : PushButton(new EnterPressedButton, index) {}

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
  // in every kind of window, and a focused button takes Return itself.
  button_->setDefault(spec.isDefault);
  button_->setAutoDefault(false);
}

}  // namespace toolkit
