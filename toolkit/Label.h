#pragma once

// A static text. It raises MouseEnter when the pointer enters it, and
// MouseDown and MouseUp for a click it accepts.
//
// Its text colour is a table colour, chosen for a light window: black stands
// for the palette's text colour and blue (0, 0, 255) for its link colour,
// which are those very colours in Qt's light palette. Whatever it stands for
// is drawn readable on the window's background under any palette: a colour
// with too little contrast is blended towards the palette's text colour just
// far enough to read. The label follows palette changes as they come.

#include "toolkit/Control.h"

class QLabel;

namespace toolkit {

class Label : public Control {
 public:
  explicit Label(std::int32_t index = -1);
  ~Label() override;
  Label(const Label&) = delete;
  Label& operator=(const Label&) = delete;

  std::string Text() const;
  virtual void SetText(const std::string& text);
  // The colour as the program set it, whatever it is drawn in.
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
  class PaletteWatch;

  // Draws the text colour for the palette of the area the label stands on.
  void ApplyTextColor();

  QLabel* label_;
  PaletteWatch* paletteWatch_ = nullptr;
  Color textColor_ = kBlack;
  toolkit::MouseCursor cursor_ = MouseCursor::Standard;
};

}  // namespace toolkit
