#pragma once

// The help window: a fixed text on what Kestrane computes, how the parents'
// genotypes are entered and how a cross is run, above an OK button that hides
// the window. The main window's Help button shows the one help window; its
// close box closes it for good, and the next Help builds a new one.

#include "toolkit/PushButton.h"
#include "toolkit/TextArea.h"
#include "toolkit/Window.h"

class HelpWindow : public toolkit::Window {
 public:
  // The name under which the toolkit keeps the open window of this class.
  static constexpr const char* kClassName = "HelpWindow.HelpWindow";
  // The one help window: the open one, shown or hidden, or a new one, built
  // and shown.
  static HelpWindow& Instance();

  void Layout() override;
  void CreateControls() override;
  void CreateControls0();

  toolkit::TextArea& HelpArea() const;
  toolkit::PushButton& OK_Button() const;

  void HelpArea_Open(toolkit::TextArea& area);
  void OK_Button_Action(toolkit::PushButton& button);
};
