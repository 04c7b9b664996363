#pragma once

// Shows a menu model as a Qt menu bar of one window. Internal to the toolkit.

class QMenuBar;

namespace toolkit {

class MenuBar;
class Window;

// A new menu bar for `window` showing `model`; choosing an item runs the
// window's handler registered under the item's name, the standard edit
// commands act on the focused text control, and the Quit item quits.
// The application's menu bar serves every window that shows none of its
// own, so its shortcuts act in all of the application's windows; another
// menu bar's act only in its window.
QMenuBar* BuildNativeMenuBar(const MenuBar& model, Window& window, bool applicationMenuBar);
// Enables the items of `bar`, built from `model`, afresh for what `window`
// can do now, as when a handler has been added.
void UpdateMenuEnabling(QMenuBar& bar, const MenuBar& model, const Window& window);

}  // namespace toolkit
