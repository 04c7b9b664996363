#pragma once

// A single-line text field. It holds one line: each run of tabs and line
// breaks put into it (typed, pasted, dropped or set by the program) becomes
// one blank, so what the field shows is what it gives back, and no entry a
// program joins from fields can break a line in two.

#include "toolkit/Control.h"

class QLineEdit;

namespace toolkit {

class TextField : public Control {
 public:
  explicit TextField(std::int32_t index = -1);

  std::string Text() const;
  void SetText(const std::string& text);

  void SetProperties(const ControlSpec& spec) override;

 private:
  TextField(QLineEdit* edit, std::int32_t index);

  QLineEdit* edit_;
};

}  // namespace toolkit
