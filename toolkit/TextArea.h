#pragma once

// A multi-line text control. It gives its text back exactly as it was put in,
// except that every line ending (CR LF, LF or CR) comes back as one carriage
// return, so that text from any editor or spreadsheet reads the same.

#include "toolkit/Control.h"

class QPlainTextEdit;

namespace toolkit {

class TextArea : public Control {
 public:
  explicit TextArea(std::int32_t index = -1);

  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  bool ReadOnly() const;
  double LineSpacing() const { return lineSpacing_; }
  void SetLineSpacing(double spacing);

  void SetProperties(const ControlSpec& spec) override;

 private:
  TextArea(QPlainTextEdit* edit, std::int32_t index);
  void Show();
  void TakeTypedText();

  QPlainTextEdit* edit_;
  // The text as the program and the user gave it; the widget only shows it,
  // as its document would turn some characters (no-break spaces, line and
  // paragraph separators) into others.
  std::string text_;
  double lineSpacing_ = 1.0;
  bool showing_ = false;
};

}  // namespace toolkit
