#pragma once

// The base of every control, the table row from which a window creates a
// control, and the binding of a control's events to the handlers of the
// window that owns it. The kinds of control live in their own headers.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/Types.h"

class QWidget;

namespace toolkit {

class Window;
class Control;

enum class ControlEvent { Action, Change, Open, MouseDown, MouseUp, MouseEnter };

// One handler of one control event. `invoke` returns what the handler
// returned (MouseDown's acceptance), or true for handlers without a result.
struct EventBinding {
  ControlEvent event;
  std::function<bool(Window&, Control&, std::int32_t x, std::int32_t y)> invoke;
};

namespace detail {
template <class W, class C>
EventBinding Bind(ControlEvent event, void (W::*handler)(C&)) {
  return {event, [handler](Window& window, Control& control, std::int32_t, std::int32_t) {
            (dynamic_cast<W&>(window).*handler)(dynamic_cast<C&>(control));
            return true;
          }};
}
}  // namespace detail

// Bindings of a control's events to member functions of its window class.
template <class W, class C>
EventBinding OnAction(void (W::*handler)(C&)) {
  return detail::Bind(ControlEvent::Action, handler);
}
template <class W, class C>
EventBinding OnChange(void (W::*handler)(C&)) {
  return detail::Bind(ControlEvent::Change, handler);
}
template <class W, class C>
EventBinding OnOpen(void (W::*handler)(C&)) {
  return detail::Bind(ControlEvent::Open, handler);
}
template <class W, class C>
EventBinding OnMouseEnter(void (W::*handler)(C&)) {
  return detail::Bind(ControlEvent::MouseEnter, handler);
}
template <class W, class C>
EventBinding OnMouseDown(bool (W::*handler)(C&, std::int32_t, std::int32_t)) {
  return {ControlEvent::MouseDown, [handler](Window& window, Control& control, std::int32_t x, std::int32_t y) {
            return (dynamic_cast<W&>(window).*handler)(dynamic_cast<C&>(control), x, y);
          }};
}
template <class W, class C>
EventBinding OnMouseUp(void (W::*handler)(C&, std::int32_t, std::int32_t)) {
  return {ControlEvent::MouseUp, [handler](Window& window, Control& control, std::int32_t x, std::int32_t y) {
            (dynamic_cast<W&>(window).*handler)(dynamic_cast<C&>(control), x, y);
            return true;
          }};
}

// One control of a window's layout table. Each kind of control takes the
// flags it has and ignores the others. Four have no effect here and are kept
// so that every table states its whole design: textUnit (sizes are points,
// whatever the unit), lineSpacing (text areas are single-spaced, all that the
// tables ask for), styled (text areas hold plain text) and useFocusRing (the
// style draws the focus as it does for every control).
struct ControlSpec {
  // Creates the control; a control-array member gets its index here, before
  // the rest of its construction.
  std::unique_ptr<Control> (*create)(std::int32_t index) = nullptr;
  std::string name{};
  std::int32_t index = -1;  // -1: not a member of a control array
  Rect bounds{};            // in pixels of the design font, as the whole table
  Anchors lock{};
  std::int32_t tabIndex = 0;
  std::string text{};  // a button's or label's caption, a text control's text
  // What screen readers call the control; unset, a control with a caption is
  // called by its caption.
  std::string accessibleName{};

  // Set on their own, before the properties below.
  std::int32_t textUnit = 0;            // no effect here
  std::optional<double> textSize{};     // unset or 0: the platform's default size
  std::optional<double> lineSpacing{};  // no effect here

  bool bold = false;
  bool italic = false;
  bool underline = false;
  Color textColor = kBlack;
  bool enabled = true;
  bool visible = true;
  bool tabStop = true;
  // Push buttons: pressed by Return or Enter, and by Escape.
  bool isDefault = false;
  bool isCancel = false;
  // Labels.
  TextAlign textAlign = TextAlign::Left;
  // Text areas and list boxes.
  bool readOnly = false;
  bool multiline = false;
  bool border = true;
  bool styled = false;  // no effect here
  bool scrollbarVertical = false;
  bool scrollbarHorizontal = false;
  bool useFocusRing = true;  // no effect here

  std::vector<EventBinding> events{};
};

template <class C>
std::unique_ptr<Control> Make(std::int32_t index) {
  return std::make_unique<C>(index);
}

class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  std::int32_t Index() const { return index_; }
  std::int32_t TabIndex() const { return tabIndex_; }
  // Where the control stands now, in its window's content area.
  Rect Bounds() const;

  bool Enabled() const;
  void SetEnabled(bool enabled);
  // Visible as its window would show it, also while the window is hidden.
  bool Visible() const;
  void SetVisible(bool visible);
  void SetFocus();
  bool HasFocus() const;

  // What screen readers call the control, and what they say of it after its
  // name, kind and value.
  void SetAccessibleName(const std::string& name);
  void SetAccessibleDescription(const std::string& description);

  std::int32_t TextUnit() const { return textUnit_; }
  void SetTextUnit(std::int32_t unit) { textUnit_ = unit; }
  double TextSize() const;
  void SetTextSize(double points);

  // The row's text unit and, where it gives them, text size and line
  // spacing, set on their own before the rest of the row.
  virtual void SetTextMetrics(const ControlSpec& spec);
  // The values of the control's table row, handed over in one step.
  virtual void SetProperties(const ControlSpec& spec);
  // Follows its window's resize by dx, dy pixels from the window's table size
  // at the window's layout scale: it keeps its distance to the edges it is
  // locked to, so locked to both sides it grows with the window and to the
  // far side only it moves with it.
  void FollowResize(std::int32_t dx, std::int32_t dy);

 protected:
  // Takes ownership of `widget`, which the window adopts when it adds the
  // control.
  Control(QWidget* widget, std::int32_t index);

  // The point size that a text size of 0 stands for: the platform's general
  // font, unless a kind of control sets its texts otherwise.
  virtual double DefaultTextSize() const;

  // Runs the handlers bound to `event`; false when a handler declined it or
  // none is bound.
  bool Raise(ControlEvent event, std::int32_t x = 0, std::int32_t y = 0);

 private:
  // The window attaches the controls it creates and binds their events.
  friend class Window;
  friend QWidget* NativeWidget(const Control& control);

  void AttachTo(Window& window, const std::string& name, QWidget& content);
  void Bind(const std::vector<EventBinding>& bindings);

  QWidget* widget_;
  std::int32_t index_;
  std::string name_;
  Window* window_ = nullptr;
  Rect designBounds_;
  Anchors lock_;
  std::int32_t tabIndex_ = 0;
  std::int32_t textUnit_ = 0;
  std::vector<EventBinding> handlers_;
};

}  // namespace toolkit
