// Text areas, popups and fields holding texts far longer than they can show:
// what is read back (the program, the clipboard, a screen reader) stays whole,
// while what is drawn may be cut where nobody can see it.

#include "toolkit/TextArea.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "Gui.h"
#include "toolkit/Application.h"
#include "toolkit/LongTextLineEdit.h"
#include "toolkit/Native.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/Window.h"

namespace {

using namespace toolkit;

const std::string kEllipsis = "\xE2\x80\xA6";

// A window with the kinds of text control, as the application lays them out:
// a read-only area that wraps like the parents' area, one with a horizontal
// scroll bar, an editable one, and a popup.
class TextsWindow : public Window {
 public:
  static constexpr const char* kClassName = "TextsWindow.TextsWindow";
  static TextsWindow& Instance() { return ImplicitInstance<TextsWindow>(); }

  void Layout() override { SetProperties({.width = 400, .height = 300, .title = "Texts"}); }
  void CreateControls() override {
    for (const ControlSpec& spec : Controls()) CreateControl(spec);
  }
  void Choice_Change(PopupMenu& popup) { changes.push_back(popup.Text()); }

  TextArea& Wrapping() const { return ControlAs<TextArea>("Wrapping"); }
  TextArea& Scrolling() const { return ControlAs<TextArea>("Scrolling"); }
  TextArea& Editable() const { return ControlAs<TextArea>("Editable"); }
  PopupMenu& Choice() const { return ControlAs<PopupMenu>("Choice"); }

  std::vector<std::string> changes;

 private:
  static const std::vector<ControlSpec>& Controls() {
    static const std::vector<ControlSpec> controls = {
        {.create = Make<TextArea>, .name = "Wrapping", .bounds = {20, 10, 356, 43}, .readOnly = true, .multiline = true},
        {.create = Make<TextArea>, .name = "Scrolling", .bounds = {20, 60, 356, 43}, .readOnly = true,
         .multiline = true, .scrollbarHorizontal = true},
        {.create = Make<TextArea>, .name = "Editable", .bounds = {20, 110, 356, 43}, .multiline = true},
        {.create = Make<PopupMenu>, .name = "Choice", .bounds = {20, 160, 80, 20},
         .events = {OnChange(&TextsWindow::Choice_Change)}},
    };
    return controls;
  }
};

class TextControlsTest : public ::testing::Test {
 protected:
  void TearDown() override { testsupport::ProcessEvents(); }

  static QPlainTextEdit& Widget(const TextArea& area) { return *qobject_cast<QPlainTextEdit*>(NativeWidget(area)); }
  // The text the widget draws, with its line ends as line feeds.
  static std::string Drawn(const TextArea& area) { return Widget(area).toPlainText().toStdString(); }
  // What a screen reader reads: the control's accessible text.
  static std::string Accessible(const Control& control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(NativeWidget(control));
    if (QAccessibleTextInterface* text = accessible->textInterface()) {
      return text->text(0, text->characterCount()).toStdString();
    }
    return accessible->text(QAccessible::Value).toStdString();
  }

  Application app_{"Texts"};
};

TEST_F(TextControlsTest, ATextReplacedBeforeTheEventLoopRunsIsNeverDrawn) {
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
TEST_F(TextControlsTest, WhatTurnsToAnAreaAtOnceMeetsItsNewText) {
  TextsWindow& window = TextsWindow::Instance();
  testsupport::ProcessEvents();

  window.Wrapping().SetText("old");
  window.Wrapping().SetText("new\rlines");
  EXPECT_EQ(Accessible(window.Wrapping()), "new\nlines");

  window.Editable().SetText("old");
  window.Editable().SetText("typed after ");
  QTest::keyClick(NativeWidget(window.Editable()), Qt::Key_End, Qt::ControlModifier);
  testsupport::Type(window.Editable(), "this");
  EXPECT_EQ(window.Editable().Text(), "typed after this");
}

TEST_F(TextControlsTest, LineEndsOfEveryKindComeBackAsCarriageReturns) {
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
TEST_F(TextControlsTest, AWordWiderThanAnyScreenIsDrawnCutAndReadWhole) {
  TextsWindow& window = TextsWindow::Instance();
  const std::string word(100000, 'x');
  const std::string text = "Parent 1: Gene1 " + word + "\rGene1 a/b";
  const std::string read = "Parent 1: Gene1 " + word + "\nGene1 a/b";
  for (TextArea* area : {&window.Wrapping(), &window.Scrolling(), &window.Editable()}) {
    SCOPED_TRACE(area->Name());
    area->SetText(text);
    testsupport::ProcessEvents();
    EXPECT_EQ(area->Text(), text);
    EXPECT_EQ(Accessible(*area), read);

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
TEST_F(TextControlsTest, ALongParagraphIsDrawnAsTheUserScrollsThroughIt) {
  TextArea& area = TextsWindow::Instance().Wrapping();
  std::string paragraph;
  while (paragraph.size() < 200000) paragraph += "Gene1 a/b ";
  area.SetText(paragraph + "\rGene2 c/d");
  testsupport::ProcessEvents();
  EXPECT_LT(Drawn(area).size(), paragraph.size());
  EXPECT_EQ(Accessible(area), paragraph + "\nGene2 c/d");

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

TEST_F(TextControlsTest, ALongPopupRowIsDrawnCutAndReadWhole) {
  TextsWindow& window = TextsWindow::Instance();
  PopupMenu& popup = window.Choice();
  const std::string allele(100000, 'a');
  popup.DeleteAllRows();
  window.changes.clear();
  popup.AddRows({allele, "b"});

  // Adding the first row selected it: its Change handler read it whole.
  EXPECT_EQ(window.changes, std::vector<std::string>{allele});
  EXPECT_EQ(popup.Text(), allele);
  EXPECT_EQ(popup.RowText(0), allele);
  EXPECT_EQ(popup.RowText(1), "b");

  auto* combo = qobject_cast<QComboBox*>(NativeWidget(popup));
  EXPECT_EQ(combo->itemText(0).toStdString(), std::string(4000, 'a') + kEllipsis);
  EXPECT_EQ(combo->itemText(1).toStdString(), "b");
  EXPECT_EQ(Accessible(popup), allele);
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(combo)->child(0);
  ASSERT_NE(list, nullptr);
  ASSERT_NE(list->child(0), nullptr);
  EXPECT_EQ(list->child(0)->text(QAccessible::Name).toStdString(), allele);
}

// A field draws a long text itself. Side by side with a line edit drawing a
// short text whose visible part is the same, the two must look alike and put
// the cursor at the same place under a click.
class LongFieldTest : public ::testing::Test {
 protected:
  LongFieldTest() {
    longField_->setParent(&frame_);
    frame_.resize(300, 100);
    shortField_->setGeometry(10, 10, 120, 22);
    longField_->setGeometry(10, 50, 120, 22);
    longField_->setMaxLength(std::numeric_limits<int>::max());
    frame_.show();
  }

  // Texts that show the same at either end: "head" then many x then "tail".
  void SetTexts(int shortRun) {
    shortField_->setText("Gene1 a/" + QString(shortRun, u'x') + "/b tail");
    longField_->setText("Gene1 a/" + QString(10000, u'x') + "/b tail");
  }
  static QImage Drawn(QLineEdit& field) { return field.grab().toImage(); }
  static int FromEnd(const QLineEdit& field) { return static_cast<int>(field.text().size()) - field.cursorPosition(); }

  QWidget frame_;
  QLineEdit* shortField_ = new QLineEdit(&frame_);
  LongTextLineEdit* longField_ = new LongTextLineEdit;
};

TEST_F(LongFieldTest, DrawsWhatTheLineEditDrawsForTheSameVisibleText) {
  SetTexts(100);
  const struct {
    const char* name;
    std::function<void(QLineEdit&)> place;
  } rows[] = {
      {"cursor at the end", [](QLineEdit& field) { field.end(false); }},
      {"selection before the end", [](QLineEdit& field) { field.cursorBackward(true, 5); }},
      {"cursor at the start", [](QLineEdit& field) { field.home(false); }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    row.place(*shortField_);
    row.place(*longField_);
    EXPECT_EQ(Drawn(*longField_), Drawn(*shortField_));
  }
}

TEST_F(LongFieldTest, AClickPutsTheCursorWhereItPoints) {
  SetTexts(100);
  shortField_->end(false);
  longField_->end(false);
  Drawn(*shortField_);
  Drawn(*longField_);
  for (const int x : {8, 40, 75, 110}) {
    SCOPED_TRACE(x);
    QTest::mouseClick(shortField_, Qt::LeftButton, {}, QPoint(x, 11));
    QTest::mouseClick(longField_, Qt::LeftButton, {}, QPoint(x, 11));
    EXPECT_EQ(FromEnd(*longField_), FromEnd(*shortField_));
    shortField_->end(false);
    longField_->end(false);
    Drawn(*shortField_);
    Drawn(*longField_);
  }
}

TEST_F(LongFieldTest, TypedTextGoesInWholeAndShows) {
  SetTexts(100);
  longField_->home(false);
  QTest::keyClicks(longField_, "typed ");
  EXPECT_EQ(longField_->text(), "typed Gene1 a/" + QString(10000, u'x') + "/b tail");
  shortField_->home(false);
  QTest::keyClicks(shortField_, "typed ");
  EXPECT_EQ(Drawn(*longField_), Drawn(*shortField_));
}

}  // namespace
