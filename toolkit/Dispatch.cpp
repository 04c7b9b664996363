#include "toolkit/Dispatch.h"

#include <exception>
#include <string>

#include "toolkit/Application.h"
#include "toolkit/MsgBox.h"
#include "toolkit/Text.h"

namespace toolkit {
namespace {

// Tells the user, then ends the application. The message box runs an event
// loop of its own, in which a fault that repeats at every paint or resize
// would raise report after report: while one is up, a further fault only ends
// the application. Nothing here may throw in turn, as it is the last stop
// before Qt.
void ReportUnhandled(const char* what) noexcept {
  static bool reporting = false;
  if (!reporting) {
    reporting = true;
    try {
      MsgBox("Unhandled exception" + EndOfLine() + what + EndOfLine() + "The application will now end.");
    } catch (...) {
      // Too short of memory even to say so: ending is all that is left.
    }
    reporting = false;
  }
  if (Application::Exists()) Application::Current().Quit(kUnhandledExceptionStatus);
}

}  // namespace

bool RunAnsweringHandler(const std::function<bool()>& handler) {
  try {
    return handler();
  } catch (const std::exception& error) {
    ReportUnhandled(error.what());
  } catch (...) {
    ReportUnhandled("an exception of unknown type");
  }
  return false;
}

void RunHandler(const std::function<void()>& handler) {
  RunAnsweringHandler([&handler] {
    handler();
    return true;
  });
}

EventFilter::EventFilter(QObject* target) : QObject(target) { target->installEventFilter(this); }

bool EventFilter::eventFilter(QObject* watched, QEvent* event) {
  return RunAnsweringHandler([&] { return Filter(watched, event); });
}

}  // namespace toolkit
