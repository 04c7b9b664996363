#include "toolkit/Control.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

#include "toolkit/Dispatch.h"
#include "toolkit/QtText.h"
#include "toolkit/Window.h"

namespace toolkit {

Control::Control(QWidget* widget, std::int32_t index) : widget_(widget), index_(index) {}

Control::~Control() { delete widget_; }

Rect Control::Bounds() const {
  const QRect r = widget_->geometry();
  return {r.x(), r.y(), r.width(), r.height()};
}

bool Control::Enabled() const { return widget_->isEnabled(); }

void Control::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }

bool Control::Visible() const { return !widget_->isHidden(); }

void Control::SetVisible(bool visible) { widget_->setVisible(visible); }

void Control::SetFocus() { widget_->setFocus(Qt::OtherFocusReason); }

// The control holds the keyboard focus of its window, which it takes over
// whenever that window is the active one.
bool Control::HasFocus() const { return widget_->window()->focusWidget() == widget_; }

void Control::SetAccessibleName(const std::string& name) { widget_->setAccessibleName(ToQt(name)); }

void Control::SetAccessibleDescription(const std::string& description) {
  widget_->setAccessibleDescription(ToQt(description));
}

double Control::TextSize() const { return widget_->font().pointSizeF(); }

void Control::SetTextSize(double points) {
  QFont font = widget_->font();
  font.setPointSizeF(points > 0 ? points : DefaultTextSize());
  widget_->setFont(font);
}

double Control::DefaultTextSize() const { return QApplication::font().pointSizeF(); }

void Control::SetTextMetrics(const ControlSpec& spec) {
  SetTextUnit(spec.textUnit);
  if (spec.textSize) SetTextSize(*spec.textSize);
}

void Control::SetProperties(const ControlSpec& spec) {
  designBounds_ = spec.bounds;
  lock_ = spec.lock;
  tabIndex_ = spec.tabIndex;
  FollowResize(0, 0);
  QFont font = widget_->font();
  font.setBold(spec.bold);
  font.setItalic(spec.italic);
  font.setUnderline(spec.underline);
  widget_->setFont(font);
  if (!spec.tabStop) widget_->setFocusPolicy(Qt::NoFocus);
  if (!spec.accessibleName.empty()) SetAccessibleName(spec.accessibleName);
  SetEnabled(spec.enabled);
  SetVisible(spec.visible);
}

void Control::FollowResize(std::int32_t dx, std::int32_t dy) {
  Rect r = window_ != nullptr ? window_->ToPixels(designBounds_) : designBounds_;
  if (lock_.right && lock_.left) r.width += dx;
  if (lock_.right && !lock_.left) r.left += dx;
  if (lock_.bottom && lock_.top) r.height += dy;
  if (lock_.bottom && !lock_.top) r.top += dy;
  widget_->setGeometry(r.left, r.top, std::max(r.width, 0), std::max(r.height, 0));
}

void Control::AttachTo(Window& window, const std::string& name, QWidget& content) {
  name_ = name;
  window_ = &window;
  widget_->setParent(&content);
}

void Control::Bind(const std::vector<EventBinding>& bindings) {
  handlers_.insert(handlers_.end(), bindings.begin(), bindings.end());
}

bool Control::Raise(ControlEvent event, std::int32_t x, std::int32_t y) {
  bool result = false;
  for (const EventBinding& binding : handlers_) {
    if (binding.event != event || window_ == nullptr) continue;
    result = RunAnsweringHandler([&] { return binding.invoke(*window_, *this, x, y); });
  }
  return result;
}

}  // namespace toolkit
