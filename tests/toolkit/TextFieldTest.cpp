#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <functional>
#include <string>

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

TEST_F(TextFieldTest, FieldsHoldTextsOfAnyLength) {
  auto& field = ProbeWindow::Instance().ControlAs<TextField>("Field", 0);
  const std::string longText(100000, 'x');
  field.SetText(longText);
  testsupport::Type(field, "y");
  EXPECT_EQ(field.Text(), longText + "y");
}

}  // namespace
