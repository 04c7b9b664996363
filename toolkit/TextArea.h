#pragma once

// A multi-line text control. It gives its text back exactly as it was put in,
// except that every line ending (CR LF, LF or CR) comes back as one carriage
// return, so that text from any editor or spreadsheet reads the same.
//
// The control shows a new text once the event loop runs again (or earlier,
// as soon as the user or assistive technology turns to it): a handler that
// sets a text and then replaces it never has the first one laid out, however
// long it is. A read-only area that wraps its lines draws the part of a word
// beyond the width of any screen as an ellipsis, and a long paragraph piece by
// piece as the user scrolls through it; its text stays whole.

#include "toolkit/Control.h"

namespace toolkit {

class ElidedTextView;

class TextArea : public Control {
 public:
  explicit TextArea(std::int32_t index = -1);

  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  bool ReadOnly() const;
  double LineSpacing() const { return lineSpacing_; }
  void SetLineSpacing(double spacing);

  void SetTextMetrics(const ControlSpec& spec) override;
  void SetProperties(const ControlSpec& spec) override;

 private:
  TextArea(ElidedTextView* edit, std::int32_t index);
  void Show();
  void TakeTypedText();

  ElidedTextView* edit_;
  // The text as the program and the user gave it; the widget only shows it,
  // as its document would turn some characters (no-break spaces, line and
  // paragraph separators) into others.
  std::string text_;
  double lineSpacing_ = 1.0;
  bool showing_ = false;
};

}  // namespace toolkit
