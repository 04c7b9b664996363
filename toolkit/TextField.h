#pragma once

// A single-line text field for an entry of any length. It holds one line:
// each run of tabs and line breaks put into it (typed, pasted, dropped or set
// by the program) becomes one blank, so what the field shows is what it gives
// back, and no entry a program joins from fields can break a line in two. An
// entry longer than the field can show is shown as its start and an ellipsis,
// read-only, and given back whole (FieldLineEdit.h).

#include "toolkit/Control.h"

namespace toolkit {

class FieldLineEdit;

class TextField : public Control {
 public:
  explicit TextField(std::int32_t index = -1);

  const std::string& Text() const;
  void SetText(std::string text);

  void SetProperties(const ControlSpec& spec) override;

 private:
  TextField(FieldLineEdit* edit, std::int32_t index);

  FieldLineEdit* edit_;
};

}  // namespace toolkit
