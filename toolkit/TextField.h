#pragma once

// A single-line text field. Like a text area, it gives every line ending in
// its text back as one carriage return.

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
