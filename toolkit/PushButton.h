#pragma once

// A push button with a caption. Its Action event runs when it is clicked,
// when Return, Enter or Space is pressed while it has the keyboard focus, and
// when its window's Return (default button) or Escape (cancel button) key
// presses it.

#include "toolkit/Control.h"

class QPushButton;

namespace toolkit {

class PushButton : public Control {
 public:
  explicit PushButton(std::int32_t index = -1);

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  bool IsDefault() const { return isDefault_; }
  bool IsCancel() const { return isCancel_; }

  // Presses the button as a click would: only while it is enabled.
  void Push();

  void SetProperties(const ControlSpec& spec) override;

 private:
  PushButton(QPushButton* button, std::int32_t index);

  QPushButton* button_;
  bool isDefault_ = false;
  bool isCancel_ = false;
};

}  // namespace toolkit
