#pragma once

// A line edit that draws a long text in time that does not grow with its
// length. Qt's own line edit measures and draws its whole text on every
// paint, and it paints twice a second while its cursor blinks: a field
// holding a megabyte would keep a processor core busy, and ten megabytes
// would freeze the window for seconds whenever it is drawn.
//
// A short text is drawn by the line edit itself. A long one is drawn here,
// from the characters around the visible part only, with the cursor blinking
// by its own timer. Editing, selection, the clipboard, undo and assistive
// technology stay the line edit's, over the whole text; mouse positions are
// handed to it as if it had drawn the text itself. Toolkit-internal.

#include <QLineEdit>
#include <QTextLayout>
#include <QTimer>

namespace toolkit {

class LongTextLineEdit : public QLineEdit {
 public:
  LongTextLineEdit();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The text as drawn: the composition of an input method inserted at the
  // cursor, and the cursor in it.
  struct Shown {
    QString text;
    QString preedit;
    qsizetype preeditAt = 0;
    qsizetype cursor = 0;
    qsizetype Length() const;
    // The drawn position of a position in the text.
    qsizetype ToShown(qsizetype inText) const;
    // The characters [start, end) as the line edit draws them.
    QString Mid(qsizetype start, qsizetype end) const;
  };

  bool DrawsLongText() const;
  Shown ShownText() const;
  void PaintLongText();
  // Lays out the characters [start, end) as the line edit lays out its line.
  void LayOut(QTextLayout& layout, const Shown& shown, qsizetype start, qsizetype end) const;
  // The width of the characters [from, to), or some width beyond `enough`
  // once they are known to be wider.
  qreal Advance(const Shown& shown, qsizetype from, qsizetype to, qreal enough) const;
  // Scrolls so that position `at` stands `x` pixels right of the left edge.
  void PlaceAt(const Shown& shown, qsizetype at, qreal x);
  void Scroll(const Shown& shown, qreal width);
  void RestartBlinking();
  // Hands a mouse or drop event to the line edit's own `handler` at the place
  // the line edit would have drawn what lies under it.
  template <class Event, class Handler>
  void HandShifted(Event* event, Handler handler);

  // How far right of where it is drawn here the line edit places the text
  // (it keeps its own scrolling, from when it last drew the text itself);
  // 0 while the line edit draws itself.
  int Shift() const;

  // The view's left edge: `offset_` pixels into character `first_`.
  qsizetype first_ = 0;
  qreal offset_ = 0;
  // The cursor as last drawn here, and its x; -1 while the line edit draws.
  qsizetype drawnCursor_ = -1;
  int drawnCursorX_ = 0;
  QTimer blink_;
  bool cursorOn_ = true;
  QString preedit_;
  qsizetype preeditCursor_ = 0;
};

}  // namespace toolkit
