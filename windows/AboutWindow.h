#pragma once

// The About window: the product's name and version and the maker's web
// address, which opens in the browser when clicked, above an OK button. It is
// built the first time File > About is chosen and is only hidden afterwards,
// by OK or a click on its background; it has no close box.

#include <cstdint>

#include "toolkit/Label.h"
#include "toolkit/PushButton.h"
#include "toolkit/Window.h"

class AboutWindow : public toolkit::Window {
 public:
  // The name under which the toolkit keeps the open window of this class.
  static constexpr const char* kClassName = "AboutWindow.AboutWindow";
  // The one About window: the open one, shown or hidden, or a new one, built
  // and shown.
  static AboutWindow& Instance();

  void Layout() override;
  void CreateControls() override;
  void CreateControls0();

  toolkit::Label& KestraneLabel() const;
  toolkit::Label& versionLabel() const;
  toolkit::PushButton& OK_Button() const;
  toolkit::Label& URL_Label() const;

  void OK_Button_Action(toolkit::PushButton& button);
  void URL_Label_MouseUp(toolkit::Label& label, std::int32_t x, std::int32_t y);
  bool URL_Label_MouseDown(toolkit::Label& label, std::int32_t x, std::int32_t y);
  void URL_Label_Open(toolkit::Label& label);
  void URL_Label_MouseEnter(toolkit::Label& label);

  bool Event_MouseDown(std::int32_t x, std::int32_t y) override;
  void Event_MouseUp(std::int32_t x, std::int32_t y) override;
  void Event_MouseEnter() override;
};
