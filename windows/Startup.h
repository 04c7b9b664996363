#pragma once

// Start-up and shutdown, in their order: the toolkit's run-time, the
// application object with its menu bar, the main window once the toolkit is
// ready, the event loop; then the windows, the menu bar and the genotype
// records are released, and the exit status is Quit's.

#include <memory>

#include "windows/App.h"

// The application object, with the menu bar built and installed.
std::unique_ptr<App> NewAppInstance();
// Called back once the toolkit is ready: opens the main window.
void LateStartup();
void Shutdown(App& app);
// The whole run; returns the exit status.
int Main(int& argc, char** argv);
