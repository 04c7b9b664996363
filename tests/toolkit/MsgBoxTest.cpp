#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <functional>
#include <string>

#include "MessageBoxes.h"
#include "toolkit/MsgBox.h"

namespace {

using namespace toolkit;
using testsupport::OkButton;

// Shows a message box with `text` and runs `look` on it once it is up and
// active; returns whether `look` closed it.
bool WithMsgBox(const std::string& text, const std::function<void(QDialog&)>& look) {
  return testsupport::WithMessageBox([&text] { MsgBox(text); }, look);
}

TEST(MsgBoxTest, AHugeTextNeverMakesTheBoxLargerThanTheScreen) {
  const std::string text = "Error\nParent 1: " + std::string(1 << 20, 'x') + "\nshould contain 1 space & 1 slash";
  QRect boxGeometry;
  QRect okGeometry;
  std::string shownText;
  WithMsgBox(text, [&](QDialog& box) {
    boxGeometry = box.frameGeometry();
    okGeometry = QRect(OkButton(box).mapTo(&box, QPoint(0, 0)), OkButton(box).size());
    shownText = testsupport::MessageText(box);
    OkButton(box).click();
  });
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE(boxGeometry.width(), screen.width());
  EXPECT_LE(boxGeometry.height(), screen.height());
  EXPECT_TRUE(QRect(QPoint(0, 0), boxGeometry.size()).contains(okGeometry));
  EXPECT_EQ(shownText, text);
}

// A line of megabytes is drawn as its first few thousand characters and an
// ellipsis; a screen reader and a copy of the text still get all of it.
TEST(MsgBoxTest, ALongLineIsDrawnCutAndReadWhole) {
  const std::string entry = "Gene1 " + std::string(1 << 20, 'x');
  const std::string text = "Error\nParent 1: " + entry + "\nshould contain 1 space & 1 slash";
  std::string drawn;
  std::string read;
  std::string copied;
  WithMsgBox(text, [&](QDialog& box) {
    auto* view = box.findChild<QPlainTextEdit*>();
    drawn = view->toPlainText().toStdString();
    QAccessibleTextInterface* accessible = QAccessible::queryAccessibleInterface(view)->textInterface();
    read = accessible->text(0, accessible->characterCount()).toStdString();
    view->selectAll();
    view->copy();
    copied = QApplication::clipboard()->text().toStdString();
    OkButton(box).click();
  });
  const std::string shownLine = "Parent 1: " + entry.substr(0, 4000 - 10) + "\xE2\x80\xA6";
  EXPECT_EQ(drawn, "Error\n" + shownLine + "\nshould contain 1 space & 1 slash");
  EXPECT_EQ(read, text);
  EXPECT_EQ(copied, text);
}

// Once the user has clicked into the text, Return and the keypad's Enter still
// press OK.
TEST(MsgBoxTest, ReturnAndEnterPressOkAfterAClickIntoTheText) {
  const struct {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  } rows[] = {
      {"Return", Qt::Key_Return, Qt::NoModifier},
      {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    bool focusedText = false;
    const bool closed = WithMsgBox("Error\nParent 1: G a\nshould contain 1 space & 1 slash", [&](QDialog& box) {
      auto* view = box.findChild<QPlainTextEdit*>();
      QTest::mouseClick(view->viewport(), Qt::LeftButton);
      focusedText = QApplication::focusWidget() == view;
      QTest::keyClick(view, row.key, row.modifiers);
    });
    EXPECT_TRUE(focusedText);
    EXPECT_TRUE(closed);
  }
}

}  // namespace
