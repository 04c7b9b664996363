#pragma once

// A static text. It raises MouseEnter when the pointer enters it, and
// MouseDown and MouseUp for a click it accepts.

#include "toolkit/Control.h"

class QLabel;

namespace toolkit {

class Label : public Control {
 public:
  explicit Label(std::int32_t index = -1);

  std::string Text() const;
  virtual void SetText(const std::string& text);
  Color TextColor() const { return textColor_; }
  void SetTextColor(Color color);
  toolkit::MouseCursor MouseCursor() const { return cursor_; }
  void SetMouseCursor(toolkit::MouseCursor cursor);
  bool Bold() const;
  bool Underline() const;

  void SetProperties(const ControlSpec& spec) override;

 protected:
  Label(QLabel* label, std::int32_t index);

 private:
  QLabel* label_;
  Color textColor_ = kBlack;
  toolkit::MouseCursor cursor_ = MouseCursor::Standard;
};

}  // namespace toolkit
