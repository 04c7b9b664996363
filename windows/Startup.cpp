#include "windows/Startup.h"

#include "engine/Globals.h"
#include "windows/MainMenuBar.h"
#include "windows/MainWindow.h"

std::unique_ptr<App> NewAppInstance() {
  auto app = std::make_unique<App>();
  app->SetMenuBar(&MainMenuBar::Instance());
  return app;
}

void LateStartup() { MainWindow::Instance(); }

void Shutdown(App& app) {
  app.ReleaseWindows();
  app.SetMenuBar(nullptr);
  MainMenuBar::Release();
  Globals::parents.reset();
}

int Main(int& argc, char** argv) {
  toolkit::Runtime runtime(argc, argv);
  std::unique_ptr<App> app = NewAppInstance();
  const int status = app->Run(LateStartup);
  Shutdown(*app);
  return status;
}
