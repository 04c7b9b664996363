#pragma once

// The toolkit's event dispatch into program code. Every handler of a window,
// control or menu item runs through here, so that an exception leaving it
// never unwinds through Qt: it is reported as unhandled and the application
// ends with a failure status.

#include <functional>

namespace toolkit {

void RunHandler(const std::function<void()>& handler);

// The same for a handler that answers (a MouseDown accepting the press, a
// menu handler saying it handled the item); false when it threw.
bool RunAnsweringHandler(const std::function<bool()>& handler);

// The exit status of an application ended by an unhandled exception.
constexpr int kUnhandledExceptionStatus = 70;

}  // namespace toolkit
