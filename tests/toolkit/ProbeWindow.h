#pragma once

// The toolkit tests' window: one control of every kind, each wired to a
// handler that records what it receives, and a fixture that runs an
// application around it.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Gui.h"
#include "toolkit/Application.h"
#include "toolkit/Label.h"
#include "toolkit/Listbox.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/PushButton.h"
#include "toolkit/TextArea.h"
#include "toolkit/TextField.h"
#include "toolkit/Window.h"

namespace toolkit {

// A window that records the events it receives.
class ProbeWindow : public Window {
 public:
  static constexpr const char* kClassName = "ProbeWindow.ProbeWindow";
  static ProbeWindow& Instance() { return ImplicitInstance<ProbeWindow>(); }

  std::vector<std::string> log;
  // The popup's text as its Change handler read it.
  std::vector<std::string> chosen;
  bool acceptBackgroundPress = true;

  void Layout() override {
    log.push_back("Layout");
    SetProperties({.width = 300, .height = 200, .minWidth = 200, .minHeight = 150, .title = "Probe"});
  }
  void CreateControls() override {
    log.push_back("CreateControls");
    for (const ControlSpec& spec : Controls()) CreateControl(spec);
  }
  void AddMenuHandlers() override {
    log.push_back("AddMenuHandlers");
    AddMenuHandler("Probe", [this] {
      log.push_back("menu Probe");
      return true;
    });
  }
  void Event_Open() override { log.push_back("Open"); }
  void Event_Activate() override { log.push_back("Activate"); }
  void Event_Close() override { log.push_back("Close"); }
  bool Event_MouseDown(std::int32_t, std::int32_t) override {
    log.push_back("window down");
    return acceptBackgroundPress;
  }
  void Event_MouseUp(std::int32_t, std::int32_t) override { log.push_back("window up"); }

  void OK_Action(PushButton&) { log.push_back("OK"); }
  void Cancel_Action(PushButton&) { log.push_back("Cancel"); }
  void Boom_Action(PushButton&) { ControlByName("Missing"); }
  void Field_Open(TextField& field) { log.push_back("Field open " + std::to_string(field.Index())); }
  bool Link_MouseDown(Label&, std::int32_t, std::int32_t) {
    log.push_back("link down");
    return true;
  }
  void Link_MouseUp(Label&, std::int32_t, std::int32_t) { log.push_back("link up"); }
  void Choice_Change(PopupMenu& popup) {
    log.push_back("change " + std::to_string(popup.ListIndex()));
    chosen.push_back(popup.Text());
  }

  PushButton& OK() const { return ControlAs<PushButton>("OK"); }

 private:
  static const std::vector<ControlSpec>& Controls() {
    static const std::vector<ControlSpec> controls = {
        {.create = Make<TextField>,
         .name = "Field",
         .index = 1,
         .bounds = {10, 10, 100, 22},
         .tabIndex = 1,
         .events = {OnOpen(&ProbeWindow::Field_Open)}},
        {.create = Make<TextField>,
         .name = "Field",
         .index = 0,
         .bounds = {120, 10, 100, 22},
         .tabIndex = 0,
         .events = {OnOpen(&ProbeWindow::Field_Open)}},
        {.create = Make<PushButton>,
         .name = "OK",
         .bounds = {210, 170, 80, 20},
         .lock = {false, false, true, true},
         .tabIndex = 2,
         .text = "OK",
         .isDefault = true,
         .events = {OnAction(&ProbeWindow::OK_Action)}},
        {.create = Make<PushButton>,
         .name = "Cancel",
         .bounds = {120, 170, 80, 20},
         .lock = {true, false, false, true},
         .tabIndex = 3,
         .text = "Cancel",
         .isCancel = true,
         .events = {OnAction(&ProbeWindow::Cancel_Action)}},
        {.create = Make<PushButton>,
         .name = "Boom",
         .bounds = {10, 170, 80, 20},
         .tabIndex = 4,
         .text = "Boom",
         .events = {OnAction(&ProbeWindow::Boom_Action)}},
        {.create = Make<Label>,
         .name = "Link",
         .bounds = {10, 40, 100, 20},
         .text = "link",
         .events = {OnMouseDown(&ProbeWindow::Link_MouseDown), OnMouseUp(&ProbeWindow::Link_MouseUp)}},
        {.create = Make<Label>, .name = "Plain", .bounds = {10, 70, 100, 20}, .text = "plain"},
        {.create = Make<TextArea>,
         .name = "Area",
         .bounds = {120, 40, 170, 100},
         .lock = {true, true, true, true},
         .tabIndex = 5,
         .multiline = true},
        {.create = Make<PopupMenu>,
         .name = "Choice",
         .bounds = {10, 100, 100, 20},
         .tabIndex = 6,
         .text = "a\rb",
         .events = {OnChange(&ProbeWindow::Choice_Change)}},
        {.create = Make<Listbox>,
         .name = "List",
         .bounds = {10, 130, 100, 30},
         .lock = {true, true, true, false},
         .tabIndex = 7},
    };
    return controls;
  }
};

class ProbeWindowTest : public ::testing::Test {
 protected:
  void TearDown() override { testsupport::ProcessEvents(); }
  Application app_{"Probe", "org.example.probe"};
};

}  // namespace toolkit
