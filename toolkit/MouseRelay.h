#pragma once

// Turns a widget's mouse events into the toolkit's MouseEnter, MouseDown and
// MouseUp. A press is offered to MouseDown; only a press it accepts is kept
// from the widgets behind, and only then does the release raise MouseUp.
// Internal to the toolkit.

#include <cstdint>
#include <functional>

#include "toolkit/Dispatch.h"

class QWidget;

namespace toolkit {

class MouseRelay : public EventFilter {
 public:
  struct Handlers {
    std::function<void()> enter;
    std::function<bool(std::int32_t x, std::int32_t y)> down;
    std::function<void(std::int32_t x, std::int32_t y)> up;
  };

  // Watches `target`, which owns the relay.
  MouseRelay(QWidget* target, Handlers handlers);

 protected:
  bool Filter(QObject* watched, QEvent* event) override;

 private:
  Handlers handlers_;
  bool pressAccepted_ = false;
};

}  // namespace toolkit
