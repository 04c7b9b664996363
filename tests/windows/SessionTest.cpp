// Long random sessions on the real windows: pastes of valid and faulty texts,
// allele choices, crosses, the editor with typing, OK, Cancel and its close
// box, the help and About windows, resizing. After every action the windows
// must agree with what the parser says of the text they were given, and the
// result on show must be complete and consistent.

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "Gui.h"
#include "MessageBoxes.h"
#include "StartedApp.h"
#include "engine/ParentsParser.h"
#include "toolkit/Clipboard.h"
#include "toolkit/Native.h"
#include "toolkit/Text.h"
#include "windows/AboutWindow.h"
#include "windows/EditWindow.h"
#include "windows/HelpWindow.h"
#include "windows/MainWindow.h"

namespace {

using testsupport::AnswerMessageBoxes;
using testsupport::Click;
using toolkit::Split;

// Random parents' texts: valid ones, and faulty ones made from them.
class TextMaker {
 public:
  explicit TextMaker(unsigned seed) : random_(seed) {}

  int Number(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }
  bool Chance(int percent) { return Number(100) < percent; }
  template <class T>
  const T& Pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(Number(static_cast<int>(items.size())))];
  }

  // Entries for one to four genes, parent 2's naming the same genes. Typed
  // entries keep to the keyboard's ASCII.
  std::vector<std::vector<std::string>> ValidEntries(bool typed = false) {
    std::vector<std::string> names = {"Gene1", "Gene2", "gene2", "Tyr", "Kit", "A"};
    std::shuffle(names.begin(), names.end(), random_);
    names.resize(static_cast<std::size_t>(1 + Number(4)));
    std::vector<std::vector<std::string>> parents(2);
    for (auto& parent : parents) {
      for (const std::string& name : names) parent.push_back(name + " " + Allele(typed) + "/" + Allele(typed));
    }
    return parents;
  }

  std::string Valid() {
    const auto parents = ValidEntries();
    std::string text = Join(parents[0], "\t") + Pick(kLineEndings) + Join(parents[1], "\t");
    if (Chance(20)) text += Pick(kLineEndings) + (Chance(50) ? "a third line" : "");
    return text;
  }

  // A valid text with a fault or two put in: a separator where it does not
  // belong, a character missing, or one of the classic mistakes.
  std::string Faulty() {
    if (Chance(15)) return Pick(kClassicFaults);
    std::string text = Valid();
    for (int faults = 1 + Number(2); faults > 0 && !text.empty(); --faults) {
      const auto at = static_cast<std::size_t>(Number(static_cast<int>(text.size())));
      if (Chance(50)) {
        text.erase(at, 1);
      } else {
        text.insert(at, Pick(kSeparators));
      }
    }
    return text;
  }

  // What a user might type into one editor field.
  std::string TypedEntry(const std::string& valid) {
    if (Chance(15)) return "";
    if (Chance(15)) return Pick(kTypedFaults);
    return valid;
  }

 private:
  std::string Allele(bool typed) { return typed || Chance(90) ? Pick(kAlleles) : "\xC3\xA9"; }
  static std::string Join(const std::vector<std::string>& pieces, const std::string& separator) {
    std::string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) joined += (i > 0 ? separator : "") + pieces[i];
    return joined;
  }

  const std::vector<std::string> kAlleles = {"w", "flox", "a", "b", "A", "0", "+", "-", "x1", "Y"};
  const std::vector<std::string> kLineEndings = {"\r", "\n", "\r\n"};
  const std::vector<std::string> kSeparators = {" ", "  ", "/", "\t", "\r", "\n"};
  const std::vector<std::string> kClassicFaults = {"",
                                                   "Gene1 a/b",
                                                   "a x/y\tb x/y\tc x/y\td x/y\te x/y\ra x/y",
                                                   "Gene1 a/b\tGene1 c/d\rGene1 a/b\tGene1 c/d",
                                                   "Gene1 a/b\r\nGene1 a/b\r\n",
                                                   std::string(3000, ' ') + "\r\t\t",
                                                   "\x01\x02\r\x7f"};
  const std::vector<std::string> kTypedFaults = {" ", "Gene1", "Gene1 a b", "Gene1 /b", "gene1 a/b", "x y/z/w"};
  std::mt19937 random_;
};

class SessionTest : public StartedAppTest, public ::testing::WithParamInterface<unsigned> {
 protected:
  void RunSession(int actions) {
    TextMaker maker(GetParam());
    for (int step = 0; step < actions; ++step) {
      const int action = maker.Number(100);
      std::string name;
      std::vector<std::string> messages;
      expectedMessages_.clear();
      messages = AnswerMessageBoxes([&] { name = Act(maker, action); });
      SCOPED_TRACE("step " + std::to_string(step) + ": " + name);
      EXPECT_EQ(messages, expectedMessages_);
      CheckInvariants();
      if (HasFailure()) return;
      messagesSeen_ += static_cast<int>(messages.size());
    }
    // The random choices must keep reaching every road, or the session
    // proves little.
    EXPECT_GT(crossesWithResult_, 0);
    EXPECT_GT(messagesSeen_, 0);
    EXPECT_GT(successfulCommits_, 0);
  }

 private:
  // Carries out one random action; returns what it was.
  std::string Act(TextMaker& maker, int action) {
    if (action < 25) return Paste(maker.Chance(60) ? maker.Valid() : maker.Faulty());
    if (action < 28) return PasteNothing();
    if (action < 43) return ChangePopup(maker);
    if (action < 63) return Cross();
    if (action < 73) return Edit(maker);
    if (action < 80) return Help(maker);
    if (action < 88) return About(maker);
    return Resize(maker);
  }

  std::string Paste(const std::string& text) {
    testsupport::SetClipboardText(text);
    toolkit::Clipboard clipboard;
    if (!clipboard.TextAvailable()) return PasteNothing();
    // The clipboard's own reading of the bytes: a fault put into the middle
    // of a character comes back as a replacement character.
    const std::string pasted = clipboard.Text();
    Click(Main().PasteButton());
    ExpectParsed(toolkit::ReplaceLineEndings(pasted, "\r"));
    return "paste of " + std::to_string(text.size()) + " bytes";
  }

  std::string PasteNothing() {
    testsupport::ClearClipboard();
    Click(Main().PasteButton());
    return "paste with an empty clipboard";
  }

  std::string ChangePopup(TextMaker& maker) {
    const int gene = maker.Number(4);
    toolkit::PopupMenu& popup = Main().wtPopup(gene);
    if (!popup.Enabled()) return "no popup change: popup disabled";
    testsupport::ChooseRow(popup, maker.Number(popup.RowCount()));
    return "popup change";
  }

  std::string Cross() {
    Click(Main().CrossButton());
    if (!parseSucceeded_) return "cross while disabled";
    ++crossesWithResult_;
    EXPECT_EQ(testsupport::ClipboardText(), ListAsClipboardText());
    return "cross";
  }

  std::string Edit(TextMaker& maker) {
    Click(Main().EditButton());
    testsupport::ProcessEvents();
    EditWindow& editor = EditWindow::Instance();
    const auto valid = maker.ValidEntries(true);
    std::vector<std::string> typed(8);
    for (int index = 0; index < 8; ++index) {
      const auto& parent = valid[static_cast<std::size_t>(index / 4)];
      const auto column = static_cast<std::size_t>(index % 4);
      typed[static_cast<std::size_t>(index)] = maker.TypedEntry(column < parent.size() ? parent[column] : "");
      testsupport::Retype(editor.Field(index), typed[static_cast<std::size_t>(index)]);
    }
    const int ending = maker.Number(10);
    if (ending < 2) {
      Click(editor.CancelButton());
      return "edit, cancel";
    }
    if (ending < 3) {
      editor.Close();
      testsupport::ProcessEvents();
      return "edit, close box";
    }
    Click(editor.OK_Button());
    ExpectParsed(Joined(typed));
    successfulCommits_ += parseSucceeded_;
    return "edit, OK";
  }

  std::string Help(TextMaker& maker) {
    Click(Main().HelpButton());
    HelpWindow& help = HelpWindow::Instance();
    if (maker.Chance(40)) Click(help.OK_Button());
    if (maker.Chance(20)) {
      help.Close();
      testsupport::ProcessEvents();
    }
    return "help";
  }

  std::string About(TextMaker& maker) {
    toolkit::NativeWindow(Main())->findChild<QAction*>("About")->trigger();
    AboutWindow& about = AboutWindow::Instance();
    const int choice = maker.Number(3);
    if (choice == 0) Click(about.OK_Button());
    if (choice == 1) Click(about.URL_Label());
    if (choice == 2) QTest::mouseClick(toolkit::NativeContent(about), Qt::LeftButton, {}, QPoint(5, 5));
    return "about";
  }

  std::string Resize(TextMaker& maker) {
    testsupport::ResizeContent(Main(), 300 + maker.Number(600), 300 + maker.Number(600));
    return "resize";
  }

  // The parse of `text` decides whether the allele choice is filled and which
  // message, if any, is shown.
  void ExpectParsed(const std::string& text) {
    const engine::ParseOutcome outcome = engine::ParseParentsText(text);
    parseSucceeded_ = outcome.status == engine::ParseStatus::Success;
    if (outcome.status == engine::ParseStatus::Failed) expectedMessages_ = {outcome.message};
  }

  // The editor's fields as OK joins them: as many columns per parent as the
  // parent with more filled columns has, up to its last filled field.
  static std::string Joined(const std::vector<std::string>& fields) {
    std::size_t columns = 0;
    for (std::size_t index = 0; index < fields.size(); ++index) {
      if (!fields[index].empty()) columns = std::max(columns, index % 4 + 1);
    }
    std::string text;
    for (std::size_t parent = 0; parent < 2; ++parent) {
      for (std::size_t column = 0; column < columns; ++column) {
        text += (column > 0 ? "\t" : "") + fields[parent * 4 + column];
      }
      if (parent == 0) text += "\r";
    }
    return text;
  }

  static std::string ListAsClipboardText() {
    const toolkit::Listbox& list = Main().PupsListBox();
    std::string text;
    for (int row = 0; row < list.RowCount(); ++row) {
      for (int column = 0; column < 4 && !list.Cell(row, column).empty(); ++column)
        text += list.Cell(row, column) + "\t";
      text += "  " + list.Cell(row, 4) + toolkit::EndOfLine();
    }
    return text;
  }

  void CheckInvariants() {
    EXPECT_EQ(Main().CrossButton().Enabled(), parseSucceeded_);

    const toolkit::Label& count = Main().PupCountLabel();
    const toolkit::Listbox& list = Main().PupsListBox();
    EXPECT_EQ(count.Visible(), list.RowCount() > 0);
    if (count.Visible()) {
      EXPECT_EQ(count.Text(), std::to_string(list.RowCount()) + " possible genotypes");
      double total = 0;
      for (int row = 0; row < list.RowCount(); ++row) total += std::stod(list.Cell(row, 4));
      EXPECT_EQ(total, 1.0);
    }

    int mains = 0, editors = 0, helps = 0, abouts = 0;
    for (toolkit::Window* window : app_->OpenWindows()) {
      mains += dynamic_cast<MainWindow*>(window) != nullptr;
      editors += dynamic_cast<EditWindow*>(window) != nullptr;
      helps += dynamic_cast<HelpWindow*>(window) != nullptr;
      abouts += dynamic_cast<AboutWindow*>(window) != nullptr;
    }
    EXPECT_EQ(mains, 1);
    EXPECT_LE(editors, 1);
    EXPECT_LE(helps, 1);
    EXPECT_LE(abouts, 1);
  }

  bool parseSucceeded_ = false;
  std::vector<std::string> expectedMessages_;
  int crossesWithResult_ = 0;
  int messagesSeen_ = 0;
  int successfulCommits_ = 0;
};

TEST_P(SessionTest, WindowsAgreeWithTheParserAndTheResultStaysWhole) { RunSession(1000); }

INSTANTIATE_TEST_SUITE_P(Seeds, SessionTest, ::testing::Values(1U, 2U, 3U));

}  // namespace
