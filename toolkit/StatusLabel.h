#pragma once

// A label that reports a status, such as the count of a result: screen readers
// speak its text whenever it appears and whenever it gets a text while shown,
// wherever the keyboard focus is, as they speak a desktop notification. An
// ordinary label's changes go unread until the user reads that label.

#include "toolkit/Label.h"

namespace toolkit {

class StatusLabel : public Label {
 public:
  explicit StatusLabel(std::int32_t index = -1);

  void SetText(const std::string& text) override;

 private:
  StatusLabel(QLabel* label, std::int32_t index);

  QLabel* label_;
};

}  // namespace toolkit
