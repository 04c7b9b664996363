#pragma once

// The Qt widgets behind the toolkit's windows and controls: for the toolkit
// itself, and for tests and measurements that drive them as a user would
// (clicks, keys). The application's windows never reach for them.

class QWidget;

namespace toolkit {

class Control;
class Window;

QWidget* NativeWidget(const Control& control);
// The top-level window, menu bar included.
QWidget* NativeWindow(const Window& window);
// The content area, in whose coordinates the controls stand.
QWidget* NativeContent(const Window& window);

}  // namespace toolkit
