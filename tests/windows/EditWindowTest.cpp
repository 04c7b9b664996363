#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "Gui.h"
#include "MessageBoxes.h"
#include "StartedApp.h"
#include "engine/Globals.h"
#include "toolkit/Native.h"
#include "windows/EditWindow.h"
#include "windows/MainWindow.h"
#include "windows/Startup.h"

namespace {

using testsupport::AnswerMessageBoxes;
using testsupport::Click;
using testsupport::ProcessEvents;
using testsupport::Type;

using Fields = std::vector<std::string>;  // Field(0) to Field(7)
const Fields kNoFields(8);

const std::string kTwoGenes = "Gene1 w/flox\tGene2 a/b\rGene1 w/w\tGene2 a/b";
const Fields kTwoGenesFields = {"Gene1 w/flox", "Gene2 a/b", "", "", "Gene1 w/w", "Gene2 a/b", "", ""};

class EditWindowTest : public StartedAppTest {
 protected:
  // The open editor; only called once Edit has opened it.
  static EditWindow& Editor() { return EditWindow::Instance(); }

  // Presses Edit and lets the window system settle the activation.
  static void PressEdit() {
    Click(Main().EditButton());
    ProcessEvents();
  }
  // Presses a button of the editor; returns the messages shown meanwhile.
  static std::vector<std::string> Press(const toolkit::PushButton& button) {
    return AnswerMessageBoxes([&button] { Click(button); });
  }
  static std::vector<std::string> Paste(const std::string& text) {
    testsupport::SetClipboardText(text);
    return AnswerMessageBoxes([] { Click(Main().PasteButton()); });
  }

  // Types into each named field, after emptying it as the user would.
  static void Fill(const std::map<int, std::string>& entries) {
    for (const auto& [index, text] : entries) testsupport::Retype(Editor().Field(index), text);
  }
  // Replaces a field's text by pasting from the clipboard, the user's way to
  // enter tabs and characters the keyboard lacks.
  static void PasteInto(int index, const std::string& text) {
    Fill({{index, ""}});
    testsupport::SetClipboardText(text);
    QTest::keyClick(toolkit::NativeWidget(Editor().Field(index)), Qt::Key_V, Qt::ControlModifier);
  }
  static Fields FieldTexts() {
    Fields texts;
    for (int i = 0; i < 8; ++i) texts.push_back(Editor().Field(i).Text());
    return texts;
  }
  // The window system moves the activation to another window, as a click
  // into it would.
  static void Activate(const toolkit::Window& window) { ASSERT_TRUE(testsupport::Activate(window)); }
};

TEST_F(EditWindowTest, EditOpensOneFixedSizeEditorWithItsControls) {
  PressEdit();
  EditWindow& editor = Editor();
  EXPECT_TRUE(editor.Visible());
  EXPECT_TRUE(editor.IsActive());
  EXPECT_EQ(editor.Title(), "Parent Genotype Editor");
  testsupport::ResizeContent(editor, 800, 400);
  EXPECT_EQ(editor.Width(), 602);
  EXPECT_EQ(editor.Height(), 193);

  struct Row {
    const toolkit::Control& control;
    std::string text;
  };
  const Row rows[] = {
      {editor.Field(0), editor.Field(0).Text()},
      {editor.Field(1), editor.Field(1).Text()},
      {editor.Field(2), editor.Field(2).Text()},
      {editor.Field(3), editor.Field(3).Text()},
      {editor.Parent1Label(), editor.Parent1Label().Text()},
      {editor.Gene1Label(), editor.Gene1Label().Text()},
      {editor.Gene2Label(), editor.Gene2Label().Text()},
      {editor.Gene3Label(), editor.Gene3Label().Text()},
      {editor.Gene4Label(), editor.Gene4Label().Text()},
      {editor.Field(4), editor.Field(4).Text()},
      {editor.Field(5), editor.Field(5).Text()},
      {editor.Field(6), editor.Field(6).Text()},
      {editor.Field(7), editor.Field(7).Text()},
      {editor.Parent2Label(), editor.Parent2Label().Text()},
      {editor.Help1Label(), editor.Help1Label().Text()},
      {editor.OK_Button(), editor.OK_Button().Caption()},
      {editor.CancelButton(), editor.CancelButton().Caption()},
      {editor.Help2Label1(), editor.Help2Label1().Text()},
  };
  std::string layout;
  for (const Row& row : rows) {
    const toolkit::Rect r = row.control.Bounds();
    layout += row.control.Name() + (row.control.Index() >= 0 ? "(" + std::to_string(row.control.Index()) + ")" : "") +
              " " + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.width) + "," +
              std::to_string(r.height) + " tab " + std::to_string(row.control.TabIndex()) + " unit " +
              std::to_string(row.control.TextUnit()) + " [" + row.text + "]\n";
  }
  EXPECT_EQ(layout, R"(Field(0) 86,43,118,22 tab 0 unit 0 []
Field(1) 210,43,120,22 tab 1 unit 0 []
Field(2) 336,43,120,22 tab 2 unit 0 []
Field(3) 462,43,120,22 tab 3 unit 0 []
Parent1Label 20,44,54,20 tab 4 unit 0 [Parent 1]
Gene1Label 88,20,100,20 tab 5 unit 0 [Gene1 a/b]
Gene2Label 214,20,100,20 tab 6 unit 0 [Gene2 c/d]
Gene3Label 339,20,100,20 tab 7 unit 0 [Gene3 e/f]
Gene4Label 464,20,100,20 tab 8 unit 0 [Gene4 g/h]
Field(4) 86,77,118,22 tab 4 unit 0 []
Field(5) 210,77,120,22 tab 5 unit 0 []
Field(6) 336,77,120,22 tab 6 unit 0 []
Field(7) 462,77,120,22 tab 7 unit 0 []
Parent2Label 20,78,54,20 tab 13 unit 0 [Parent 2]
Help1Label 86,109,485,20 tab 14 unit 0 [Enter one space between gene and alleles, and one slash between alleles.]
OK_Button 502,148,80,20 tab 16 unit 0 [OK]
CancelButton 410,148,80,20 tab 17 unit 0 [Cancel]
Help2Label1 86,131,275,20 tab 18 unit 0 [Multiple characters in alleles are allowed.]
)");
  EXPECT_TRUE(editor.OK_Button().IsDefault());
  EXPECT_FALSE(editor.OK_Button().IsCancel());
  EXPECT_TRUE(editor.CancelButton().IsCancel());
  EXPECT_FALSE(editor.CancelButton().IsDefault());
}

TEST_F(EditWindowTest, ThereIsOneEditorHiddenOrShown) {
  PressEdit();
  EditWindow* first = &Editor();
  PressEdit();
  Press(first->CancelButton());
  EXPECT_FALSE(first->Visible());
  EXPECT_EQ(app_->OpenWindows().size(), 2U);
  PressEdit();
  EXPECT_TRUE(first->Visible());
  EXPECT_EQ(app_->OpenWindows().size(), 2U);
  EXPECT_EQ(app_->GetImplicitWindow(EditWindow::kClassName), first);
}

TEST_F(EditWindowTest, ClosedEditorIsGoneAndEditBuildsANewOne) {
  Paste(kTwoGenes);
  PressEdit();
  Fill({{0, "typed"}});
  Editor().Close();
  ProcessEvents();
  EXPECT_EQ(app_->GetImplicitWindow(EditWindow::kClassName), nullptr);
  EXPECT_EQ(app_->OpenWindows().size(), 1U);
  EXPECT_EQ(Main().ParentsArea().Text(), kTwoGenes);

  PressEdit();
  EXPECT_EQ(app_->OpenWindows().size(), 2U);
  EXPECT_TRUE(Editor().Visible());
  EXPECT_EQ(Editor().Width(), 602);
  EXPECT_EQ(FieldTexts(), kTwoGenesFields);
  EXPECT_TRUE(Editor().Field(0).HasFocus());
}

TEST_F(EditWindowTest, TabRunsThroughTheFieldsRowByRowThenOKAndCancel) {
  PressEdit();
  EditWindow& editor = Editor();
  ASSERT_TRUE(editor.Field(0).HasFocus());
  std::vector<const toolkit::Control*> order;
  for (int i = 1; i < 8; ++i) order.push_back(&editor.Field(i));
  order.push_back(&editor.OK_Button());
  order.push_back(&editor.CancelButton());
  order.push_back(&editor.Field(0));
  for (const toolkit::Control* expected : order) {
    testsupport::PressKey(editor, Qt::Key_Tab);
    EXPECT_TRUE(expected->HasFocus()) << "expected the focus in " << expected->Name() << " " << expected->Index();
  }
}

TEST_F(EditWindowTest, ReturnOrKeypadEnterPressesOKAndEscapePressesCancel) {
  PressEdit();
  Fill({{0, "Gene1 a/b"}, {4, "Gene1 c/d"}});
  testsupport::PressKey(Editor().Field(4), Qt::Key_Escape);
  EXPECT_FALSE(Editor().Visible());
  EXPECT_EQ(Main().ParentsArea().Text(), "");

  for (const bool keypad : {false, true}) {
    SCOPED_TRACE(keypad ? "keypad Enter" : "Return");
    PressEdit();
    Fill({{0, "Gene1 a/b"}, {4, keypad ? "Gene1 e/f" : "Gene1 c/d"}});
    EXPECT_EQ(AnswerMessageBoxes([keypad] {
                if (keypad) {
                  testsupport::PressKey(Editor().Field(4), Qt::Key_Enter, Qt::KeypadModifier);
                } else {
                  testsupport::PressKey(Editor().Field(4), Qt::Key_Return);
                }
              }),
              std::vector<std::string>{});
    EXPECT_FALSE(Editor().Visible());
    EXPECT_EQ(Main().ParentsArea().Text(), keypad ? "Gene1 a/b\rGene1 e/f" : "Gene1 a/b\rGene1 c/d");
    EXPECT_TRUE(Main().CrossButton().Enabled());
  }
}

// A focused button takes Return, keypad Enter and Space itself: on a focused
// Cancel they cancel and keep the typed entries out of the main window.
TEST_F(EditWindowTest, KeysOnAFocusedCancelCancel) {
  Paste(kTwoGenes);
  const std::pair<const char*, std::function<void()>> keys[] = {
      {"Return", [] { testsupport::PressKey(Editor().CancelButton(), Qt::Key_Return); }},
      {"keypad Enter", [] { testsupport::PressKey(Editor().CancelButton(), Qt::Key_Enter, Qt::KeypadModifier); }},
      {"Space", [] { testsupport::PressKey(Editor().CancelButton(), Qt::Key_Space); }},
  };
  for (const auto& [key, press] : keys) {
    SCOPED_TRACE(key);
    PressEdit();
    Fill({{0, "Gene1 x/y"}, {4, "Gene1 z/z"}});
    Editor().CancelButton().SetFocus();
    EXPECT_EQ(AnswerMessageBoxes(press), std::vector<std::string>{});
    EXPECT_FALSE(Editor().Visible());
    EXPECT_EQ(Main().ParentsArea().Text(), kTwoGenes);
  }
}

// Alt with a letter is a chord for a menu's access key; the editor has no
// menu bar, and its fields type nothing for it.
TEST_F(EditWindowTest, AltWithALetterTypesNothing) {
  PressEdit();
  Fill({{0, "Gene1"}});
  for (const Qt::Key letter : {Qt::Key_E, Qt::Key_F, Qt::Key_A}) {
    testsupport::PressKey(Editor().Field(0), letter, Qt::AltModifier);
  }
  testsupport::PressKey(Editor().Field(0), Qt::Key_Space);
  testsupport::PressKey(Editor().Field(0), Qt::Key_A);
  EXPECT_EQ(Editor().Field(0).Text(), "Gene1 a");
  EXPECT_TRUE(Editor().Visible());
}

TEST_F(EditWindowTest, CancelKeepsTheMainWindowAndTheNextEditDropsTheEdits) {
  Paste(kTwoGenes);
  Click(Main().CrossButton());
  ASSERT_EQ(Main().PupsListBox().RowCount(), 6);
  PressEdit();
  Fill({{0, "Gene1 x/y"}, {2, "Gene3 e/f"}, {5, ""}});
  Press(Editor().CancelButton());

  EXPECT_FALSE(Editor().Visible());
  EXPECT_EQ(Main().ParentsArea().Text(), kTwoGenes);
  EXPECT_EQ(Main().PupsListBox().RowCount(), 6);
  EXPECT_EQ(Main().PupCountLabel().Text(), "6 possible genotypes");
  EXPECT_EQ(Globals::geneCount, 2);

  PressEdit();
  EXPECT_EQ(FieldTexts(), kTwoGenesFields);
  EXPECT_TRUE(Editor().Field(0).HasFocus());
}

TEST_F(EditWindowTest, AFaultyEntryIsReportedAfterTheEditorHasHidden) {
  Paste(kTwoGenes);
  PressEdit();
  Fill({{1, ""}, {5, "Gene2 a-b"}});
  bool editorShownAtTheMessage = true;
  std::string message;
  testsupport::WithMessageBox([] { Click(Editor().OK_Button()); },
                              [&](QDialog& box) {
                                editorShownAtTheMessage = Editor().Visible();
                                message = testsupport::MessageText(box);
                              });
  EXPECT_EQ(message, "Error\nParent 1, Gene 2 missing");
  EXPECT_FALSE(editorShownAtTheMessage);
  EXPECT_FALSE(Editor().Visible());
  EXPECT_EQ(Main().ParentsArea().Text(), "Gene1 w/flox\t\rGene1 w/w\tGene2 a-b");
  EXPECT_FALSE(Main().CrossButton().Enabled());
  EXPECT_FALSE(Main().wtPopup(0).Enabled());

  // The user corrects the entries where they stand.
  PressEdit();
  EXPECT_EQ(FieldTexts(), (Fields{"Gene1 w/flox", "", "", "", "Gene1 w/w", "Gene2 a-b", "", ""}));
  Fill({{1, "Gene2 a/b"}});
  EXPECT_EQ(Press(Editor().OK_Button()),
            std::vector<std::string>{"Error\nParent 2: Gene2 a-b\nshould contain 1 space & 1 slash"});
  EXPECT_FALSE(Main().CrossButton().Enabled());
}

TEST_F(EditWindowTest, WhateverIsTypedIsJoinedUnchangedAndTheParserJudgesIt) {
  PressEdit();
  // Blanks only count as a filled column; the parser then reduces them.
  Fill({{0, "   "}, {4, "Gene1 a/b"}});
  EXPECT_EQ(Press(Editor().OK_Button()),
            std::vector<std::string>{"Error\nParent 1:  \nshould contain 1 space & 1 slash"});
  EXPECT_EQ(Main().ParentsArea().Text(), " \rGene1 a/b");
  EXPECT_EQ(Globals::geneCount, 1);

  // Any characters.
  PressEdit();
  Fill({{1, ""}, {5, ""}});
  PasteInto(0, "G\xC3\xA8ne1 \xCE\xB1/\xCE\xB2");  // Gène1 α/β
  PasteInto(4, "G\xC3\xA8ne1 \xCE\xB1/\xCE\xB1");
  EXPECT_EQ(Press(Editor().OK_Button()), std::vector<std::string>{});
  EXPECT_EQ(Main().ParentsArea().Text(), "G\xC3\xA8ne1 \xCE\xB1/\xCE\xB2\rG\xC3\xA8ne1 \xCE\xB1/\xCE\xB1");
  EXPECT_EQ(Main().wtPopup(0).RowCount(), 2);
}

// An entry longer than a field shows is handed back by OK unchanged, however
// the user types into it; selected whole, it is replaced.
TEST_F(EditWindowTest, VeryLongEntriesGoThroughTheEditorWhole) {
  const std::string allele(200000, 'x');
  const std::string text = "Gene1 a/" + allele + "\rGene1 " + allele + "/b";
  Paste(text);
  ASSERT_EQ(Main().ParentsArea().Text(), text);
  PressEdit();
  EXPECT_EQ(Editor().Field(0).Text(), "Gene1 a/" + allele);
  EXPECT_EQ(Editor().Field(4).Text(), "Gene1 " + allele + "/b");
  Type(Editor().Field(4), "y");
  EXPECT_EQ(Press(Editor().OK_Button()), std::vector<std::string>{});
  EXPECT_EQ(Main().ParentsArea().Text(), text);
  EXPECT_TRUE(Main().CrossButton().Enabled());

  PressEdit();
  testsupport::Retype(Editor().Field(4), "Gene1 c/d");
  EXPECT_EQ(Press(Editor().OK_Button()), std::vector<std::string>{});
  EXPECT_EQ(Main().ParentsArea().Text(), "Gene1 a/" + allele + "\rGene1 c/d");
  EXPECT_TRUE(Main().CrossButton().Enabled());
}

// Typed entries are the user's work: they must survive the user looking at
// another window, and go only when the main window's text supersedes them.
TEST_F(EditWindowTest, SwitchingAwayAndBackKeepsTheTypedEntries) {
  Paste(kTwoGenes);
  PressEdit();
  Fill({{1, "Gene2 c/d"}, {6, "half typ"}});
  const Fields typed = FieldTexts();

  Activate(Main());
  ASSERT_FALSE(Editor().IsActive());
  // The main window stays usable meanwhile.
  Click(Main().CrossButton());
  EXPECT_EQ(Main().PupsListBox().RowCount(), 6);
  Activate(Editor());
  ASSERT_TRUE(Editor().IsActive());

  EXPECT_EQ(FieldTexts(), typed);
  EXPECT_EQ(Main().ParentsArea().Text(), kTwoGenes);
}

TEST_F(EditWindowTest, EditPressedWhileTheEditorIsOpenShowsTheMainText) {
  Paste(kTwoGenes);
  PressEdit();
  Fill({{0, "typed"}});
  PressEdit();
  EXPECT_EQ(FieldTexts(), kTwoGenesFields);

  Fill({{0, "typed"}});
  Activate(Main());
  ASSERT_FALSE(Editor().IsActive());
  PressEdit();
  EXPECT_TRUE(Editor().IsActive());
  EXPECT_EQ(FieldTexts(), kTwoGenesFields);
  EXPECT_TRUE(Editor().Field(0).HasFocus());
}

TEST_F(EditWindowTest, APasteMeanwhileReplacesTheTypedEntries) {
  Paste(kTwoGenes);
  PressEdit();
  Fill({{0, "typed"}});
  Editor().Field(5).SetFocus();
  Activate(Main());
  Paste("Gene7 a/b\rGene7 b/b");
  Activate(Editor());
  EXPECT_EQ(FieldTexts(), (Fields{"Gene7 a/b", "", "", "", "Gene7 b/b", "", "", ""}));
  EXPECT_TRUE(Editor().Field(0).HasFocus());

  // Once loaded, the new text's entries are kept like any other.
  Fill({{1, "Gene8 c/d"}});
  Activate(Main());
  Activate(Editor());
  EXPECT_EQ(Editor().Field(1).Text(), "Gene8 c/d");
}

// ---- what the user enters comes back --------------------------------------------

struct RoundTripCase {
  const char* name;
  std::map<int, std::string> typed;
  std::map<int, std::string> pasted;  // with Ctrl+V, as from a spreadsheet
  Fields shown;                       // in the fields at the next Edit
  std::vector<std::string> messages;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class EditWindowRoundTripTest : public EditWindowTest, public ::testing::WithParamInterface<RoundTripCase> {};

// A field holds one entry: tabs and line breaks that reach it become blanks,
// as it shows them, so they can neither split the joined text nor push an
// entry into another column. Whatever OK and the parser make of the entries,
// the next Edit shows each in its own field, its runs of blanks reduced to
// one as the parser does to every text.
TEST_P(EditWindowRoundTripTest, EveryEntryComesBackInItsOwnField) {
  const RoundTripCase& c = GetParam();
  PressEdit();
  Fill(c.typed);
  for (const auto& [index, text] : c.pasted) PasteInto(index, text);
  EXPECT_EQ(Press(Editor().OK_Button()), c.messages);

  PressEdit();
  EXPECT_EQ(FieldTexts(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, EditWindowRoundTripTest,
    ::testing::Values(RoundTripCase{"SpreadsheetRowPastedIntoOneField",
                                    {{4, "Gene1 a/b"}, {5, "Gene2 c/d"}},
                                    {{0, "Gene1 a/b\tGene2 c/d"}},
                                    {"Gene1 a/b Gene2 c/d", "", "", "", "Gene1 a/b", "Gene2 c/d", "", ""},
                                    {"Error\nParent 1: Gene1 a/b Gene2 c/d\nshould contain 1 space & 1 slash"}},
                      RoundTripCase{"LineBreaksAndTabRuns",
                                    {{5, "Gene2 c/d"}},
                                    {{0, "Gene1 a/b\r\nGene2\t\tc/d\n"}, {4, "Gene1\na/b"}},
                                    {"Gene1 a/b Gene2 c/d ", "", "", "", "Gene1 a/b", "Gene2 c/d", "", ""},
                                    {"Error\nParent 1: Gene1 a/b Gene2 c/d \nshould contain 1 space & 1 slash"}},
                      RoundTripCase{"ParsedWithBlankRunsReduced",
                                    {{0, "Gene1  a/b"}, {1, "Gene2 c/d"}, {4, "Gene1 a/a"}},
                                    {{5, "Gene2   d/d"}},
                                    {"Gene1 a/b", "Gene2 c/d", "", "", "Gene1 a/a", "Gene2 d/d", "", ""},
                                    {}},
                      RoundTripCase{"GapKeepsTheColumns",
                                    {{0, "Gene1 a/b"}, {2, "Gene3 e/f"}, {4, "Gene1 a/b"}, {6, "Gene3 e/e"}},
                                    {},
                                    {"Gene1 a/b", "", "Gene3 e/f", "", "Gene1 a/b", "", "Gene3 e/e", ""},
                                    {"Error\nParent 1, Gene 2 missing"}}),
    [](const ::testing::TestParamInfo<RoundTripCase>& row) { return std::string(row.param.name); });

// ---- loading the fields -------------------------------------------------------

struct LoadCase {
  const char* name;
  std::string parentsText;
  Fields fields;
  std::string textAfter;  // the main window's text once the editor is open
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class EditWindowLoadTest : public EditWindowTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(EditWindowLoadTest, EditShowsTheFirstTwoLinesAndFourEntries) {
  const LoadCase& c = GetParam();
  Main().ParentsArea().SetText(c.parentsText);
  PressEdit();
  EXPECT_EQ(FieldTexts(), c.fields);
  EXPECT_TRUE(Editor().Field(0).HasFocus());
  EXPECT_EQ(Main().ParentsArea().Text(), c.textAfter);
  EXPECT_EQ(Globals::geneCount, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EditWindowLoadTest,
    ::testing::Values(
        LoadCase{"EmptyEntryKeepsItsColumn",
                 "Gene1 a/b\t\tGene3 0/0\rGene1 c/d",
                 {"Gene1 a/b", "", "Gene3 0/0", "", "Gene1 c/d", "", "", ""},
                 "Gene1 a/b\t\tGene3 0/0\rGene1 c/d"},
        LoadCase{"EmptyText", "", kNoFields, ""},
        LoadCase{"LineFeeds",
                 "Gene1 a/b\tGene2 c/d\nGene1 e/f\tGene2 g/h\n",
                 {"Gene1 a/b", "Gene2 c/d", "", "", "Gene1 e/f", "Gene2 g/h", "", ""},
                 "Gene1 a/b\tGene2 c/d\rGene1 e/f\tGene2 g/h\r"},
        LoadCase{"CarriageReturnLineFeeds",
                 "Gene1 a/b\r\nGene1 c/d\r\n",
                 {"Gene1 a/b", "", "", "", "Gene1 c/d", "", "", ""},
                 "Gene1 a/b\rGene1 c/d\r"},
        LoadCase{
            "ThreeLines", "A a/b\rB c/d\rC e/f", {"A a/b", "", "", "", "B c/d", "", "", ""}, "A a/b\rB c/d\rC e/f"},
        LoadCase{"FiveEntries",
                 "1 a/a\t2 b/b\t3 c/c\t4 d/d\t5 e/e\r1 a/a",
                 {"1 a/a", "2 b/b", "3 c/c", "4 d/d", "1 a/a", "", "", ""},
                 "1 a/a\t2 b/b\t3 c/c\t4 d/d\t5 e/e\r1 a/a"},
        LoadCase{"EmptyFirstLine", "\rGene1 c/d", {"", "", "", "", "Gene1 c/d", "", "", ""}, "\rGene1 c/d"},
        LoadCase{"BlanksOnlyEntry", "  \tGene2 a/b", {"  ", "Gene2 a/b", "", "", "", "", "", ""}, "  \tGene2 a/b"}),
    [](const ::testing::TestParamInfo<LoadCase>& row) { return std::string(row.param.name); });

TEST_F(EditWindowTest, OKDropsWhatTheEditorDoesNotShow) {
  Main().ParentsArea().SetText("1 a/a\t2 b/b\t3 c/c\t4 d/d\t5 e/e\r1 a/a\t2 b/b\t3 c/c\t4 d/d\t5 e/e\rthird line");
  PressEdit();
  EXPECT_EQ(Press(Editor().OK_Button()), std::vector<std::string>{});
  EXPECT_EQ(Main().ParentsArea().Text(), "1 a/a\t2 b/b\t3 c/c\t4 d/d\r1 a/a\t2 b/b\t3 c/c\t4 d/d");
  EXPECT_EQ(Globals::geneCount, 4);
}

// ---- committing the fields ----------------------------------------------------

struct CommitCase {
  const char* name;
  std::map<int, std::string> fields;
  std::string parentsText;  // the joined text, as the parser leaves it
  std::int32_t geneCount;   // after the parse
  std::vector<std::string> messages;
  bool crossEnabled;
};

void PrintTo(const CommitCase& c, std::ostream* os) { *os << c.name; }

class EditWindowCommitTest : public EditWindowTest, public ::testing::WithParamInterface<CommitCase> {};

TEST_P(EditWindowCommitTest, OKJoinsTheFieldsAndParsesThem) {
  const CommitCase& c = GetParam();
  // A result from before, which the new input withdraws.
  Paste(kTwoGenes);
  Click(Main().CrossButton());
  PressEdit();
  Fill({{0, ""}, {1, ""}, {4, ""}, {5, ""}});
  Fill(c.fields);

  EXPECT_EQ(Press(Editor().OK_Button()), c.messages);
  EXPECT_FALSE(Editor().Visible());
  EXPECT_EQ(Main().ParentsArea().Text(), c.parentsText);
  EXPECT_EQ(Globals::geneCount, c.geneCount);
  EXPECT_EQ(Main().CrossButton().Enabled(), c.crossEnabled);
  EXPECT_EQ(Main().PupsListBox().RowCount(), 0);
  for (int column = 0; column < 5; ++column) EXPECT_EQ(Main().PupsListBox().Heading(column), " ");
  EXPECT_FALSE(Main().PupCountLabel().Visible());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, EditWindowCommitTest,
    ::testing::Values(CommitCase{"BothParentsTwoGenes",
                                 {{0, "Gene1 a/b"}, {1, "Gene2 Y/+"}, {4, "Gene1 c/d"}, {5, "Gene2 X/-"}},
                                 "Gene1 a/b\tGene2 Y/+\rGene1 c/d\tGene2 X/-",
                                 2,
                                 {},
                                 true},
                      CommitCase{"GapAndShorterParent",
                                 {{0, "Gene1 a/b"}, {2, "Gene3 0/0"}, {4, "Gene1 c/d"}},
                                 "Gene1 a/b\t\tGene3 0/0\rGene1 c/d\t\t",
                                 3,
                                 {"Error\nParent 1, Gene 2 missing"},
                                 false},
                      CommitCase{"OnlyParent2",
                                 {{4, "Gene1 c/d"}, {5, "Gene2 X/-"}},
                                 "\t\rGene1 c/d\tGene2 X/-",
                                 2,
                                 {"Error\nParent 1, Gene 1 missing"},
                                 false},
                      // A single carriage return: an empty first line, which the parser
                      // passes over silently.
                      CommitCase{"NoFields", {}, "\r", 0, {}, false}),
    [](const ::testing::TestParamInfo<CommitCase>& row) { return std::string(row.param.name); });

}  // namespace
