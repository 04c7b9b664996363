// What a screen reader finds in the windows: a message box's text announced
// with the box.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMetaEnum>
#include <QPushButton>
#include <QTimer>
#include <string>

#include "Gui.h"
#include "StartedApp.h"
#include "toolkit/MsgBox.h"

namespace {

using testsupport::Click;

std::string Read(const QAccessibleInterface& accessible, QAccessible::Text kind) {
  return accessible.text(kind).toStdString();
}

class AccessibilityTest : public StartedAppTest {
 protected:
  static void Paste(const std::string& text) {
    testsupport::SetClipboardText(text);
    Click(Main().PasteButton());
  }
};

// The box is an alert described by its text, which screen readers speak with
// the alert as it appears; the text view alone is read only when visited.
TEST_F(AccessibilityTest, AMessageBoxIsDescribedByItsText) {
  std::string role;
  std::string description;
  QTimer reader;
  reader.setInterval(5);
  QObject::connect(&reader, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (box == nullptr || box->objectName() != toolkit::kMsgBoxObjectName || !box->isVisible()) return;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    role = QMetaEnum::fromType<QAccessible::Role>().valueToKey(accessible->role());
    description = Read(*accessible, QAccessible::Description);
    box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  reader.start();
  Paste("Gene1 a/b");
  reader.stop();
  EXPECT_EQ(role, "AlertMessage");
  EXPECT_EQ(description, "Error\nEach parent should be on a separate line");
}

}  // namespace
