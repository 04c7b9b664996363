#pragma once

// The application's one menu bar, with its File menu (About, Quit) and Edit
// menu (the standard edit commands). Created on first use, shared by the
// application and the main window, released at shutdown. Only About has a
// program handler, which the main window registers under the item's name.

#include <memory>

#include "toolkit/Menu.h"

class MainMenuBar : public toolkit::MenuBar {
 public:
  // The single menu bar, created (and its menus built) on the first call.
  static MainMenuBar& Instance();
  // Lets the single menu bar go; the next Instance() builds a new one.
  static void Release();

  // Builds the File menu, then the Edit menu.
  MainMenuBar();
  void Untitled0();
  void Untitled1();

 private:
  static std::unique_ptr<MainMenuBar> _implicitInstance;
};
