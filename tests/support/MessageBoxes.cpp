#include "MessageBoxes.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>

#include "toolkit/MsgBox.h"

namespace testsupport {

std::vector<std::string> AnswerMessageBoxes(const std::function<void()>& action) {
  std::vector<std::string> texts;
  QTimer answerer;
  answerer.setInterval(5);
  QObject::connect(&answerer, &QTimer::timeout, [&texts] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (box == nullptr || box->objectName() != toolkit::kMsgBoxObjectName || !box->isVisible()) return;
    texts.push_back(box->property(toolkit::kMsgBoxTextProperty).toString().toStdString());
    box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  answerer.start();
  action();
  answerer.stop();
  return texts;
}

}  // namespace testsupport
