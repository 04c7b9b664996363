#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <functional>
#include <string>

#include "FakeClipboard.h"
#include "Gui.h"
#include "ProbeWindow.h"
#include "toolkit/Native.h"
#include "toolkit/TextField.h"

namespace {

using namespace toolkit;

class TextFieldTest : public ProbeWindowTest {};

// Whoever puts a tab or a line break into a field, it shows and gives back a
// blank; a run of them is one blank, and the cursor stays after what was put
// in.
TEST_F(TextFieldTest, FieldsHoldOneLine) {
  auto& field = ProbeWindow::Instance().ControlAs<TextField>("Field", 0);
  QLineEdit* edit = qobject_cast<QLineEdit*>(NativeWidget(field));
  struct Case {
    const char* name;
    std::function<void()> enter;
    std::string text;
  };
  const Case cases[] = {
      {"set by the program", [&] { field.SetText("x\r\ny\tz\n"); }, "x y z "},
      {"pasted with the paste key",
       [&] {
         field.SetText("[]");
         edit->setCursorPosition(1);
         testsupport::SetClipboardText("a\t\tb\r\n\r\nc");
         QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
         testsupport::Type(field, "d");
       },
       "[a b cd]"},
      {"inserted where the cursor stands",
       [&] {
         field.SetText("ab");
         edit->setCursorPosition(1);
         edit->insert("\n\t");
         testsupport::Type(field, "c");
       },
       "a cb"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.enter();
    EXPECT_EQ(field.Text(), c.text);
    EXPECT_EQ(edit->text().toStdString(), c.text);
  }
}

// A paste reads the clipboard once; when that gives no text, the field keeps
// its text and its selection, where Qt's own paste would delete the selection.
TEST_F(TextFieldTest, APasteThatFindsNoTextChangesNothing) {
  auto& field = ProbeWindow::Instance().ControlAs<TextField>("Field", 0);
  QLineEdit* edit = qobject_cast<QLineEdit*>(NativeWidget(field));
  field.SetText("keep me");
  edit->selectAll();
  testsupport::ClearClipboard();
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field.Text(), "keep me");
  EXPECT_EQ(edit->selectedText().toStdString(), "keep me");
}

// A right click opens the toolkit's edit commands, enabled as the Edit menu
// enables them, without a question to the clipboard's owner (one that never
// answers would freeze the window); its Paste reads once, as Paste does, and
// its other commands act on the field.
TEST_F(TextFieldTest, TheContextMenuAsksTheClipboardsOwnerOnlyToPaste) {
  ProbeWindow& window = ProbeWindow::Instance();
  ASSERT_TRUE(testsupport::Activate(window));
  auto& field = window.ControlAs<TextField>("Field", 0);
  QLineEdit* edit = qobject_cast<QLineEdit*>(NativeWidget(field));
  field.SetFocus();
  edit->setText("abc");
  edit->setSelection(1, 1);
  const auto openMenu = [edit] {
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(edit, &click);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  };
  const auto choose = [](QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
      if (action->text().section(u'\t', 0, 0) == text) action->trigger();
    }

    menu->close();
    testsupport::ProcessEvents();
  };

  const auto questions = testsupport::PutClipboardOwner(testsupport::ClipboardOwner::Silent);
  QMenu* menu = openMenu();
  ASSERT_NE(menu, nullptr);
  std::string items;
  for (const QAction* action : menu->actions()) {
    items += action->isSeparator() ? "-" : action->text().toStdString() + (action->isEnabled() ? " on" : " off");
    items += "\n";
  }
  EXPECT_EQ(items,
            "&Undo\tCtrl+Z off\n-\nCu&t\tCtrl+X on\n&Copy\tCtrl+C on\n&Paste\tCtrl+V on\n&Delete on\n-\n"
            "Select &All\tCtrl+A on\n");
  EXPECT_EQ(questions->formats + questions->data, 0);

  choose(menu, "&Paste");
  EXPECT_EQ(questions->formats, 1);
  EXPECT_EQ(questions->data, 0);
  EXPECT_EQ(field.Text(), "abc");
  EXPECT_EQ(edit->selectedText().toStdString(), "b");

  choose(openMenu(), "&Copy");
  EXPECT_EQ(testsupport::ClipboardText(), "b");
  choose(openMenu(), "&Delete");
  EXPECT_EQ(field.Text(), "ac");
}

// A field holding more than it can show shows its start and an ellipsis,
// read-only, and gives its entry back whole; copying and cutting take it
// whole. Once it is all selected, Delete, Backspace, typing or a paste
// replace it, and the field is a plain one again.
TEST_F(TextFieldTest, ALongEntryIsShownByItsStartAndChangedOnlyAsAWhole) {
  auto& field = ProbeWindow::Instance().ControlAs<TextField>("Field", 0);
  QLineEdit* edit = qobject_cast<QLineEdit*>(NativeWidget(field));
  const std::string entry = "Gene1 a/" + std::string(100000, 'x') + "/b";
  struct Case {
    const char* name;
    std::function<void()> replace;
    std::string text;
  };
  const Case cases[] = {
      {"Delete", [&] { QTest::keyClick(edit, Qt::Key_Delete); }, ""},
      {"Backspace", [&] { QTest::keyClick(edit, Qt::Key_Backspace); }, ""},
      {"typing", [&] { testsupport::Type(field, "Gene1 c/d"); }, "Gene1 c/d"},
      {"paste",
       [&] {
         testsupport::SetClipboardText("Gene1 e/f");
         QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
       },
       "Gene1 e/f"},
      {"cut",
       [&] {
         QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
         EXPECT_EQ(testsupport::ClipboardText(), entry);
       },
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    field.SetText(entry);
    EXPECT_EQ(edit->text().toStdString(), entry.substr(0, 4000) + "\xE2\x80\xA6");
    EXPECT_TRUE(edit->isReadOnly());
    testsupport::Type(field, "z");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(field.Text(), entry);

    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(testsupport::ClipboardText(), entry);
    c.replace();
    EXPECT_EQ(field.Text(), c.text);
    EXPECT_FALSE(edit->isReadOnly());
    testsupport::Type(field, "z");
    EXPECT_EQ(field.Text(), c.text + "z");
  }
}

// An entry that a paste makes longer than a field can show keeps every
// character, and a copy of any part of it copies it whole.
TEST_F(TextFieldTest, AnEntryGrowingLongIsKeptWhole) {
  auto& field = ProbeWindow::Instance().ControlAs<TextField>("Field", 0);
  QLineEdit* edit = qobject_cast<QLineEdit*>(NativeWidget(field));
  const std::string allele(50000, 'y');
  field.SetText("Gene1 a/b");
  edit->setCursorPosition(8);
  testsupport::SetClipboardText(allele + "\t" + allele);
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field.Text(), "Gene1 a/" + allele + " " + allele + "b");
  EXPECT_TRUE(edit->isReadOnly());

  edit->setSelection(0, 5);
  QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(testsupport::ClipboardText(), field.Text());
}

// A long entry that reads from right to left shows its start at the right,
// where a plain line edit shows the same characters.
TEST_F(TextFieldTest, ALongRightToLeftEntryShowsItsStartWhereItBegins) {
  auto& field = ProbeWindow::Instance().ControlAs<TextField>("Field", 0);
  QLineEdit* edit = qobject_cast<QLineEdit*>(NativeWidget(field));
  std::string entry;
  while (entry.size() < 20000) entry += "\xD7\x92\xD7\x9F \xD7\x90/\xD7\x91 ";  // Hebrew letters
  field.SetText(entry);
  QLineEdit plain(edit->text());
  plain.setReadOnly(true);
  plain.setParent(edit->parentWidget());
  plain.setGeometry(edit->geometry());
  plain.setCursorPosition(0);
  EXPECT_EQ(edit->grab().toImage(), plain.grab().toImage());
}

}  // namespace
