#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <QWindow>
#include <csignal>
#include <functional>
#include <memory>
#include <string>

#include "FakeClipboard.h"
#include "Gui.h"
#include "MessageBoxes.h"
#include "StartedApp.h"
#include "engine/Globals.h"
#include "toolkit/Native.h"
#include "windows/AboutWindow.h"
#include "windows/EditWindow.h"
#include "windows/HelpWindow.h"
#include "windows/MainMenuBar.h"
#include "windows/MainWindow.h"
#include "windows/Startup.h"

namespace {

using testsupport::AnswerMessageBoxes;
using testsupport::Click;
using testsupport::ClipboardText;
using testsupport::SetClipboardText;

const std::string kTwoGenes = "Gene1 w/flox\tGene2 a/b\rGene1 w/w\tGene2 a/b";

class MainWindowTest : public StartedAppTest {
 protected:
  // Puts the text on the clipboard and presses Paste; returns the messages.
  static std::vector<std::string> Paste(const std::string& text) {
    SetClipboardText(text);
    return AnswerMessageBoxes([] { Click(Main().PasteButton()); });
  }
  static void Cross() { Click(Main().CrossButton()); }

  // The allele choice controls and the count label, as one line each.
  static std::string Choice() {
    std::string out;
    for (int i = 0; i < 4; ++i) {
      const toolkit::PopupMenu& popup = Main().wtPopup(i);
      out += "popup " + std::to_string(i) + (popup.Enabled() ? " on:" : " off:");
      for (int row = 0; row < popup.RowCount(); ++row) out += " [" + popup.RowText(row) + "]";
      if (popup.RowCount() > 0) out += " chosen " + std::to_string(popup.ListIndex());
      out += "\n";
    }
    out += std::string("allele label ") + (Main().WildTypeLabel().Visible() ? "shown" : "hidden") + "\n";
    out += std::string("Cross ") + (Main().CrossButton().Enabled() ? "on" : "off") + "\n";
    out += "count " + (Main().PupCountLabel().Visible() ? Main().PupCountLabel().Text() : std::string("hidden")) + "\n";
    return out;
  }

  // The result list: the headings in brackets, then one line per row.
  static std::string List() {
    const toolkit::Listbox& list = Main().PupsListBox();
    std::string out;
    for (int column = 0; column < list.ColumnCount(); ++column) out += "[" + list.Heading(column) + "]";
    out += "\n";
    for (int row = 0; row < list.RowCount(); ++row) {
      for (int column = 0; column < list.ColumnCount(); ++column) {
        out += (column > 0 ? " | " : "") + list.Cell(row, column);
      }
      out += "\n";
    }
    return out;
  }
};

const char* const kStartChoice =
    "popup 0 off:\npopup 1 off:\npopup 2 off:\npopup 3 off:\nallele label hidden\nCross off\ncount hidden\n";
const char* const kBlankList = "[ ][ ][ ][ ][ ]\n";

TEST_F(MainWindowTest, StartsEmptyWithFiveBlankColumns) {
  EXPECT_EQ(Main().Title(), "Kestrane");
  EXPECT_EQ(Choice(), kStartChoice);
  EXPECT_EQ(List(), kBlankList);
  EXPECT_EQ(Main().PupsListBox().HeaderType(0), 1);
  EXPECT_EQ(Main().PupsListBox().HeaderType(4), 1);
  EXPECT_EQ(Main().PupsListBox().ColumnWidths(), "21%,21%,21%,21%,20%");
  EXPECT_FALSE(Main().OptionsButton().Enabled());
  EXPECT_EQ(Globals::geneCount, 0);
}

TEST_F(MainWindowTest, PasteChooseAndCrossPutTheResultOnTheClipboard) {
  EXPECT_EQ(Paste(kTwoGenes), std::vector<std::string>{});
  EXPECT_EQ(Main().ParentsArea().Text(), "Gene1 w/flox\tGene2 a/b\rGene1 w/w\tGene2 a/b");
  EXPECT_TRUE(Main().PupsListBox().HasFocus());
  EXPECT_EQ(Choice(),
            "popup 0 on: [ w] [ flox] chosen 0\npopup 1 on: [ a] [ b] chosen 0\npopup 2 off:\npopup 3 off:\n"
            "allele label shown\nCross on\ncount hidden\n");

  testsupport::ChooseRow(Main().wtPopup(1), 1);
  Cross();

  EXPECT_EQ(Main().PupCountLabel().Text(), "6 possible genotypes");
  EXPECT_TRUE(Main().PupCountLabel().Visible());
  EXPECT_EQ(List(), R"([Gene1][Gene2][ ][ ][P]
Gene1 w/w | Gene2 a/a |  |  | 0.125
Gene1 w/w | Gene2 b/a |  |  | 0.25
Gene1 w/w | Gene2 b/b |  |  | 0.125
Gene1 w/flox | Gene2 a/a |  |  | 0.125
Gene1 w/flox | Gene2 b/a |  |  | 0.25
Gene1 w/flox | Gene2 b/b |  |  | 0.125
)");
  EXPECT_EQ(ClipboardText(),
            "Gene1 w/w\tGene2 a/a\t  0.125\n"
            "Gene1 w/w\tGene2 b/a\t  0.25\n"
            "Gene1 w/w\tGene2 b/b\t  0.125\n"
            "Gene1 w/flox\tGene2 a/a\t  0.125\n"
            "Gene1 w/flox\tGene2 b/a\t  0.25\n"
            "Gene1 w/flox\tGene2 b/b\t  0.125\n");
}

TEST_F(MainWindowTest, CrossTwiceGivesTheSameResult) {
  Paste(kTwoGenes);
  Cross();
  const std::string list = List();
  const std::string clipboard = ClipboardText();
  Cross();
  EXPECT_EQ(List(), list);
  EXPECT_EQ(ClipboardText(), clipboard);
  EXPECT_EQ(Main().Mixers.size(), 2U);
}

TEST_F(MainWindowTest, FailedParseShowsOneMessageAndNothingCanBeCrossed) {
  Paste(kTwoGenes);
  Cross();

  EXPECT_EQ(Paste("Gene1 a/b\rGene2 a/b"), std::vector<std::string>{"Error\nParent 1, Gene1 <> parent 2, Gene2"});
  EXPECT_EQ(Choice(), kStartChoice);
  EXPECT_EQ(List(), kBlankList);
  EXPECT_EQ(Main().ParentsArea().Text(), "Gene1 a/b\rGene2 a/b");
  EXPECT_EQ(Globals::geneCount, 1);
  // Cross is disabled: pressing it leaves the faulty text that Paste read on
  // the clipboard.
  Cross();
  EXPECT_EQ(List(), kBlankList);
  EXPECT_EQ(ClipboardText(), "Gene1 a/b\rGene2 a/b");
}

// Once the text has two lines, the parse moves the focus to the result list,
// whatever it then finds; a text of one line leaves it where it was.
TEST_F(MainWindowTest, TheFocusMovesToTheResultListOnceTheTextHasTwoLines) {
  struct Case {
    const char* name;
    std::string text;
    bool listFocused;
  };
  const Case cases[] = {
      {"parsed", kTwoGenes, true},
      {"failed on the second line", "Gene1 a/b\rGene2 a/b", true},
      {"failed on the first line", "Gene1 ab\rGene1 a/b", true},
      {"empty first line", "\rGene1 a/b", true},
      {"one line", "Gene1 a/b", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Main().EditButton().SetFocus();
    Paste(c.text);
    EXPECT_EQ(Main().PupsListBox().HasFocus(), c.listFocused);
  }
}

// No window and no message box shows the executable's name.
TEST_F(MainWindowTest, MessageBoxesAreTitledWithTheApplicationsName) {
  std::string title;
  SetClipboardText("Gene1 a/b");
  testsupport::WithMessageBox([] { Click(Main().PasteButton()); },
                              [&title](QDialog& box) { title = box.windowTitle().toStdString(); });
  EXPECT_EQ(title, "Kestrane");
}

// A clipboard with no text, or with an empty one, is no input, and neither is
// a read that fails: Paste keeps the parents, the choice and the result on
// show. It asks a failing owner once at most, so it waits once at most.
TEST_F(MainWindowTest, PasteWithoutTextOnTheClipboardChangesNothing) {
  using testsupport::ClipboardOwner;
  Paste(kTwoGenes);
  Cross();
  const std::string choice = Choice();
  const std::string list = List();
  struct Case {
    const char* name;
    std::function<std::shared_ptr<const testsupport::ClipboardQuestions>()> put;
  };
  const Case cases[] = {
      {"no text", [] { return testsupport::ClearClipboard(), nullptr; }},
      {"an empty text", [] { return SetClipboardText(""), nullptr; }},
      {"an owner that never answers", [] { return testsupport::PutClipboardOwner(ClipboardOwner::Silent); }},
      {"an owner that refuses the text", [] { return testsupport::PutClipboardOwner(ClipboardOwner::Refusing); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto questions = c.put();
    EXPECT_EQ(AnswerMessageBoxes([] { Click(Main().PasteButton()); }), std::vector<std::string>{});
    EXPECT_EQ(Choice(), choice);
    EXPECT_EQ(List(), list);
    EXPECT_EQ(Main().ParentsArea().Text(), "Gene1 w/flox\tGene2 a/b\rGene1 w/w\tGene2 a/b");
    EXPECT_EQ(Globals::geneCount, 2);
    if (questions) {
      EXPECT_EQ(questions->formats, 1);
    }
  }
}

TEST_F(MainWindowTest, PopupChangeWithdrawsTheResultUntilTheNextCross) {
  Paste(kTwoGenes);
  Cross();
  const std::string firstResult = ClipboardText();

  testsupport::ChooseRow(Main().wtPopup(0), 1);
  EXPECT_EQ(List(), kBlankList);
  EXPECT_FALSE(Main().PupCountLabel().Visible());
  EXPECT_TRUE(Main().CrossButton().Enabled());
  EXPECT_EQ(Main().wtPopup(0).Text(), " flox");
  EXPECT_EQ(ClipboardText(), firstResult);

  Cross();
  EXPECT_EQ(Main().PupsListBox().Cell(0, 0), "Gene1 w/w");
  EXPECT_EQ(Main().PupsListBox().Cell(3, 0), "Gene1 flox/w");
  EXPECT_NE(ClipboardText(), firstResult);
}

TEST_F(MainWindowTest, PasteAfterCrossParsesTheResultText) {
  Paste("Gene1 a/a\rGene1 a/a");
  Cross();
  EXPECT_EQ(ClipboardText(), "Gene1 a/a\t  1\n");
  // Its final line ending makes a second, empty line; the first line's second
  // entry is the probability.
  EXPECT_EQ(AnswerMessageBoxes([] { Click(Main().PasteButton()); }),
            std::vector<std::string>{"Error\nParent 1:  1\nshould contain 1 space & 1 slash"});
  EXPECT_EQ(List(), kBlankList);
}

TEST_F(MainWindowTest, ReturnAndKeypadEnterPressCrossOnlyWhileItIsEnabled) {
  testsupport::PressKey(Main(), Qt::Key_Return);
  testsupport::PressKeypadEnter(Main());
  EXPECT_EQ(List(), kBlankList);
  Paste(kTwoGenes);
  // Wherever the focus is: the result list (after Paste), the parents' text,
  // an allele popup.
  for (const bool keypad : {false, true}) {
    for (toolkit::Control* focus :
         std::initializer_list<toolkit::Control*>{&Main().PupsListBox(), &Main().ParentsArea(), &Main().wtPopup(0)}) {
      SCOPED_TRACE(focus->Name() + (keypad ? ", keypad Enter" : ", Return"));
      focus->SetFocus();
      testsupport::ChooseRow(Main().wtPopup(1), 1 - Main().wtPopup(1).ListIndex());  // withdraws the result
      ASSERT_EQ(Main().PupsListBox().RowCount(), 0);
      if (keypad) {
        testsupport::PressKeypadEnter(Main());
      } else {
        testsupport::PressKey(Main(), Qt::Key_Return);
      }
      EXPECT_EQ(Main().PupCountLabel().Text(), "6 possible genotypes");
      EXPECT_EQ(Main().PupsListBox().RowCount(), 6);
    }
  }
}

// Return on a focused button presses that button, not the default one: on
// Help it opens Help and leaves the result and the clipboard alone.
TEST_F(MainWindowTest, ReturnOnAFocusedButtonPressesThatButton) {
  Paste(kTwoGenes);
  SetClipboardText("the user's own text");
  Main().HelpButton().SetFocus();
  testsupport::PressKey(Main(), Qt::Key_Return);
  const auto* help = dynamic_cast<HelpWindow*>(app_->GetImplicitWindow(HelpWindow::kClassName));
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->Visible());
  EXPECT_EQ(Main().PupsListBox().RowCount(), 0);
  EXPECT_EQ(ClipboardText(), "the user's own text");
}

// The editor, Help and About are transient for the main window, so the
// window manager keeps them over it.
TEST_F(MainWindowTest, TheOtherWindowsStayWithTheMainWindow) {
  Click(Main().EditButton());
  Click(Main().HelpButton());
  toolkit::NativeWindow(Main())->findChild<QAction*>("About")->trigger();
  const QWindow* main = toolkit::NativeWindow(Main())->windowHandle();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->transientParent(), nullptr);
  for (const char* className : {EditWindow::kClassName, HelpWindow::kClassName, AboutWindow::kClassName}) {
    SCOPED_TRACE(className);
    const toolkit::Window* window = app_->GetImplicitWindow(className);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(toolkit::NativeWindow(*window)->windowHandle()->transientParent(), main);
    // On X11 Qt tells the window manager whom a window stays with only for a dialog.
    EXPECT_EQ(toolkit::NativeWindow(*window)->windowHandle()->type(), Qt::Dialog);
  }
}

TEST_F(MainWindowTest, HugeAndOddClipboardTextsLeaveTheWindowWorking) {
  std::string manyLines;
  for (int i = 0; i < 5000; ++i) manyLines += "Gene1 a/b\n";
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"a megabyte on one line", std::string(1 << 20, 'x'), {"Error\nEach parent should be on a separate line"}},
      {"a megabyte entry",
       "G " + std::string(1 << 20, 'x') + "\rG a/b",
       {"Error\nParent 1: G " + std::string(1 << 20, 'x') + "\nshould contain 1 space & 1 slash"}},
      {"binary bytes",
       std::string("\x01\x02\x7f\r\x1b\t\x05", 7),
       {"Error\nParent 1: \x01\x02\x7f\nshould contain 1 space & 1 slash"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Paste(c.text), c.messages);
    EXPECT_EQ(Choice(), kStartChoice);
  }
  // Line feeds end lines like carriage returns: the third line on is dropped.
  EXPECT_EQ(Paste(manyLines), std::vector<std::string>{});
  EXPECT_EQ(Main().ParentsArea().Text(), "Gene1 a/b\rGene1 a/b");
  EXPECT_TRUE(Main().CrossButton().Enabled());
  // Still working afterwards.
  Paste(kTwoGenes);
  Cross();
  EXPECT_EQ(Main().PupsListBox().RowCount(), 6);
}

TEST_F(MainWindowTest, ThereIsOneMainWindow) {
  MainWindow& first = Main();
  EXPECT_EQ(&Main(), &first);
  EXPECT_EQ(app_->OpenWindows().size(), 1U);
}

TEST_F(MainWindowTest, KeepsItsSizeLimitsAndAnchorsItsControls) {
  testsupport::ResizeContent(Main(), 100, 100);
  EXPECT_EQ(Main().Width(), 396);
  EXPECT_EQ(Main().Height(), 350);
  EXPECT_EQ(Main().CrossButton().Bounds(), (toolkit::Rect{296, 310, 80, 20}));
  EXPECT_EQ(Main().QuitButton().Bounds(), (toolkit::Rect{26, 310, 80, 20}));
  EXPECT_EQ(Main().PupsListBox().Bounds(), (toolkit::Rect{20, 169, 356, 129}));
  EXPECT_EQ(Main().ParentsArea().Bounds(), (toolkit::Rect{20, 43, 356, 43}));

  testsupport::ResizeContent(Main(), 596, 472);
  EXPECT_EQ(Main().ParentsArea().Bounds(), (toolkit::Rect{20, 43, 556, 43}));
  EXPECT_EQ(Main().PupsListBox().Bounds(), (toolkit::Rect{20, 169, 556, 251}));
  EXPECT_EQ(Main().CrossButton().Bounds(), (toolkit::Rect{296, 432, 80, 20}));
  EXPECT_EQ(Main().wtPopup(3).Bounds(), (toolkit::Rect{296, 94, 80, 20}));
  EXPECT_EQ(Main().OptionsButton().Bounds(), (toolkit::Rect{296, 14, 80, 20}));
}

TEST_F(MainWindowTest, MenusHoldTheirItemsInOrder) {
  struct Item {
    std::string name;
    std::string text;
    std::optional<std::string> shortcut;
  };
  const std::vector<Item> expected = {
      {"FileMenu", "&File", ""},    {"About", "About Kestrane", ""},       {"FileQuit", "&Quit", "Cmd+Q"},
      {"EditMenu", "&Edit", ""},    {"EditUndo", "&Undo", "Cmd+Z"},        {"EditSeparator1", "-", std::nullopt},
      {"EditCut", "Cu&t", "Cmd+X"}, {"EditCopy", "&Copy", "Cmd+C"},        {"EditPaste", "&Paste", "Cmd+V"},
      {"EditClear", "&Delete", ""}, {"EditSeparator2", "-", std::nullopt}, {"EditSelectAll", "Select &All", "Cmd+A"},
  };
  std::vector<Item> actual;
  const toolkit::MenuBar& bar = *Main().MenuBar();
  ASSERT_EQ(&bar, &MainMenuBar::Instance());
  ASSERT_EQ(app_->MenuBar(), &bar);
  ASSERT_EQ(bar.Count(), 2U);
  for (std::size_t m = 0; m < bar.Count(); ++m) {
    const toolkit::MenuItem& menu = bar.Item(m);
    actual.push_back({menu.Name(), menu.Text(), menu.KeyboardShortcut()});
    for (std::size_t i = 0; i < menu.Count(); ++i) {
      const toolkit::MenuItem& item = menu.Item(i);
      EXPECT_TRUE(item.AutoEnable()) << item.Name();
      actual.push_back({item.Name(), item.Text(), item.KeyboardShortcut()});
    }
  }
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(actual[i].name, expected[i].name);
    EXPECT_EQ(actual[i].text, expected[i].text);
    EXPECT_EQ(actual[i].shortcut, expected[i].shortcut);
  }
  // The accessors find the items by name.
  EXPECT_EQ(&Main().EditClear(), &bar.Find("EditClear"));
  EXPECT_EQ(Main().About().Text(), "About Kestrane");
  EXPECT_EQ(Main().FileQuit().KeyboardShortcut(), "Cmd+Q");

  // On screen the shortcuts use the platform's command key.
  auto* fileMenu = toolkit::NativeWindow(Main())->findChild<QMenu*>("FileMenu");
  ASSERT_NE(fileMenu, nullptr);
  const auto actions = fileMenu->actions();
  ASSERT_EQ(actions.size(), 2);
  EXPECT_EQ(actions[1]->shortcut(), QKeySequence("Ctrl+Q"));
  EXPECT_EQ(actions[1]->menuRole(), QAction::QuitRole);
}

TEST_F(MainWindowTest, QuitButtonEndsTheEventLoopWithStatus0) {
  EXPECT_EQ(RunEventLoopWith([] { Click(Main().QuitButton()); }), 0);
}

TEST_F(MainWindowTest, ClosingTheMainWindowEndsTheEventLoopWithStatus0) {
  EXPECT_EQ(RunEventLoopWith([] { Main().Close(); }), 0);
}

// A desktop's log-out, kill or Ctrl+C in a terminal quits as Quit does, so the
// windows close and the clipboard's result is handed over on the way out.
class QuitSignalTest : public MainWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(QuitSignalTest, EndsTheEventLoopWithStatus0) {
  const int signal = GetParam();
  EXPECT_EQ(RunEventLoopWith([signal] { std::raise(signal); }), 0);
}

INSTANTIATE_TEST_SUITE_P(Signals, QuitSignalTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const ::testing::TestParamInfo<int>& row) { return std::string(sigabbrev_np(row.param)); });

TEST_F(MainWindowTest, QuitMenuItemEndsTheEventLoopWithStatus0) {
  auto* fileMenu = toolkit::NativeWindow(Main())->findChild<QMenu*>("FileMenu");
  EXPECT_EQ(RunEventLoopWith([fileMenu] { fileMenu->actions()[1]->trigger(); }), 0);
}

}  // namespace
