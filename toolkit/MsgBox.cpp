#include "toolkit/MsgBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "toolkit/Dispatch.h"
#include "toolkit/ElidedTextView.h"
#include "toolkit/QtText.h"
#include "toolkit/Text.h"

namespace toolkit {
namespace {

constexpr int kPreferredTextWidth = 360;
// Beyond this many characters the text's wrapped height is not measured: it
// is sure to need the tallest box.
constexpr qsizetype kMeasuredLength = 20000;
// Qt takes time quadratic in a word's length to break it at the best place;
// a text with a longer word is broken anywhere instead.
constexpr qsizetype kLongestWrappedWord = 200;

qsizetype LongestWord(const QString& text) {
  qsizetype longest = 0;
  qsizetype current = 0;
  for (const QChar c : text) {
    current = c.isSpace() ? 0 : current + 1;
    longest = std::max(longest, current);
  }
  return longest;
}

// Screen readers announce the box as an alert, as they do the platform's own.
QAccessibleInterface* AlertAccessible(const QString& key, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (key != QLatin1String("QDialog") || widget == nullptr || widget->objectName() != kMsgBoxObjectName) {
    return nullptr;
  }
  return new QAccessibleWidget(widget, QAccessible::AlertMessage);
}

QSize AvailableScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry().size() : QSize(800, 600);
}

// Return and Enter press OK wherever the focus is in the box; the text, once
// clicked into, would otherwise take them.
class EnterPressesButton : public EventFilter {
 public:
  EnterPressesButton(QWidget* target, QPushButton* button) : EventFilter(target), button_(button) {}

 protected:
  bool Filter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* press = static_cast<QKeyEvent*>(event);
    const bool enter = press->key() == Qt::Key_Return || press->key() == Qt::Key_Enter;
    if (!enter || (press->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    button_->click();
    return true;
  }

 private:
  QPushButton* button_;
};

}  // namespace

void MsgBox(const std::string& text) {
  static const bool factoryInstalled = (QAccessible::installFactory(AlertAccessible), true);
  (void)factoryInstalled;

  const QString message = ToQt(ReplaceLineEndings(text, "\n"));
  QDialog box(QApplication::activeWindow());
  box.setObjectName(kMsgBoxObjectName);
  box.setProperty(kMsgBoxTextProperty, ToQt(text));
  // Screen readers announce an alert with its description when it appears;
  // the text view alone would be read only once the user turns to it.
  box.setAccessibleDescription(message);
  box.setWindowTitle(QApplication::applicationDisplayName());

  // A line quoting a pasted entry can be megabytes long: only its beginning
  // is drawn, while a screen reader and a copy of the text get it whole.
  auto* shown = new ElidedTextView;
  shown->SetText(message, LongLineTails(message));
  const QString drawn = shown->document()->toPlainText();
  shown->setReadOnly(true);
  shown->setFrameShape(QFrame::NoFrame);
  shown->viewport()->setAutoFillBackground(false);
  shown->setWordWrapMode(LongestWord(drawn) > kLongestWrappedWord ? QTextOption::WrapAnywhere
                                                                  : QTextOption::WrapAtWordBoundaryOrAnywhere);
  shown->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  shown->setFocusPolicy(Qt::ClickFocus);

  const QSize screen = AvailableScreen();
  const int width = std::min(kPreferredTextWidth, screen.width() * 2 / 3);
  const int tallest = screen.height() * 2 / 3;
  int height = tallest;
  if (drawn.size() <= kMeasuredLength) {
    const QRect needed =
        shown->fontMetrics().boundingRect(QRect(0, 0, width, tallest * 4), Qt::TextWrapAnywhere | Qt::AlignLeft, drawn);
    const int margins = 2 * static_cast<int>(shown->document()->documentMargin()) + 4;
    height = std::min(tallest, needed.height() + margins);
  }
  shown->setFixedSize(width + 2 * static_cast<int>(shown->document()->documentMargin()) + 4, height);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  ok->setDefault(true);
  new EnterPressesButton(shown, ok);

  auto* layout = new QVBoxLayout(&box);
  layout->addWidget(shown);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  ok->setFocus();
  box.exec();
}

}  // namespace toolkit
