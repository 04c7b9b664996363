#include <QtCore/qnamespace.h>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "Gui.h"
#include "StartedApp.h"
#include "toolkit/Text.h"
#include "windows/HelpWindow.h"

namespace {

using testsupport::Click;

const char* const kHelpText =
    R"(This software calculates possible pup genotypes and their probabilities from parent genotypes. To enter parent genotypes, click the Edit or Paste buttons at the top. Genotypes can be formattted using a spreadsheet or text editor as in this example:

    Gene1 a/b   Gene2 Y/+   Gene3 0/0   Gene4 w/flox
    Gene1 c/d   Gene2 X/-    Gene3 0/+  Gene4 w/w

One line per parent and one column (tab) per gene.
One space between gene and alleles.
One slash between alleles.

Select from each popup menu one allele to show on the left side in results.

Click the Cross button at the bottom to display and copy results to the Clipboard.)";

// The text area gives every line end back as a carriage return.
std::string AsShown(const std::string& text) { return toolkit::ReplaceLineEndings(text, "\r"); }

class HelpWindowTest : public StartedAppTest {
 protected:
  HelpWindow* OpenHelp() const { return OpenWindow<HelpWindow>(); }

  // Presses Help and returns the help window it shows.
  HelpWindow& PressHelp() const {
    Click(Main().HelpButton());
    HelpWindow* help = OpenHelp();
    if (help == nullptr) throw std::logic_error("Help opened no help window");
    return *help;
  }
};

TEST_F(HelpWindowTest, HelpOpensAWindowWithTheHelpText) {
  ASSERT_EQ(OpenHelp(), nullptr);
  HelpWindow& help = PressHelp();
  EXPECT_TRUE(help.Visible());
  EXPECT_EQ(help.Title(), "Help");
  EXPECT_EQ(help.Width(), 436);
  EXPECT_EQ(help.Height(), 400);
  EXPECT_EQ(help.HelpArea().Text(), AsShown(kHelpText));

  // The user cannot change it: not by typing, deleting or pasting, wherever
  // the cursor stands.
  testsupport::SetClipboardText("pasted");
  const struct {
    const char* name;
    std::function<void(const toolkit::Control&)> edit;
  } edits[] = {
      {"typing", [](const toolkit::Control& area) { testsupport::Type(area, "x"); }},
      {"Backspace", [](const toolkit::Control& area) { testsupport::PressKey(area, Qt::Key_Backspace); }},
      {"Delete", [](const toolkit::Control& area) { testsupport::PressKey(area, Qt::Key_Delete); }},
      {"Ctrl+V", [](const toolkit::Control& area) { testsupport::PressKey(area, Qt::Key_V, Qt::ControlModifier); }},
  };
  for (const Qt::Key place : {Qt::Key_Home, Qt::Key_End}) {
    for (const auto& edit : edits) {
      SCOPED_TRACE(std::string(edit.name) + (place == Qt::Key_Home ? " at the start" : " at the end"));
      testsupport::PressKey(help.HelpArea(), place, Qt::ControlModifier);
      edit.edit(help.HelpArea());
      EXPECT_EQ(help.HelpArea().Text(), AsShown(kHelpText));
    }
  }
}

struct AgainCase {
  const char* name;
  std::function<void(HelpWindow&)> before;  // what the user does before pressing Help again
  bool hidden;                              // whether that hid the window
};

void PrintTo(const AgainCase& row, std::ostream* out) { *out << row.name; }

class HelpAgainTest : public HelpWindowTest, public ::testing::WithParamInterface<AgainCase> {};

// Asking again finds the one window, hidden or shown, and shows it as it was:
// its text is not built again.
TEST_P(HelpAgainTest, ShowsTheSameWindowAsItWas) {
  HelpWindow& first = PressHelp();
  first.HelpArea().SetText("as it was");
  GetParam().before(first);
  EXPECT_EQ(first.Visible(), !GetParam().hidden);

  HelpWindow& again = PressHelp();
  EXPECT_EQ(&again, &first);
  EXPECT_TRUE(again.Visible());
  EXPECT_EQ(again.HelpArea().Text(), "as it was");
  EXPECT_EQ(app_->OpenWindows().size(), 2U);
}

INSTANTIATE_TEST_SUITE_P(
    Help, HelpAgainTest,
    ::testing::Values(
        AgainCase{"WhileShown", [](HelpWindow&) {}, false},
        AgainCase{"AfterOK", [](HelpWindow& help) { Click(help.OK_Button()); }, true},
        AgainCase{"AfterReturn", [](HelpWindow& help) { testsupport::PressKey(help, Qt::Key_Return); }, true},
        AgainCase{"AfterKeypadEnter", [](HelpWindow& help) { testsupport::PressKeypadEnter(help); }, true},
        AgainCase{"AfterEscape", [](HelpWindow& help) { testsupport::PressKey(help, Qt::Key_Escape); }, true}),
    [](const ::testing::TestParamInfo<AgainCase>& row) { return std::string(row.param.name); });

TEST_F(HelpWindowTest, AfterTheCloseBoxHelpBuildsANewWindowWithTheFullText) {
  HelpWindow& closed = PressHelp();
  closed.HelpArea().SetText("the old window");
  closed.Close();
  EXPECT_EQ(OpenHelp(), nullptr);
  testsupport::ProcessEvents();

  HelpWindow& help = PressHelp();
  EXPECT_TRUE(help.Visible());
  EXPECT_EQ(help.HelpArea().Text(), AsShown(kHelpText));
  EXPECT_EQ(app_->OpenWindows().size(), 2U);
  EXPECT_FALSE(app_->QuitRequested());
}

TEST_F(HelpWindowTest, ResizingGrowsTheTextAndKeepsOKAtTheLowerLeft) {
  struct Case {
    int width, height;            // asked for
    int shownWidth, shownHeight;  // what the window takes
    toolkit::Rect area, ok;
  };
  const Case cases[] = {
      {536, 500, 536, 500, {20, 14, 496, 440}, {178, 466, 80, 20}},
      {100, 100, 350, 300, {20, 14, 310, 240}, {178, 266, 80, 20}},
      {436, 400, 436, 400, {20, 14, 396, 340}, {178, 366, 80, 20}},
  };
  HelpWindow& help = PressHelp();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " by " + std::to_string(c.height));
    testsupport::ResizeContent(help, c.width, c.height);
    EXPECT_EQ(help.Width(), c.shownWidth);
    EXPECT_EQ(help.Height(), c.shownHeight);
    EXPECT_EQ(help.HelpArea().Bounds(), c.area);
    EXPECT_EQ(help.OK_Button().Bounds(), c.ok);
  }
}

}  // namespace
