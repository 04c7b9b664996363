#include "MessageBoxes.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>

#include "toolkit/MsgBox.h"

namespace testsupport {
namespace {

// The toolkit's message box that is up now, or nullptr.
QDialog* ShownMessageBox() {
  auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
  if (box == nullptr || box->objectName() != toolkit::kMsgBoxObjectName || !box->isVisible()) return nullptr;
  return box;
}

// Calls `seen` with each message box that is up while `action` runs, checking
// whenever the event loop turns (a message box runs one of its own).
void WatchMessageBoxes(const std::function<void()>& action, const std::function<void(QDialog&)>& seen) {
  QTimer watcher;
  watcher.setInterval(1);
  QObject::connect(&watcher, &QTimer::timeout, [&seen] {
    if (QDialog* box = ShownMessageBox()) seen(*box);
  });
  watcher.start();
  action();
}

}  // namespace

// Read as a screen reader reads it: from the text interface of the box's
// text, which the box does not keep a second time.
std::string MessageText(const QDialog& box) {
  QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(const_cast<QDialog*>(&box));
  for (int i = 0; i < dialog->childCount(); ++i) {
    if (QAccessibleTextInterface* text = dialog->child(i)->textInterface()) {
      return text->text(0, text->characterCount()).toStdString();
    }
  }
  ADD_FAILURE() << "the message box has no text a screen reader can read";
  return {};
}

QPushButton& OkButton(QDialog& box) { return *box.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok); }

std::vector<std::string> AnswerMessageBoxes(const std::function<void()>& action) {
  std::vector<std::string> texts;
  WatchMessageBoxes(action, [&texts](QDialog& box) {
    texts.push_back(MessageText(box));
    OkButton(box).click();
  });
  return texts;
}

bool WithMessageBox(const std::function<void()>& action, const std::function<void(QDialog&)>& look) {
  bool looked = false;
  bool closedByLook = false;
  const QDeadlineTimer deadline(10000);
  WatchMessageBoxes(action, [&](QDialog& box) {
    if (looked) {
      OkButton(box).click();  // a further box than the one looked at
      return;
    }
    if (!box.isActiveWindow() && !deadline.hasExpired()) return;
    looked = true;
    if (!box.isActiveWindow()) {
      ADD_FAILURE() << "the message box never became the active window";
      OkButton(box).click();
      return;
    }
    look(box);
    closedByLook = !box.isVisible();
    if (!closedByLook) OkButton(box).click();
  });
  EXPECT_TRUE(looked) << "no message box appeared";
  return closedByLook;
}

}  // namespace testsupport
