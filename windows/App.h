#pragma once

// The application object: the toolkit's application with nothing of its own.
// Exactly one exists while the application runs.

#include "toolkit/Application.h"

class App : public toolkit::Application {
 public:
  App() : toolkit::Application("Kestrane", "org.example.kestrane") {}
};
