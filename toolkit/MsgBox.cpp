#include "toolkit/MsgBox.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "toolkit/Accessible.h"
#include "toolkit/Dispatch.h"
#include "toolkit/Keys.h"
#include "toolkit/TextView.h"

namespace toolkit {
namespace {

constexpr int kPreferredTextWidth = 360;
// Beyond this many characters the text's wrapped height is not measured: it
// is sure to need the tallest box.
constexpr qsizetype kMeasuredLength = 20000;

// The box and the view of its text, which the box owns.
class MessageBox : public QDialog {
 public:
  explicit MessageBox(QWidget* parent) : QDialog(parent), shown_(new TextView) { shown_->setParent(this); }
  TextView& Shown() const { return *shown_; }

 private:
  TextView* shown_;
};

// Screen readers announce the box as an alert, as they do the platform's own,
// and speak its description with it as it appears: the message, which the
// text view reads from the caller's text when asked (the view alone is read
// only once the user turns to it).
class AlertAccessible : public QAccessibleWidget {
 public:
  explicit AlertAccessible(MessageBox* box) : QAccessibleWidget(box, QAccessible::AlertMessage) {}

  QString text(QAccessible::Text kind) const override {
    if (kind != QAccessible::Description) return QAccessibleWidget::text(kind);
    return static_cast<const MessageBox&>(*widget()).Shown().ReaderText();
  }
};

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
    if (event->type() != QEvent::KeyPress || !IsEnterPress(*static_cast<QKeyEvent*>(event))) return false;
    button_->click();
    return true;
  }

 private:
  QPushButton* button_;
};

}  // namespace

void MsgBox(const std::string& text) {
  ProvideAccessible<MessageBox, AlertAccessible>();
  MessageBox box(QApplication::activeWindow());
  box.setObjectName(kMsgBoxObjectName);
  box.setWindowTitle(QApplication::applicationDisplayName());

  // A line quoting a pasted entry can be megabytes long: the view draws its
  // beginning and reads the message from `text`, which outlives the box.
  TextView* shown = &box.Shown();
  shown->Show(text);
  const QString drawn = shown->toPlainText();
  shown->setReadOnly(true);
  shown->setFrameShape(QFrame::NoFrame);
  shown->viewport()->setAutoFillBackground(false);
  shown->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
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
