#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QTest>
#include <QWidget>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Gui.h"
#include "MessageBoxes.h"
#include "StartedApp.h"
#include "toolkit/Native.h"
#include "windows/AboutWindow.h"
#include "windows/EditWindow.h"

namespace {

using testsupport::Click;
using toolkit::Label;

constexpr toolkit::Color kBlue = toolkit::RGB(0, 0, 255);

class AboutWindowTest : public StartedAppTest {
 protected:
  AboutWindow* OpenAbout() const { return OpenWindow<AboutWindow>(); }

  // Chooses File > About Kestrane in the main window's menu bar and returns
  // the About window it shows.
  AboutWindow& ChooseAbout() const {
    auto* item = toolkit::NativeWindow(Main())->findChild<QAction*>("About");
    if (item == nullptr) throw std::logic_error("the main window's menu bar has no About item");
    item->trigger();
    AboutWindow* about = OpenAbout();
    if (about == nullptr) throw std::logic_error("About opened no About window");
    return *about;
  }

  // A click on the window's background, away from every control.
  static void ClickBackground(const AboutWindow& about) {
    QTest::mouseClick(toolkit::NativeContent(about), Qt::LeftButton, {}, QPoint(5, 5));
  }
};

TEST_F(AboutWindowTest, AboutTwiceGivesOneShownWindow) {
  ASSERT_EQ(OpenAbout(), nullptr);
  AboutWindow& first = ChooseAbout();
  AboutWindow& again = ChooseAbout();
  EXPECT_EQ(&again, &first);
  EXPECT_TRUE(again.Visible());
  EXPECT_EQ(again.Title(), "About");
  EXPECT_EQ(app_->OpenWindows().size(), 2U);
}

TEST_F(AboutWindowTest, HasAFixedSizeAndNoWindowButtons) {
  AboutWindow& about = ChooseAbout();
  testsupport::ResizeContent(about, 400, 300);
  EXPECT_EQ(about.Width(), 254);
  EXPECT_EQ(about.Height(), 205);

  const Qt::WindowFlags flags = toolkit::NativeWindow(about)->windowFlags();
  for (const Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                      Qt::WindowMaximizeButtonHint, Qt::WindowFullscreenButtonHint}) {
    EXPECT_FALSE(flags.testFlag(button)) << button;
  }
}

TEST_F(AboutWindowTest, ShowsNameVersionAndLinkInTheirStylesUncut) {
  AboutWindow& about = ChooseAbout();
  struct Case {
    const Label& label;
    std::string text;
    double textSize;
    int textUnit;
    bool bold, underline;
    toolkit::Color color;
  };
  const Case cases[] = {
      {about.KestraneLabel(), "Kestrane", 22, 2, true, false, toolkit::kBlack},
      {about.versionLabel(), "version 0.4.1", 16, 0, false, false, toolkit::kBlack},
      {about.URL_Label(), "kestrane.example.org", 16, 0, false, true, kBlue},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label.Name());
    EXPECT_EQ(c.label.Text(), c.text);
    EXPECT_EQ(c.label.TextSize(), c.textSize);
    EXPECT_EQ(c.label.TextUnit(), c.textUnit);
    EXPECT_EQ(c.label.Bold(), c.bold);
    EXPECT_EQ(c.label.Underline(), c.underline);
    EXPECT_EQ(c.label.TextColor(), c.color);
    // The whole text fits in the label's frame at the platform's resolution.
    const QWidget* widget = toolkit::NativeWidget(c.label);
    const QSize needed = QFontMetrics(widget->font()).size(0, QString::fromStdString(c.text));
    EXPECT_LE(needed.width(), widget->contentsRect().width());
    EXPECT_LE(needed.height(), widget->contentsRect().height());
  }
  EXPECT_EQ(about.OK_Button().Caption(), "OK");
  EXPECT_TRUE(about.OK_Button().IsDefault());
}

// OK, its keys and the window manager's close request (the title bar's
// button or Alt+F4, which the window manager offers even without a close
// button) all put the window away; it is never closed.
TEST_F(AboutWindowTest, OKItsKeysAndTheCloseRequestHideItAndAboutShowsTheSameWindowAgain) {
  const std::pair<const char*, std::function<void(AboutWindow&)>> ways[] = {
      {"OK", [](AboutWindow& about) { Click(about.OK_Button()); }},
      {"Return", [](AboutWindow& about) { testsupport::PressKey(about, Qt::Key_Return); }},
      {"keypad Enter", [](AboutWindow& about) { testsupport::PressKeypadEnter(about); }},
      {"Escape", [](AboutWindow& about) { testsupport::PressKey(about, Qt::Key_Escape); }},
      {"close request", [](AboutWindow& about) { toolkit::NativeWindow(about)->close(); }},
  };
  AboutWindow& about = ChooseAbout();
  for (const auto& [way, hide] : ways) {
    SCOPED_TRACE(way);
    ASSERT_TRUE(about.Visible());
    hide(about);
    EXPECT_FALSE(about.Visible());
    EXPECT_EQ(&ChooseAbout(), &about);
    EXPECT_TRUE(about.Visible());
    EXPECT_EQ(about.URL_Label().TextColor(), kBlue);
  }
}

TEST_F(AboutWindowTest, PointerOnTheLinkShowsTheHand) {
  AboutWindow& about = ChooseAbout();
  EXPECT_EQ(about.URL_Label().MouseCursor(), toolkit::MouseCursor::Standard);
  testsupport::MovePointerInto(about.URL_Label());
  EXPECT_EQ(about.URL_Label().MouseCursor(), toolkit::MouseCursor::FingerPointer);
  EXPECT_EQ(toolkit::NativeWidget(about.URL_Label())->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(AboutWindowTest, LinkClickOpensTheAddressAndBackgroundClickHidesTheWindow) {
  AboutWindow& about = ChooseAbout();
  Click(about.URL_Label());
  EXPECT_EQ(openedUrls_, std::vector<std::string>{"https://kestrane.example.org/"});
  EXPECT_TRUE(about.Visible());

  ClickBackground(about);
  EXPECT_FALSE(about.Visible());
  EXPECT_EQ(openedUrls_.size(), 1U);
  EXPECT_EQ(&ChooseAbout(), &about);
}

// The pointer crossing the About window on its way elsewhere brings it to the
// front, but what the user types still goes where it went, Return included.
TEST_F(AboutWindowTest, PointerEnteringTheWindowLeavesTheKeyboardWhereItWas) {
  AboutWindow& about = ChooseAbout();
  Click(Main().EditButton());
  testsupport::ProcessEvents();
  EditWindow& editor = EditWindow::Instance();
  ASSERT_TRUE(editor.IsActive());
  testsupport::Type(editor.Field(0), "Gene1 a");

  // The event the platform sends as the pointer crosses into the window.
  QWidget* content = toolkit::NativeContent(about);
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), content->mapToGlobal(QPointF(5, 5)));
  QApplication::sendEvent(content, &enter);
  testsupport::ProcessEvents();

  EXPECT_TRUE(about.Visible());
  EXPECT_FALSE(about.IsActive());
  EXPECT_TRUE(editor.IsActive());
  EXPECT_EQ(QApplication::activeWindow(), toolkit::NativeWindow(editor));
  EXPECT_TRUE(editor.Field(0).HasFocus());
  testsupport::PressKey(editor, Qt::Key_Slash);
  testsupport::PressKey(editor, Qt::Key_B);
  EXPECT_EQ(editor.Field(0).Text(), "Gene1 a/b");
  const auto messages = testsupport::AnswerMessageBoxes([&] { testsupport::PressKey(editor, Qt::Key_Return); });
  EXPECT_EQ(messages, std::vector<std::string>{"Error\nParents with unequal gene numbers"});
  EXPECT_FALSE(editor.Visible());
  EXPECT_TRUE(about.Visible());
}

}  // namespace
