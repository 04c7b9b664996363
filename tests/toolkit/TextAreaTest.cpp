// Text areas: what they give back, and how they show texts far longer than
// they can show. What is read back (the program, the clipboard, a screen
// reader) stays whole, while what is drawn may be cut where nobody can see it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>
#include <string>
#include <vector>

#include "Gui.h"
#include "toolkit/Application.h"
#include "toolkit/Native.h"
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

TEST_F(TextAreaTest, ATextReplacedBeforeTheEventLoopRunsIsNeverDrawn) {
  TextArea& area = TextsWindow::Instance().Wrapping();
  testsupport::ProcessEvents();
  std::vector<std::string> drawn;
  QObject::connect(&Widget(area), &QPlainTextEdit::textChanged, [&] { drawn.push_back(Drawn(area)); });

  area.SetText("the clipboard's text\rof many lines");
  area.SetText("what the parse left");
  EXPECT_EQ(area.Text(), "what the parse left");
  testsupport::ProcessEvents();
  EXPECT_EQ(drawn, std::vector<std::string>{"what the parse left"});
}

// Keys, clicks and screen readers that turn to the area before the event loop
// has run meet the text the program set last.
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

// A word wider than any screen, in an area that wraps between words, starts a
// line of its own and overflows it: the part beyond the screen is drawn as an
// ellipsis. Where it can be scrolled to, or typed in, it is drawn whole.
TEST_F(TextAreaTest, AWordWiderThanAnyScreenIsDrawnCutAndReadWhole) {
  TextsWindow& window = TextsWindow::Instance();
  const std::string word(100000, 'x');
  const std::string text = "Parent 1: Gene1 " + word + "\rGene1 a/b";
  const std::string read = "Parent 1: Gene1 " + word + "\nGene1 a/b";
  for (TextArea* area : {&window.Wrapping(), &window.Scrolling(), &window.Editable()}) {
    SCOPED_TRACE(area->Name());
    area->SetText(text);
    testsupport::ProcessEvents();
    EXPECT_EQ(area->Text(), text);
    EXPECT_EQ(testsupport::AccessibleText(*area), read);

    const std::string drawn = Drawn(*area);
    if (area == &window.Wrapping()) {
      EXPECT_LT(drawn.size(), 20000U);
      EXPECT_EQ(drawn.substr(0, 30), read.substr(0, 30));
      EXPECT_EQ(drawn.substr(drawn.size() - 13), kEllipsis + "\nGene1 a/b");
    } else {
      EXPECT_EQ(drawn, read);
    }

    // Copying gives the whole text, also from a selection that ends inside
    // the ellipsis' stretch or starts after it.
    QPlainTextEdit& widget = Widget(*area);
    widget.selectAll();
    widget.copy();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), read);
    QTextCursor cursor = widget.textCursor();
    cursor.setPosition(10);
    cursor.setPosition(widget.document()->characterCount() - 5, QTextCursor::KeepAnchor);
    widget.setTextCursor(cursor);
    widget.copy();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), read.substr(10, read.size() - 14));
  }
}

// A paragraph of many lines is drawn as the user scrolls through it: the
// place where its drawing stops is never in view, and whoever scrolls to its
// end has it all drawn.
TEST_F(TextAreaTest, ALongParagraphIsDrawnAsTheUserScrollsThroughIt) {
  TextArea& area = TextsWindow::Instance().Wrapping();
  std::string paragraph;
  while (paragraph.size() < 200000) paragraph += "Gene1 a/b ";
  area.SetText(paragraph + "\rGene2 c/d");
  testsupport::ProcessEvents();
  EXPECT_LT(Drawn(area).size(), paragraph.size());
  EXPECT_EQ(testsupport::AccessibleText(area), paragraph + "\nGene2 c/d");

  QPlainTextEdit& widget = Widget(area);
  const auto ellipsisInView = [&] {
    const auto ellipsis = static_cast<int>(widget.toPlainText().indexOf(QString::fromStdString(kEllipsis)));
    if (ellipsis < 0) return false;
    QTextCursor cursor(widget.document());
    cursor.setPosition(ellipsis);
    return widget.cursorRect(cursor).top() < widget.viewport()->height();
  };
  for (int scrolls = 0; scrolls < 100 && Drawn(area).size() < paragraph.size(); ++scrolls) {
    QScrollBar& bar = *widget.verticalScrollBar();
    bar.setValue(bar.maximum());
    ASSERT_FALSE(ellipsisInView());
  }
  EXPECT_EQ(Drawn(area), paragraph + "\nGene2 c/d");
}

}  // namespace
