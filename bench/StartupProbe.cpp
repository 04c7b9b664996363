// Kestrane's real start-up and shutdown, quitting once the main window is
// shown and the event loop has run, as the bare window does.

#include <QTimer>

#include "windows/Startup.h"

int main(int argc, char** argv) {
  toolkit::Runtime runtime(argc, argv);
  std::unique_ptr<App> app = NewAppInstance();
  const int status = app->Run([&app] {
    LateStartup();
    QTimer::singleShot(0, [&app] { app->Quit(0); });
  });
  Shutdown(*app);
  return status;
}
