#include "Gui.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QTest>
#include <QWidget>

#include "toolkit/Native.h"

namespace testsupport {

void Click(const toolkit::Control& control) { QTest::mouseClick(toolkit::NativeWidget(control), Qt::LeftButton); }

void MovePointerInto(const toolkit::Control& control) { QTest::mouseMove(toolkit::NativeWidget(control)); }

void PressKey(const toolkit::Control& control, int qtKey, int qtModifiers) {
  QTest::keyClick(toolkit::NativeWidget(control), static_cast<Qt::Key>(qtKey),
                  static_cast<Qt::KeyboardModifiers>(qtModifiers));
}

void PressKey(const toolkit::Window& window, int qtKey, int qtModifiers) {
  QWidget* frame = toolkit::NativeWindow(window);
  QWidget* focus = frame->focusWidget();
  QTest::keyClick(focus != nullptr ? focus : frame, static_cast<Qt::Key>(qtKey),
                  static_cast<Qt::KeyboardModifiers>(qtModifiers));
}

void PressKeypadEnter(const toolkit::Window& window) { PressKey(window, Qt::Key_Enter, Qt::KeypadModifier); }

void Type(const toolkit::Control& control, const std::string& text) {
  QTest::keyClicks(toolkit::NativeWidget(control), QString::fromStdString(text));
}

void Retype(const toolkit::Control& control, const std::string& text) {
  QTest::keyClick(toolkit::NativeWidget(control), Qt::Key_A, Qt::ControlModifier);
  PressKey(control, Qt::Key_Delete);
  Type(control, text);
}

void ChooseRow(const toolkit::Control& popup, int row) {
  auto* combo = qobject_cast<QComboBox*>(toolkit::NativeWidget(popup));
  combo->setCurrentIndex(row);
}

void ResizeContent(const toolkit::Window& window, int width, int height) {
  QWidget* frame = toolkit::NativeWindow(window);
  QWidget* content = toolkit::NativeContent(window);
  const QSize chrome = frame->size() - content->size();
  frame->resize(QSize(width, height) + chrome);
  ProcessEvents();
}

void ProcessEvents() {
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
}

bool Activate(const toolkit::Window& window) {
  QWidget* frame = toolkit::NativeWindow(window);
  frame->activateWindow();
  const bool active = QTest::qWaitForWindowActive(frame);
  ProcessEvents();
  return active;
}

std::string AccessibleText(const toolkit::Control& control) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(toolkit::NativeWidget(control));
  if (QAccessibleTextInterface* text = accessible->textInterface()) {
    return text->text(0, text->characterCount()).toStdString();
  }
  return accessible->text(QAccessible::Value).toStdString();
}

std::string ClipboardText() { return QApplication::clipboard()->text().toStdString(); }

void SetClipboardText(const std::string& text) { QApplication::clipboard()->setText(QString::fromStdString(text)); }

void ClearClipboard() { QApplication::clipboard()->clear(); }

}  // namespace testsupport
