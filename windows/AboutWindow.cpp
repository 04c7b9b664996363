#include "windows/AboutWindow.h"

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/Application.h"

namespace {

using namespace toolkit;

// The link shows the maker's host and opens it as a full web address.
const std::string kMakerHost = "kestrane.example.org";
const std::string kMakerAddress = "https://" + kMakerHost + "/";

constexpr Color kLinkBlue = RGB(0, 0, 255);

// The three texts stand centred in one column nearly as wide as the window,
// each frame high enough for its text size: in points at the desktop's 96
// dots per inch, the bold name needs 147 by 34 pixels and the address 229 by
// 25, more than frames sized for 72 dots per inch hold.
constexpr std::int32_t kTextLeft = 9;
constexpr std::int32_t kTextWidth = 236;

const WindowSettings kSettings = {
    .placement = 0,
    .width = 254,
    .height = 205,
    .minWidth = 64,
    .minHeight = 64,
    .maxWidth = 32000,
    .maxHeight = 32000,
    .frame = 8,
    .composite = false,
    .hasBackColor = false,
    .backColor = RGB(255, 255, 255),
    .title = "About",
    .visible = true,
    .fullScreen = false,
    .menuBarVisible = true,
    .closeButton = false,
    .resizeable = false,
    .liveResize = false,
    .maximizeButton = false,
    .minimizeButton = false,
    .fullScreenButton = false,
    .macProcID = 0,
};

const std::vector<ControlSpec> kControls = {
    {.create = Make<Label>,
     .name = "KestraneLabel",
     .bounds = {kTextLeft, 32, kTextWidth, 35},
     .lock = kLeftTop,
     .tabIndex = 0,
     .text = "Kestrane",
     .textUnit = 2,
     .textSize = 22.0,
     .bold = true,
     .textAlign = TextAlign::Center},
    {.create = Make<Label>,
     .name = "versionLabel",
     .bounds = {kTextLeft, 75, kTextWidth, 26},
     .lock = kLeftTop,
     .tabIndex = 1,
     .text = "version 0.4.1",
     .textUnit = 0,
     .textSize = 16.0,
     .textAlign = TextAlign::Center},
    {.create = Make<PushButton>,
     .name = "OK_Button",
     .bounds = {88, 165, 84, 20},
     .lock = kLeftTop,
     .tabIndex = 3,
     .text = "OK",
     .textUnit = 0,
     .isDefault = true,
     .isCancel = true,  // Escape, like OK, puts the window away
     .events = {OnAction(&AboutWindow::OK_Button_Action)}},
    {.create = Make<Label>,
     .name = "URL_Label",
     .bounds = {kTextLeft, 116, kTextWidth, 26},
     .lock = kLeftTop,
     .tabIndex = 4,
     .text = kMakerHost,
     .textUnit = 0,
     .textSize = 16.0,
     .underline = true,
     .textAlign = TextAlign::Center,
     .events = {OnMouseUp(&AboutWindow::URL_Label_MouseUp), OnMouseDown(&AboutWindow::URL_Label_MouseDown),
                OnOpen(&AboutWindow::URL_Label_Open), OnMouseEnter(&AboutWindow::URL_Label_MouseEnter)}},
};

}  // namespace

AboutWindow& AboutWindow::Instance() { return ImplicitInstance<AboutWindow>(); }

void AboutWindow::Layout() { SetProperties(kSettings); }

void AboutWindow::CreateControls() { CreateControls0(); }

void AboutWindow::CreateControls0() { CreateControlTable(kControls); }

Label& AboutWindow::KestraneLabel() const { return ControlAs<Label>("KestraneLabel"); }
Label& AboutWindow::versionLabel() const { return ControlAs<Label>("versionLabel"); }
PushButton& AboutWindow::OK_Button() const { return ControlAs<PushButton>("OK_Button"); }
Label& AboutWindow::URL_Label() const { return ControlAs<Label>("URL_Label"); }

void AboutWindow::OK_Button_Action(PushButton& /*button*/) { Hide(); }

// The whole label is the link, so where it was released does not matter.
void AboutWindow::URL_Label_MouseUp(Label& /*label*/, std::int32_t /*x*/, std::int32_t /*y*/) {
  ShowURL(kMakerAddress);
}

// Accepting the press keeps it from the window, whose background click would
// hide it, and makes the release open the link.
bool AboutWindow::URL_Label_MouseDown(Label& /*label*/, std::int32_t /*x*/, std::int32_t /*y*/) { return true; }

// The label's table row leaves it black like every label; blue marks it as a
// link from the moment the window opens.
void AboutWindow::URL_Label_Open(Label& label) { label.SetTextColor(kLinkBlue); }

void AboutWindow::URL_Label_MouseEnter(Label& label) { label.SetMouseCursor(MouseCursor::FingerPointer); }

// A press on the background is accepted so that its release can hide the
// window.
bool AboutWindow::Event_MouseDown(std::int32_t /*x*/, std::int32_t /*y*/) { return true; }

void AboutWindow::Event_MouseUp(std::int32_t /*x*/, std::int32_t /*y*/) { Hide(); }

// The window comes to the front as the pointer crosses it, but the keyboard
// stays where the user was typing: the pointer passing over it on its way
// elsewhere must not take the rest of an entry, or a Return meant for the
// editor.
void AboutWindow::Event_MouseEnter() { BringToFront(); }
