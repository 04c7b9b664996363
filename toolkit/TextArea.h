#pragma once

// A multi-line text control. It gives its text back exactly as it was put in,
// except that every line ending (CR LF, LF or CR) comes back as one carriage
// return, so that text from any editor or spreadsheet reads the same.
//
// It shows its text at once as the bounded display text (ShortenedText.h),
// however long the text is, and keeps it whole for the program, copies and
// screen readers. An editable area whose text is shown cut is read-only until
// the program gives it a text it shows whole.

#include "toolkit/Control.h"

namespace toolkit {

class TextView;

class TextArea : public Control {
 public:
  explicit TextArea(std::int32_t index = -1);

  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  // How often the text has changed, by the program or by the user: tells
  // whether it changed since some moment without keeping a copy of it.
  std::uint64_t ChangeCount() const { return changes_; }

  void SetProperties(const ControlSpec& spec) override;

 private:
  TextArea(TextView* view, std::int32_t index);
  void Show();
  void TakeTypedText();

  TextView* view_;
  // The text as the program and the user gave it; the view only shows it,
  // as its document would turn some characters (no-break spaces, line and
  // paragraph separators) into others.
  std::string text_;
  std::uint64_t changes_ = 0;
  bool editable_ = true;
  bool showing_ = false;
};

}  // namespace toolkit
