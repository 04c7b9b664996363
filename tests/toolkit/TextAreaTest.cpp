// Text areas: what they give back, and how they show texts far longer than
// they can show. What is read back (the program, the clipboard, a screen
// reader) stays whole, while what is drawn may be cut where nobody can see it.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <string>
#include <vector>

#include "Gui.h"
#include "toolkit/Application.h"
#include "toolkit/Native.h"
#include "toolkit/Text.h"
#include "toolkit/TextArea.h"
#include "toolkit/Window.h"

namespace {

using namespace toolkit;

const std::string kEllipsis = "\xE2\x80\xA6";

// A window with the kinds of text area, as the application lays them out: a
// read-only one that wraps like the parents' area, one with a horizontal
// scroll bar, and an editable one.
class TextsWindow : public Window {
 public:
  static constexpr const char* kClassName = "TextsWindow.TextsWindow";
  static TextsWindow& Instance() { return ImplicitInstance<TextsWindow>(); }

  void Layout() override { SetProperties({.width = 400, .height = 300, .title = "Texts"}); }
  void CreateControls() override {
    for (const ControlSpec& spec : Controls()) CreateControl(spec);
  }

  TextArea& Wrapping() const { return ControlAs<TextArea>("Wrapping"); }
  TextArea& Scrolling() const { return ControlAs<TextArea>("Scrolling"); }
  TextArea& Editable() const { return ControlAs<TextArea>("Editable"); }

 private:
  static const std::vector<ControlSpec>& Controls() {
    static const std::vector<ControlSpec> controls = {
        {.create = Make<TextArea>,
         .name = "Wrapping",
         .bounds = {20, 10, 356, 43},
         .readOnly = true,
         .multiline = true},
        {.create = Make<TextArea>,
         .name = "Scrolling",
         .bounds = {20, 60, 356, 43},
         .readOnly = true,
         .multiline = true,
         .scrollbarHorizontal = true},
        {.create = Make<TextArea>, .name = "Editable", .bounds = {20, 110, 356, 43}, .multiline = true},
    };
    return controls;
  }
};

class TextAreaTest : public ::testing::Test {
 protected:
  void TearDown() override { testsupport::ProcessEvents(); }

  static QPlainTextEdit& Widget(const TextArea& area) { return *qobject_cast<QPlainTextEdit*>(NativeWidget(area)); }
  // The text the widget draws, with its line ends as line feeds.
  static std::string Drawn(const TextArea& area) { return Widget(area).toPlainText().toStdString(); }

  Application app_{"Texts", "org.example.texts"};
};

// An area shows a text at once: keys, clicks and screen readers that turn to
// it before the event loop has run meet the text the program set last.
TEST_F(TextAreaTest, WhatTurnsToAnAreaAtOnceMeetsItsNewText) {
  TextsWindow& window = TextsWindow::Instance();
  testsupport::ProcessEvents();

  window.Wrapping().SetText("old");
  window.Wrapping().SetText("new\rlines");
  EXPECT_EQ(testsupport::AccessibleText(window.Wrapping()), "new\nlines");

  window.Editable().SetText("old");
  window.Editable().SetText("typed after ");
  QTest::keyClick(NativeWidget(window.Editable()), Qt::Key_End, Qt::ControlModifier);
  testsupport::Type(window.Editable(), "this");
  EXPECT_EQ(window.Editable().Text(), "typed after this");
}

// Apart from its line ends, an area gives its text back as it was given or
// typed, characters that Qt's document would turn into others included.
TEST_F(TextAreaTest, KeepsEveryOtherCharacterAsItStands) {
  TextArea& area = TextsWindow::Instance().Editable();
  const std::string odd =
      "a\xC2\xA0"
      "b\xE2\x80\xA8"
      "c\xE2\x80\xA9"
      "d";  // no-break space, U+2028, U+2029
  area.SetText("1\r\n2\n3\r" + odd);
  EXPECT_EQ(area.Text(), "1\r2\r3\r" + odd);

  // What the user types into an editable area reads back the same way.
  area.SetText("");
  testsupport::Type(area, "ab");
  testsupport::PressKey(area, Qt::Key_Return);
  testsupport::Type(area, "c");
  EXPECT_EQ(area.Text(), "ab\rc");
}

TEST_F(TextAreaTest, LineEndsOfEveryKindComeBackAsCarriageReturns) {
  TextArea& area = TextsWindow::Instance().Wrapping();
  const struct {
    const char* given;
    const char* read;
  } rows[] = {
      {"a\r\n\nb", "a\r\rb"},
      {"\n\r\n\r", "\r\r\r"},
      {"x\r\r\ny\n", "x\r\ry\r"},
      {"no line end", "no line end"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.given);
    area.SetText(row.given);
    EXPECT_EQ(area.Text(), row.read);
  }
}

// However an area lays its lines out, it shows a line of more than 4000
// characters as its first 4000 and an ellipsis, and a text of more than 1000
// lines as its first 1000 and an ellipsis, at once; the program, a screen
// reader and a copy get the text whole. An editable area is read-only while
// it shows its text cut, and editable again with a text it shows whole.
TEST_F(TextAreaTest, LongLinesAndManyLinesAreShownCutAndReadWhole) {
  TextsWindow& window = TextsWindow::Instance();
  const std::string word(100000, 'x');
  std::string manyLines;
  std::string manyShown;
  for (int line = 0; line < 1500; ++line) manyLines += "Gene1 a/b\r\n";
  for (int line = 0; line < 1000; ++line) manyShown += "Gene1 a/b\n";
  const struct {
    const char* name;
    std::string text;
    std::string shown;
  } rows[] = {
      {"a long line", "Parent 1: Gene1 " + word + "\nGene1 a/b",
       "Parent 1: Gene1 " + word.substr(0, 4000 - 16) + kEllipsis + "\nGene1 a/b"},
      {"many lines", manyLines, manyShown + kEllipsis},
  };
  for (const auto& row : rows) {
    const std::string read = ReplaceLineEndings(row.text, "\n");
    for (TextArea* area : {&window.Wrapping(), &window.Scrolling(), &window.Editable()}) {
      SCOPED_TRACE(std::string(row.name) + " in " + area->Name());
      area->SetText(row.text);
      EXPECT_EQ(Drawn(*area), row.shown);
      EXPECT_EQ(area->Text(), ReplaceLineEndings(row.text, "\r"));
      EXPECT_EQ(testsupport::AccessibleText(*area), read);
      QPlainTextEdit& widget = Widget(*area);
      EXPECT_TRUE(widget.isReadOnly());
      widget.selectAll();
      widget.copy();
      EXPECT_EQ(testsupport::ClipboardText(), read);
    }
  }
  window.Editable().SetText("short ");
  QTest::keyClick(NativeWidget(window.Editable()), Qt::Key_End, Qt::ControlModifier);
  testsupport::Type(window.Editable(), "again");
  EXPECT_EQ(window.Editable().Text(), "short again");
}

// A screen reader addresses the whole text: its positions within what an
// ellipsis stands for select from the ellipsis, and a copy of a selection
// that holds the ellipsis holds what it stands for.
TEST_F(TextAreaTest, AScreenReaderAddressesTheWholeTextAcrossAnEllipsis) {
  TextArea& area = TextsWindow::Instance().Wrapping();
  const std::string head = "Gene1 " + std::string(3994, 'x');
  const std::string read = head + std::string(6000, 'y') + "\nGene1 a/b";
  area.SetText(read);
  QPlainTextEdit& widget = Widget(area);
  QAccessibleTextInterface& reader = *QAccessible::queryAccessibleInterface(NativeWidget(area))->textInterface();
  ASSERT_EQ(reader.characterCount(), static_cast<int>(read.size()));
  EXPECT_EQ(reader.text(3990, 4010).toStdString(), read.substr(3990, 20));

  const int lastLine = static_cast<int>(read.size()) - 9;
  reader.setSelection(0, 5000, lastLine + 5);
  int start = 0;
  int end = 0;
  reader.selection(0, &start, &end);
  EXPECT_EQ(start, 4000);
  EXPECT_EQ(end, lastLine + 5);
  EXPECT_EQ(reader.cursorPosition(), lastLine + 5);
  EXPECT_EQ(widget.textCursor().selectedText().toStdString(), kEllipsis + "\u2029Gene1");
  widget.copy();
  EXPECT_EQ(testsupport::ClipboardText(), read.substr(4000, read.size() - 4004));

  reader.setCursorPosition(lastLine + 1);
  EXPECT_EQ(widget.textCursor().position(), 4000 + 2 + 1);
  EXPECT_EQ(reader.cursorPosition(), lastLine + 1);
  reader.setCursorPosition(7000);
  EXPECT_EQ(widget.textCursor().position(), 4000);
  EXPECT_EQ(reader.cursorPosition(), 4000);
}

}  // namespace
