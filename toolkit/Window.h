#pragma once

// A window of the application. A derived window describes itself as data (its
// settings and a table of controls) and handles its events by overriding the
// Event_ functions; the toolkit builds it, lays its controls out again when it
// resizes, maps Return and Escape to its default and cancel buttons, and
// raises its events.
//
// Building is two steps: the object exists first, then Constructor() raises
// Layout, CreateControls and AddMenuHandlers, the controls' Open events and
// the window's Open, and shows the window when its settings say so.
//
// A table gives positions and sizes in pixels of the design font, the
// default 9-point font of a plain Debian with Qt (12 pixels at 96 dots per
// inch). The window scales them by its font's size in pixels over the
// design font's, when it is built and whenever its font changes: a larger
// desktop font makes the window and its controls proportionally larger, and
// at the design font nothing moves.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Control.h"
#include "toolkit/Types.h"

class QWidget;

namespace toolkit {

class MenuBar;
class PushButton;

// A window's settings, in the order a window's table gives them. Some have no
// effect on this platform and are kept so that every table states its whole
// design: placement (the platform always places a window), composite,
// fullScreen and fullScreenButton (no window here goes full screen),
// liveResize (Qt always lays a window out as it is resized) and macProcID.
struct WindowSettings {
  std::int32_t placement = 0;  // no effect here
  std::int32_t width = 0;      // the content area, without a menu bar; sizes are
                               // in pixels of the design font (see Window)
  std::int32_t height = 0;
  std::int32_t minWidth = 64;
  std::int32_t minHeight = 64;
  std::int32_t maxWidth = 32000;
  std::int32_t maxHeight = 32000;
  // 0: a document window; 8: a modeless dialog with a title bar and no close,
  // minimise or maximise button.
  std::int32_t frame = 0;
  bool composite = false;  // no effect here
  bool hasBackColor = false;
  Color backColor = kWhite;
  std::string title{};
  bool visible = true;
  bool fullScreen = false;  // no effect here
  bool menuBarVisible = true;
  bool closeButton = true;
  bool resizeable = true;
  bool liveResize = true;  // no effect here
  bool maximizeButton = true;
  bool minimizeButton = true;
  bool fullScreenButton = false;  // no effect here
  std::int32_t macProcID = 0;     // no effect here
};

class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  void Constructor();

  // Shows the window, hidden or not, brings it to the front and makes it the
  // active window, which raises Activate.
  void Show();
  // Brings the window to the front, showing it if it is hidden, but leaves
  // the active window and the keyboard focus where they are: what the user
  // is typing elsewhere goes on going there.
  void BringToFront();
  // Hides the window; it stays open and keeps its controls.
  void Hide();
  // Closes the window as its close box does: it raises Close and is gone.
  void Close();
  bool Visible() const;
  bool IsActive() const { return active_; }
  std::string Title() const;
  // The content area's size, in pixels.
  std::int32_t Width() const;
  std::int32_t Height() const;

  // Pixels per unit of the window's tables at its font.
  double LayoutScale() const { return scale_; }
  // A length or a rectangle of the tables in pixels. A rectangle's edges are
  // scaled, so controls that meet in the table meet on the screen.
  std::int32_t ToPixels(std::int32_t units) const;
  Rect ToPixels(const Rect& units) const;

  toolkit::MenuBar* MenuBar() const { return menuBar_; }
  void SetMenuBar(toolkit::MenuBar* menuBar);

  // A control added under `name`; throws std::out_of_range when there is
  // none. A control-array member is found by its array's name and its index.
  Control& ControlByName(const std::string& name) const;
  Control& ControlByNameIndex(const std::string& name, std::int32_t index) const;
  template <class C>
  C& ControlAs(const std::string& name) const {
    return dynamic_cast<C&>(ControlByName(name));
  }
  template <class C>
  C& ControlAs(const std::string& name, std::int32_t index) const {
    return dynamic_cast<C&>(ControlByNameIndex(name, index));
  }

  // A handler for the menu item named `itemName`, run when the user chooses
  // the item while this window shows the menu bar. It returns true when it
  // handled the item.
  void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
  bool HasMenuHandler(const std::string& itemName) const;
  bool HandleMenuItem(const std::string& itemName);

 protected:
  // Hands the toolkit the window's settings in one step.
  void SetProperties(const WindowSettings& settings);
  void AddControl(std::unique_ptr<Control> control, const std::string& name);
  // Builds one control of the window's table: creates it, adds it under its
  // name, gives it its text unit, text size and line spacing, then its
  // properties, and last binds its event handlers.
  void CreateControl(const ControlSpec& spec);
  // Builds every control of the table, row by row in table order.
  void CreateControlTable(const std::vector<ControlSpec>& table);

  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers() {}
  virtual void Event_Open() {}
  virtual void Event_Close() {}
  virtual void Event_Activate() {}
  // A press on the window's background, not on a control; returning true
  // accepts it, and only then does the release raise MouseUp.
  virtual bool Event_MouseDown(std::int32_t /*x*/, std::int32_t /*y*/) { return false; }
  virtual void Event_MouseUp(std::int32_t /*x*/, std::int32_t /*y*/) {}
  virtual void Event_MouseEnter() {}

 private:
  class Frame;
  class Content;
  friend QWidget* NativeWindow(const Window& window);
  friend QWidget* NativeContent(const Window& window);

  // The application's default window when this is another window, which
  // stays with it; nullptr for the default window itself.
  const Window* WindowToStayWith() const;
  void StayWithDefaultWindow();
  void BecameActive(bool active);
  // Presses the default or the cancel button while it is enabled and shown;
  // false when there is none to press.
  bool PressButton(PushButton* button);
  void CloseRequested();
  // Takes the scale for the window's font, and applies it to the size limits.
  void ApplyLayoutScale();
  void FontChanged();
  void LayOutControls();
  void ApplyTabOrder();

  Frame* frame_;
  Content* content_;
  std::vector<std::unique_ptr<Control>> controls_;
  // Pressed by Return and Escape; set as the table is built.
  PushButton* defaultButton_ = nullptr;
  PushButton* cancelButton_ = nullptr;
  std::map<std::string, std::function<bool()>> menuHandlers_;
  toolkit::MenuBar* menuBar_ = nullptr;
  WindowSettings settings_;
  double scale_ = 1.0;
  bool active_ = false;
};

}  // namespace toolkit
