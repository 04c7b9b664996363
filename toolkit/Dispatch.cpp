#include "toolkit/Dispatch.h"

#include <exception>
#include <string>

#include "toolkit/Application.h"
#include "toolkit/MsgBox.h"
#include "toolkit/Text.h"

namespace toolkit {
namespace {

void ReportUnhandled(const std::string& what) {
  MsgBox("Unhandled exception" + EndOfLine() + what + EndOfLine() + "The application will now end.");
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

}  // namespace toolkit
