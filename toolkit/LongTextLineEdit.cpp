#include "toolkit/LongTextLineEdit.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionFrame>
#include <algorithm>
#include <type_traits>

namespace toolkit {
namespace {

// Up to this many characters the line edit draws its text itself: its cost
// is then too small to matter.
constexpr qsizetype kLongText = 4000;
// Characters laid out at a time when looking for what fits in the field.
constexpr qsizetype kPiece = 256;
// Characters laid out left of the first in view, for the part of a glyph that
// shows in the margin left of the line.
constexpr qsizetype kMarginCharacters = 16;
// Constants of the line edit's own drawing: the gap between its contents
// rectangle and the text, and how far left of the cursor its cursor
// rectangle begins.
constexpr int kTextMargin = 2;
constexpr int kCursorRectLead = 5;

// The characters the line edit shows as blanks rather than as boxes.
QChar Drawable(QChar c) {
  const bool control = c.unicode() < 0x20 && c != u'\t';
  const bool separator = c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
  return control || separator || c == QChar::ObjectReplacementCharacter ? QChar(u' ') : c;
}

}  // namespace

LongTextLineEdit::LongTextLineEdit() {
  connect(&blink_, &QTimer::timeout, this, [this] {
    if (!DrawsLongText()) return;
    cursorOn_ = !cursorOn_;
    update();
  });
  // The line edit updates only the parts where it would have drawn the change
  // itself; the cursor shows steadily again after each change.
  const auto changed = [this] {
    RestartBlinking();
    if (DrawsLongText()) update();
  };
  connect(this, &QLineEdit::textChanged, this, changed);
  connect(this, &QLineEdit::selectionChanged, this, changed);
  connect(this, &QLineEdit::cursorPositionChanged, this, changed);

  // The line edit's cursor blinks by the timer of its text control, and each
  // blink asks where the cursor stands in the whole text, at a cost that grows
  // with its length. While the text is drawn here that blink is not seen, so
  // the control's timer is silenced (it serves nothing else in a field that
  // shows its text).
  for (QObject* child : children()) {
    if (qstrcmp(child->metaObject()->className(), "QWidgetLineControl") == 0) child->installEventFilter(this);
  }
}

bool LongTextLineEdit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Timer && DrawsLongText()) return true;
  return QLineEdit::eventFilter(watched, event);
}

bool LongTextLineEdit::DrawsLongText() const { return text().size() + preedit_.size() > kLongText; }

LongTextLineEdit::Shown LongTextLineEdit::ShownText() const {
  Shown shown{text(), preedit_, cursorPosition(), cursorPosition()};
  shown.cursor += preeditCursor_;
  return shown;
}

qsizetype LongTextLineEdit::Shown::Length() const { return text.size() + preedit.size(); }

qsizetype LongTextLineEdit::Shown::ToShown(qsizetype inText) const {
  return inText < preeditAt ? inText : inText + preedit.size();
}

QString LongTextLineEdit::Shown::Mid(qsizetype start, qsizetype end) const {
  QString part;
  part.reserve(end - start);
  for (qsizetype at = start; at < end; ++at) {
    const bool inPreedit = at >= preeditAt && at < preeditAt + preedit.size();
    const QChar c = inPreedit ? preedit[at - preeditAt] : text[at < preeditAt ? at : at - preedit.size()];
    part.append(Drawable(c));
  }
  return part;
}

void LongTextLineEdit::LayOut(QTextLayout& layout, const Shown& shown, qsizetype start, qsizetype end) const {
  layout.setText(shown.Mid(start, end));
  layout.setFont(font());
  QTextOption option = layout.textOption();
  option.setTextDirection(layoutDirection());
  option.setFlags(QTextOption::IncludeTrailingSpaces);
  layout.setTextOption(option);
  const qsizetype preeditStart = std::max(start, shown.preeditAt);
  const qsizetype preeditEnd = std::min(end, shown.preeditAt + shown.preedit.size());
  if (preeditStart < preeditEnd) {
    QTextLayout::FormatRange composing;
    composing.start = static_cast<int>(preeditStart - start);
    composing.length = static_cast<int>(preeditEnd - preeditStart);
    composing.format.setFontUnderline(true);
    layout.setFormats({composing});
  }
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
}

qreal LongTextLineEdit::Advance(const Shown& shown, qsizetype from, qsizetype to, qreal enough) const {
  for (qsizetype span = kPiece;; span *= 2) {
    const qsizetype end = std::min(to, from + span);
    QTextLayout layout;
    LayOut(layout, shown, from, end);
    const qreal width = layout.lineAt(0).naturalTextWidth();
    if (end == to || width > enough) return width;
  }
}

void LongTextLineEdit::PlaceAt(const Shown& shown, qsizetype at, qreal x) {
  for (qsizetype span = kPiece;; span *= 2) {
    const qsizetype start = std::max<qsizetype>(0, at - span);
    QTextLayout layout;
    LayOut(layout, shown, start, at);
    const QTextLine line = layout.lineAt(0);
    // How far left of the view's edge the piece begins.
    const qreal hidden = line.naturalTextWidth() - x;
    if (hidden < 0 && start > 0) continue;
    if (hidden <= 0) {
      first_ = 0;
      offset_ = 0;
      return;
    }
    const int inPiece = line.xToCursor(hidden, QTextLine::CursorOnCharacter);
    first_ = start + inPiece;
    offset_ = hidden - line.cursorToX(inPiece);
    return;
  }
}

// The line edit's own rules, in its order: a cursor left of the view goes to
// the left edge, one right of it to the right edge, and no room is left on the
// right while text lies hidden on the left.
void LongTextLineEdit::Scroll(const Shown& shown, qreal width) {
  first_ = std::min(first_, shown.Length());
  if (shown.cursor < first_ || (shown.cursor == first_ && offset_ > 0)) {
    first_ = shown.cursor;
    offset_ = 0;
  } else if (Advance(shown, first_, shown.cursor, offset_ + width) - offset_ >= width) {
    PlaceAt(shown, shown.cursor, width - 1);
  } else if (Advance(shown, first_, shown.Length(), offset_ + width) - offset_ < width) {
    PlaceAt(shown, shown.Length(), width - 1);
  }
}

void LongTextLineEdit::paintEvent(QPaintEvent* event) {
  if (!DrawsLongText()) {
    drawnCursor_ = -1;
    QLineEdit::paintEvent(event);
    return;
  }
  PaintLongText();
}

// The line edit's own drawing, from the characters in view only: its panel,
// the text centred in its line, the selection and the cursor, with the cursor
// kept in view as the line edit keeps it.
void LongTextLineEdit::PaintLongText() {
  QPainter painter(this);
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
  const QRect contents =
      style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
  painter.setClipRect(contents);

  const QFontMetrics metrics = fontMetrics();
  const QRect lineRect(contents.x() + kTextMargin, contents.y() + (contents.height() - metrics.height() + 1) / 2,
                       contents.width() - 2 * kTextMargin, metrics.height());
  const Shown shown = ShownText();
  Scroll(shown, lineRect.width());

  // The piece laid out reaches a little left of the view, for what shows of a
  // glyph in the margin, and as far right as the contents.
  const qsizetype from = std::max<qsizetype>(0, first_ - kMarginCharacters);
  QTextLayout layout;
  qreal lead = 0;
  for (qsizetype span = kPiece;; span *= 2) {
    const qsizetype end = std::min(shown.Length(), first_ + span);
    LayOut(layout, shown, from, end);
    lead = layout.lineAt(0).cursorToX(static_cast<int>(first_ - from));
    if (end == shown.Length() || layout.lineAt(0).naturalTextWidth() - lead > offset_ + contents.width()) break;
  }
  const QTextLine line = layout.lineAt(0);
  const QPointF origin(lineRect.x() - offset_ - lead, lineRect.y() - (qRound(line.ascent()) - metrics.ascent()));
  const int cursor = static_cast<int>(shown.cursor - from);
  drawnCursor_ = shown.cursor;
  drawnCursorX_ = qRound(origin.x() + line.cursorToX(cursor));

  QList<QTextLayout::FormatRange> selections;
  if (hasSelectedText()) {
    const qsizetype start = std::max(shown.ToShown(selectionStart()), from);
    const qsizetype end = std::min(shown.ToShown(selectionEnd()), from + layout.text().size());
    if (start < end) {
      QTextLayout::FormatRange selected;
      selected.start = static_cast<int>(start - from);
      selected.length = static_cast<int>(end - start);
      selected.format.setBackground(palette().brush(QPalette::Highlight));
      selected.format.setForeground(palette().brush(QPalette::HighlightedText));
      selections.append(selected);
    }
  }
  painter.setPen(palette().text().color());
  layout.draw(&painter, origin, selections, contents);

  const bool cursorShown =
      hasFocus() && !isReadOnly() &&
      (!hasSelectedText() || style()->styleHint(QStyle::SH_BlinkCursorWhenTextSelected, &panel, this));
  if (cursorShown && cursorOn_) {
    layout.drawCursor(&painter, origin, cursor, style()->pixelMetric(QStyle::PM_TextCursorWidth, &panel, this));
  }
}

void LongTextLineEdit::RestartBlinking() {
  cursorOn_ = true;
  const int half = QGuiApplication::styleHints()->cursorFlashTime() / 2;
  if (hasFocus() && half > 0) {
    blink_.start(half);
  } else {
    blink_.stop();
  }
}

// The line edit's cursor rectangle tells where it places the cursor, and so
// the text, by its own scrolling; it is asked only when needed, as it costs
// time that grows with the text.
int LongTextLineEdit::Shift() const {
  if (drawnCursor_ < 0 || drawnCursor_ != ShownText().cursor) return 0;
  return cursorRect().x() + kCursorRectLead - drawnCursorX_;
}

template <class Event, class Handler>
void LongTextLineEdit::HandShifted(Event* event, Handler handler) {
  // A cursor moved since it was last drawn is drawn first, so that what lies
  // under the pointer is known.
  if (drawnCursor_ >= 0 && drawnCursor_ != ShownText().cursor) repaint();
  const int shift = Shift();
  if (shift == 0) {
    handler(event);
    return;
  }
  const QPointF position = event->position() + QPointF(shift, 0);
  if constexpr (std::is_same_v<Event, QMouseEvent>) {
    QMouseEvent shifted(event->type(), position, event->scenePosition(), event->globalPosition(), event->button(),
                        event->buttons(), event->modifiers(), event->pointingDevice());
    shifted.setTimestamp(event->timestamp());
    handler(&shifted);
    event->setAccepted(shifted.isAccepted());
  } else {
    Event shifted(position.toPoint(), event->possibleActions(), event->mimeData(), event->buttons(),
                  event->modifiers());
    handler(&shifted);
    event->setDropAction(shifted.dropAction());
    event->setAccepted(shifted.isAccepted());
  }
}

void LongTextLineEdit::mousePressEvent(QMouseEvent* event) {
  HandShifted(event, [this](QMouseEvent* shifted) { QLineEdit::mousePressEvent(shifted); });
}
void LongTextLineEdit::mouseMoveEvent(QMouseEvent* event) {
  HandShifted(event, [this](QMouseEvent* shifted) { QLineEdit::mouseMoveEvent(shifted); });
}
void LongTextLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  HandShifted(event, [this](QMouseEvent* shifted) { QLineEdit::mouseReleaseEvent(shifted); });
}
void LongTextLineEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  HandShifted(event, [this](QMouseEvent* shifted) { QLineEdit::mouseDoubleClickEvent(shifted); });
}
void LongTextLineEdit::dragMoveEvent(QDragMoveEvent* event) {
  HandShifted(event, [this](QDragMoveEvent* shifted) { QLineEdit::dragMoveEvent(shifted); });
}
void LongTextLineEdit::dropEvent(QDropEvent* event) {
  HandShifted(event, [this](QDropEvent* shifted) { QLineEdit::dropEvent(shifted); });
}

void LongTextLineEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  RestartBlinking();
}

void LongTextLineEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  preedit_.clear();
  preeditCursor_ = 0;
  RestartBlinking();
  update();
}

// The composition is drawn here as the line edit would draw it; the line edit
// keeps it to itself.
void LongTextLineEdit::inputMethodEvent(QInputMethodEvent* event) {
  QLineEdit::inputMethodEvent(event);
  preedit_ = event->preeditString();
  preeditCursor_ = preedit_.size();
  for (const QInputMethodEvent::Attribute& attribute : event->attributes()) {
    if (attribute.type == QInputMethodEvent::Cursor)
      preeditCursor_ = std::clamp<qsizetype>(attribute.start, 0, preedit_.size());
  }
  update();
}

// Where the input method places its window: at the cursor as drawn here.
QVariant LongTextLineEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
  const QVariant value = QLineEdit::inputMethodQuery(query);
  if (query != Qt::ImCursorRectangle && query != Qt::ImAnchorRectangle) return value;
  return value.toRect().translated(-Shift(), 0);
}

}  // namespace toolkit
