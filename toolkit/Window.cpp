#include "toolkit/Window.h"

#include <QCloseEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "toolkit/Application.h"
#include "toolkit/Dispatch.h"
#include "toolkit/Keys.h"
#include "toolkit/Menu.h"
#include "toolkit/MouseRelay.h"
#include "toolkit/Native.h"
#include "toolkit/NativeMenus.h"
#include "toolkit/PushButton.h"
#include "toolkit/QtText.h"
#include "toolkit/Text.h"

namespace toolkit {
namespace {

// The design font's size in pixels: 9 points at 96 dots per inch.
constexpr double kDesignFontPixels = 12.0;

// The font's size as asked for, not as rounded to whole pixels for the
// match, so that each point size has a scale of its own.
double LayoutScaleFor(const QWidget& widget) {
  const QFont font = widget.font();
  const double points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
  return points * widget.logicalDpiY() / 72.0 / kDesignFontPixels;
}

}  // namespace

// The top-level widget: it carries the menu bar above the content area and
// reports closing, activation and the keys no control took.
class Window::Frame : public QMainWindow {
 public:
  explicit Frame(Window& owner) : owner_(owner) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    // A window without a close button is not closed from outside either: the
    // window manager's close request (which it offers for every window) asks
    // it to go away as Escape does, by its cancel button, if it has one.
    if (!owner_.settings_.closeButton) {
      event->ignore();
      owner_.PressButton(owner_.cancelButton_);
      return;
    }
    event->accept();
    owner_.CloseRequested();
  }

  void keyPressEvent(QKeyEvent* event) override {
    PushButton* button = nullptr;
    if (IsEnterPress(*event)) button = owner_.defaultButton_;
    if (IsEscapePress(*event)) button = owner_.cancelButton_;
    if (owner_.PressButton(button)) {
      event->accept();
      return;
    }
    QMainWindow::keyPressEvent(event);
  }

  bool event(QEvent* event) override {
    if (event->type() == QEvent::WindowActivate) owner_.BecameActive(true);
    if (event->type() == QEvent::WindowDeactivate) owner_.BecameActive(false);
    return QMainWindow::event(event);
  }

 private:
  Window& owner_;
};

// The content area, in whose coordinates the controls stand.
class Window::Content : public QWidget {
 public:
  explicit Content(Window& owner) : owner_(owner) {}

  QSize sizeHint() const override {
    return {owner_.ToPixels(owner_.settings_.width), owner_.ToPixels(owner_.settings_.height)};
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    owner_.LayOutControls();
  }

  // The desktop's font changed, or the program changed the application's.
  void changeEvent(QEvent* event) override {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) owner_.FontChanged();
  }

 private:
  Window& owner_;
};

Window::Window() : frame_(new Frame(*this)), content_(new Content(*this)) {
  frame_->setAttribute(Qt::WA_DeleteOnClose, false);
  frame_->setCentralWidget(content_);
  new MouseRelay(content_, {
                               [this] { RunHandler([this] { Event_MouseEnter(); }); },
                               [this](std::int32_t x, std::int32_t y) {
                                 if (content_->childAt(x, y) != nullptr) return false;
                                 return RunAnsweringHandler([&] { return Event_MouseDown(x, y); });
                               },
                               [this](std::int32_t x, std::int32_t y) { RunHandler([&] { Event_MouseUp(x, y); }); },
                           });
}

Window::~Window() {
  // The controls let go of their widgets before the frame takes the rest.
  controls_.clear();
  delete frame_;
}

void Window::Constructor() {
  Layout();
  CreateControls();
  AddMenuHandlers();
  ApplyTabOrder();
  for (const auto& control : controls_) control->Raise(ControlEvent::Open);
  Event_Open();
  if (settings_.visible) Show();
}

void Window::Show() {
  StayWithDefaultWindow();
  frame_->show();
  frame_->raise();
  frame_->activateWindow();
  BecameActive(true);
}

void Window::BringToFront() {
  StayWithDefaultWindow();
  frame_->setAttribute(Qt::WA_ShowWithoutActivating, true);
  frame_->show();
  frame_->setAttribute(Qt::WA_ShowWithoutActivating, false);
  frame_->raise();
}

const Window* Window::WindowToStayWith() const {
  const Window* main = Application::Exists() ? Application::Current().DefaultWindow() : nullptr;
  return main != this ? main : nullptr;
}

// Every other window is transient for the application's default window: the
// window manager places it over that window, keeps it in front of it and
// gives it no taskbar entry of its own.
void Window::StayWithDefaultWindow() {
  const Window* main = WindowToStayWith();
  if (main == nullptr) return;
  // Both need their platform windows to name one the other's.
  frame_->winId();
  main->frame_->winId();
  frame_->windowHandle()->setTransientParent(main->frame_->windowHandle());
}

void Window::Hide() {
  frame_->hide();
  BecameActive(false);
}

void Window::Close() { frame_->close(); }

bool Window::Visible() const { return frame_->isVisible(); }

std::string Window::Title() const { return FromQt(frame_->windowTitle()); }

std::int32_t Window::Width() const { return content_->width(); }

std::int32_t Window::Height() const { return content_->height(); }

std::int32_t Window::ToPixels(std::int32_t units) const {
  // Beyond what a widget can be, a limit stays a limit.
  return static_cast<std::int32_t>(std::min(std::round(units * scale_), double{QWIDGETSIZE_MAX}));
}

Rect Window::ToPixels(const Rect& units) const {
  const std::int32_t left = ToPixels(units.left);
  const std::int32_t top = ToPixels(units.top);
  return {left, top, ToPixels(units.left + units.width) - left, ToPixels(units.top + units.height) - top};
}

void Window::SetMenuBar(toolkit::MenuBar* menuBar) {
  menuBar_ = menuBar;
  if (menuBar_ == nullptr) {
    frame_->setMenuBar(nullptr);
    return;
  }
  const bool applicationMenuBar = Application::Exists() && Application::Current().MenuBar() == menuBar_;
  frame_->setMenuBar(BuildNativeMenuBar(*menuBar_, *this, applicationMenuBar));
}

void Window::SetProperties(const WindowSettings& settings) {
  settings_ = settings;
  frame_->setWindowTitle(ToQt(settings.title));

  // A window that stays with another is a dialog to the window system: on
  // X11, Qt names the window it stays with (WM_TRANSIENT_FOR) only for
  // dialogs. Its buttons are those its settings give, as for any window.
  const bool dialog = settings.frame == 8 || WindowToStayWith() != nullptr;
  Qt::WindowFlags flags = dialog ? Qt::Dialog : Qt::Window;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (settings.frame != 8) {
    if (settings.closeButton) flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    if (settings.minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
    // A window of fixed size has nothing to maximise to.
    if (settings.maximizeButton && settings.resizeable) flags |= Qt::WindowMaximizeButtonHint;
  }
  frame_->setWindowFlags(flags);

  content_->setAutoFillBackground(settings.hasBackColor);
  if (settings.hasBackColor) {
    QPalette palette = content_->palette();
    palette.setColor(QPalette::Window,
                     QColor(settings.backColor.red, settings.backColor.green, settings.backColor.blue));
    content_->setPalette(palette);
  }
  if (QWidget* bar = frame_->menuWidget()) bar->setVisible(settings.menuBarVisible);
  ApplyLayoutScale();
  frame_->resize(frame_->sizeHint());
}

namespace {

// Alt with a letter is a chord for a menu's access key, which no control
// types, also in a window without a menu bar.
class AccessKeyChords : public EventFilter {
 public:
  using EventFilter::EventFilter;

 protected:
  bool Filter(QObject* /*watched*/, QEvent* event) override {
    return event->type() == QEvent::KeyPress && IsAccessKeyChord(*static_cast<QKeyEvent*>(event));
  }
};

}  // namespace

void Window::AddControl(std::unique_ptr<Control> control, const std::string& name) {
  control->AttachTo(*this, name, *content_);
  new AccessKeyChords(NativeWidget(*control));
  controls_.push_back(std::move(control));
}

namespace {

// The row's control as the window's default or cancel button; a row that
// gives either role to another kind of control is a fault of the table.
PushButton& ButtonFor(Control& control, const ControlSpec& spec, const char* role) {
  auto* button = dynamic_cast<PushButton*>(&control);
  if (button == nullptr)
    throw std::logic_error("control " + spec.name + " is no push button to be the " + role + " button");
  return *button;
}

}  // namespace

void Window::CreateControl(const ControlSpec& spec) {
  std::unique_ptr<Control> created = spec.create(spec.index);
  Control& control = *created;
  AddControl(std::move(created), spec.name);
  control.SetTextMetrics(spec);
  control.SetProperties(spec);
  if (spec.isDefault) defaultButton_ = &ButtonFor(control, spec, "default");
  if (spec.isCancel) cancelButton_ = &ButtonFor(control, spec, "cancel");
  control.Bind(spec.events);
}

void Window::CreateControlTable(const std::vector<ControlSpec>& table) {
  for (const ControlSpec& spec : table) CreateControl(spec);
}

Control& Window::ControlByName(const std::string& name) const { return ControlByNameIndex(name, -1); }

Control& Window::ControlByNameIndex(const std::string& name, std::int32_t index) const {
  for (const auto& control : controls_) {
    if (control->Name() == name && control->Index() == index) return *control;
  }
  std::string what = "window \"" + Title() + "\" has no control named " + name;
  if (index >= 0) what += " with index " + Str(index);
  throw std::out_of_range(what);
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
  menuHandlers_[itemName] = std::move(handler);
  // A window installs its menu bar before it adds its handlers, so the item
  // this handler serves was built disabled.
  auto* bar = qobject_cast<QMenuBar*>(frame_->menuWidget());
  if (bar != nullptr && menuBar_ != nullptr) UpdateMenuEnabling(*bar, *menuBar_, *this);
}

bool Window::HasMenuHandler(const std::string& itemName) const { return menuHandlers_.count(itemName) > 0; }

bool Window::HandleMenuItem(const std::string& itemName) {
  const auto found = menuHandlers_.find(itemName);
  if (found == menuHandlers_.end()) return false;
  return RunAnsweringHandler(found->second);
}

void Window::BecameActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (active_) RunHandler([this] { Event_Activate(); });
}

bool Window::PressButton(PushButton* button) {
  if (button == nullptr || !button->Enabled() || !button->Visible()) return false;
  button->Push();
  return true;
}

void Window::CloseRequested() {
  RunHandler([this] {
    Event_Close();
    if (Application::Exists()) Application::Current().Release(*this);
  });
}

void Window::ApplyLayoutScale() {
  scale_ = LayoutScaleFor(*content_);
  if (settings_.resizeable) {
    content_->setMinimumSize(ToPixels(settings_.minWidth), ToPixels(settings_.minHeight));
    content_->setMaximumSize(ToPixels(settings_.maxWidth), ToPixels(settings_.maxHeight));
  } else {
    content_->setFixedSize(ToPixels(settings_.width), ToPixels(settings_.height));
  }
}

// The window takes its table's size at the new scale; a size the user gave
// it was one for the old font.
void Window::FontChanged() {
  const double before = scale_;
  ApplyLayoutScale();
  if (scale_ == before) return;
  LayOutControls();
  // Once every widget has its new font: the menu bar's height is part of the
  // frame's size. The frame's own limits follow the content's once its
  // layout has taken them in; until then they would hold it at the old size.
  QMetaObject::invokeMethod(content_, Guarded([this] {
                              content_->updateGeometry();
                              frame_->layout()->activate();
                              frame_->resize(frame_->sizeHint());
                            }),
                            Qt::QueuedConnection);
}

void Window::LayOutControls() {
  const std::int32_t dx = content_->width() - ToPixels(settings_.width);
  const std::int32_t dy = content_->height() - ToPixels(settings_.height);
  for (const auto& control : controls_) control->FollowResize(dx, dy);
}

// Keyboard focus moves through the controls in ascending tab index; controls
// of equal index keep their creation order.
void Window::ApplyTabOrder() {
  std::vector<Control*> order;
  for (const auto& control : controls_) {
    if (NativeWidget(*control)->focusPolicy() != Qt::NoFocus) order.push_back(control.get());
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(NativeWidget(*order[i - 1]), NativeWidget(*order[i]));
}

}  // namespace toolkit

namespace toolkit {

QWidget* NativeWidget(const Control& control) { return control.widget_; }

QWidget* NativeWindow(const Window& window) { return window.frame_; }

QWidget* NativeContent(const Window& window) { return window.content_; }

}  // namespace toolkit
