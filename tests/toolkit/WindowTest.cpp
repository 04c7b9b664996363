#include <gtest/gtest.h>

#include <QTest>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "Appearance.h"
#include "Gui.h"
#include "MessageBoxes.h"
#include "ProbeWindow.h"
#include "toolkit/Dispatch.h"
#include "toolkit/Native.h"
#include "toolkit/Window.h"

namespace {

using namespace toolkit;
using testsupport::Click;

class WindowTest : public ProbeWindowTest {};

TEST_F(WindowTest, ConstructionRaisesItsEventsInOrder) {
  ProbeWindow& window = ProbeWindow::Instance();
  EXPECT_EQ(window.log, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Field open 1",
                                                  "Field open 0", "Open", "Activate"}));
  EXPECT_TRUE(window.Visible());
  EXPECT_EQ(window.Title(), "Probe");
  EXPECT_EQ(window.Width(), 300);
  EXPECT_EQ(window.Height(), 200);
}

TEST_F(WindowTest, ImplicitInstanceIsTheOpenWindowHiddenOrNot) {
  ProbeWindow& first = ProbeWindow::Instance();
  EXPECT_EQ(&ProbeWindow::Instance(), &first);
  first.Hide();
  EXPECT_FALSE(first.Visible());
  EXPECT_EQ(&ProbeWindow::Instance(), &first);
  first.Show();
  EXPECT_EQ(first.log.back(), "Activate");

  first.Close();
  EXPECT_EQ(first.log.back(), "Close");
  EXPECT_EQ(app_.GetImplicitWindow(ProbeWindow::kClassName), nullptr);
  testsupport::ProcessEvents();
  ProbeWindow& second = ProbeWindow::Instance();
  EXPECT_EQ(second.log.front(), "Layout");
  EXPECT_EQ(app_.OpenWindows().size(), 1U);
}

TEST_F(WindowTest, ControlsAreFoundByNameAndIndex) {
  ProbeWindow& window = ProbeWindow::Instance();
  EXPECT_EQ(window.ControlByNameIndex("Field", 0).Bounds(), (Rect{120, 10, 100, 22}));
  EXPECT_EQ(window.ControlByNameIndex("Field", 1).Bounds(), (Rect{10, 10, 100, 22}));
  EXPECT_EQ(window.ControlByName("OK").Name(), "OK");
  EXPECT_THROW(window.ControlByName("Missing"), std::out_of_range);
  EXPECT_THROW(window.ControlByNameIndex("Field", 2), std::out_of_range);
  EXPECT_THROW(window.ControlAs<Label>("OK"), std::bad_cast);
}

TEST_F(WindowTest, ReturnAndEscapePressTheDefaultAndCancelButtons) {
  ProbeWindow& window = ProbeWindow::Instance();
  window.log.clear();
  window.ControlByNameIndex("Field", 0).SetFocus();
  testsupport::PressKey(window, Qt::Key_Return);
  testsupport::PressKeypadEnter(window);
  testsupport::PressKey(window, Qt::Key_Escape);
  // Held with another modifier, Return is some other command.
  testsupport::PressKey(window, Qt::Key_Return, Qt::ControlModifier);
  window.OK().SetEnabled(false);
  testsupport::PressKey(window, Qt::Key_Return);
  testsupport::PressKeypadEnter(window);
  EXPECT_EQ(window.log, (std::vector<std::string>{"OK", "OK", "Cancel"}));
}

// A table that gives the default button's role to a label is a fault that
// shows as the window is built, not when Return is first pressed.
class LabelAsDefaultWindow : public Window {
 public:
  static constexpr const char* kClassName = "LabelAsDefaultWindow.LabelAsDefaultWindow";
  void CreateControls() override {
    CreateControl({.create = Make<Label>, .name = "Label", .bounds = {10, 10, 100, 20}, .isDefault = true});
  }
};

TEST_F(WindowTest, OnlyAPushButtonCanBeTheDefaultButton) {
  EXPECT_THROW(ImplicitInstance<LabelAsDefaultWindow>(), std::logic_error);
}

TEST_F(WindowTest, TabMovesTheFocusInTabIndexOrder) {
  ProbeWindow& window = ProbeWindow::Instance();
  const std::vector<std::pair<std::string, const Control*>> controls = {
      {"Field 0", &window.ControlByNameIndex("Field", 0)},
      {"Field 1", &window.ControlByNameIndex("Field", 1)},
      {"OK", &window.ControlByName("OK")},
      {"Cancel", &window.ControlByName("Cancel")},
      {"Boom", &window.ControlByName("Boom")},
      {"Area", &window.ControlByName("Area")},
      {"Choice", &window.ControlByName("Choice")},
      {"List", &window.ControlByName("List")},
  };
  const auto focused = [&] {
    for (const auto& [name, control] : controls) {
      if (control->HasFocus()) return name;
    }
    return std::string("none");
  };
  window.ControlByNameIndex("Field", 0).SetFocus();
  for (const char* expected : {"Field 1", "OK", "Cancel", "Boom", "Area", "Choice", "List", "Field 0"}) {
    testsupport::PressKey(window, Qt::Key_Tab);
    EXPECT_EQ(focused(), expected);
  }
}

TEST_F(WindowTest, ControlsKeepTheirDistanceToTheEdgesTheyAreLockedTo) {
  ProbeWindow& window = ProbeWindow::Instance();
  testsupport::ResizeContent(window, 400, 260);
  EXPECT_EQ(window.ControlByName("OK").Bounds(), (Rect{310, 230, 80, 20}));      // right and bottom: moves
  EXPECT_EQ(window.ControlByName("Cancel").Bounds(), (Rect{120, 230, 80, 20}));  // left and bottom
  EXPECT_EQ(window.ControlByName("Area").Bounds(), (Rect{120, 40, 270, 160}));   // all four: grows
  EXPECT_EQ(window.ControlByName("Plain").Bounds(), (Rect{10, 70, 100, 20}));    // left and top: stays
  testsupport::ResizeContent(window, 10, 10);
  EXPECT_EQ(window.Width(), 200);
  EXPECT_EQ(window.Height(), 150);
}

// At twice the design font's size (18 points) every position, size and limit
// of the table doubles, whether the window is built under that font or the
// font changes while it is open; the anchoring works in pixels as before.
TEST_F(WindowTest, TheTableScalesWithTheFont) {
  const auto expectDoubled = [](const ProbeWindow& window) {
    EXPECT_EQ(window.LayoutScale(), 2.0);
    EXPECT_EQ(window.Width(), 600);
    EXPECT_EQ(window.Height(), 400);
    EXPECT_EQ(window.ControlByNameIndex("Field", 1).Bounds(), (Rect{20, 20, 200, 44}));
    EXPECT_EQ(window.ControlByName("OK").Bounds(), (Rect{420, 340, 160, 40}));
    testsupport::ResizeContent(window, 700, 460);
    EXPECT_EQ(window.ControlByName("OK").Bounds(), (Rect{520, 400, 160, 40}));
    EXPECT_EQ(window.ControlByName("Area").Bounds(), (Rect{240, 80, 440, 260}));
    testsupport::ResizeContent(window, 10, 10);
    EXPECT_EQ(window.Width(), 400);
    EXPECT_EQ(window.Height(), 300);
  };
  {
    SCOPED_TRACE("built under the larger font");
    testsupport::ScopedFontSize font(18);
    ProbeWindow& window = ProbeWindow::Instance();
    expectDoubled(window);
    window.Close();
    testsupport::ProcessEvents();
  }
  {
    SCOPED_TRACE("the font changed while it is open");
    ProbeWindow& window = ProbeWindow::Instance();
    EXPECT_EQ(window.Width(), 300);
    {
      testsupport::ScopedFontSize font(18);
      testsupport::ProcessEvents();
      expectDoubled(window);
    }
    testsupport::ProcessEvents();
    EXPECT_EQ(window.LayoutScale(), 1.0);
    EXPECT_EQ(window.Width(), 300);
    EXPECT_EQ(window.Height(), 200);
    EXPECT_EQ(window.ControlByName("OK").Bounds(), (Rect{210, 170, 80, 20}));
  }
}

TEST_F(WindowTest, AnExceptionLeavingAHandlerIsReportedAndEndsTheApplication) {
  ProbeWindow& window = ProbeWindow::Instance();
  const auto messages = testsupport::AnswerMessageBoxes([&] { Click(window.ControlByName("Boom")); });
  EXPECT_EQ(messages, std::vector<std::string>{"Unhandled exception\nwindow \"Probe\" has no control named Missing\n"
                                               "The application will now end."});
  EXPECT_TRUE(app_.QuitRequested());
  EXPECT_EQ(app_.ExitStatus(), kUnhandledExceptionStatus);
}

TEST_F(WindowTest, PressesOnAControlDoNotReachTheWindowBehind) {
  ProbeWindow& window = ProbeWindow::Instance();
  window.log.clear();
  Click(window.ControlByName("Link"));
  Click(window.ControlByName("Plain"));
  QTest::mouseClick(NativeContent(window), Qt::LeftButton, {}, QPoint(150, 155));
  window.acceptBackgroundPress = false;
  QTest::mouseClick(NativeContent(window), Qt::LeftButton, {}, QPoint(150, 155));
  EXPECT_EQ(window.log, (std::vector<std::string>{"link down", "link up", "window down", "window up", "window down"}));
}

}  // namespace
