#include "toolkit/ElidedTextView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <algorithm>

#include "toolkit/ShortenedText.h"

namespace toolkit {
namespace {

// Words up to this many characters are never measured: they cannot reach past
// a screen. It is also the length of the pieces a long word is measured in.
constexpr qsizetype kShortWord = 1000;
// Wider than any screen or window: the part of a word beyond it is never seen.
constexpr qreal kWidestLine = 65536;

// Calls `visit(start, end)` for each line of `text`, from its first character
// to its line feed or the text's end.
template <class Visit>
void ForEachLine(const QString& text, Visit visit) {
  for (qsizetype start = 0; start <= text.size();) {
    qsizetype end = text.indexOf(u'\n', start);
    if (end < 0) end = text.size();
    visit(start, end);
    start = end + 1;
  }
}

// Where the part of the word [start, end) beyond kWidestLine begins; `end`
// when the whole word is narrower.
qsizetype UnseenFrom(const QString& text, qsizetype start, qsizetype end, const QFontMetricsF& metrics) {
  qreal width = 0;
  for (qsizetype at = start; at < end;) {
    const qsizetype next = CharacterStart(text, std::min(end, at + kShortWord));
    width += metrics.horizontalAdvance(text.mid(at, next - at));
    at = next;
    if (width > kWidestLine) return at;
  }
  return end;
}

// Assistive technology reads the view's whole text, elided parts included;
// positions it uses are those of the whole text.
class WholeTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit WholeTextAccessible(ElidedTextView* view) : QAccessibleWidget(view, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = View().isReadOnly();
    state.editable = !View().isReadOnly();
    state.multiLine = true;
    state.selectableText = true;
    return state;
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return Whole();
    return QAccessibleWidget::text(kind);
  }

  void selection(int index, int* start, int* end) const override {
    *start = 0;
    *end = 0;
    const QTextCursor cursor = View().textCursor();
    if (index != 0 || !cursor.hasSelection()) return;
    *start = ToWhole(cursor.selectionStart());
    *end = ToWhole(cursor.selectionEnd());
  }
  int selectionCount() const override { return View().textCursor().hasSelection() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int /*index*/) override {
    QTextCursor cursor = View().textCursor();
    cursor.clearSelection();
    View().setTextCursor(cursor);
  }
  void setSelection(int /*index*/, int start, int end) override {
    QTextCursor cursor = View().textCursor();
    cursor.setPosition(ToShown(start));
    cursor.setPosition(ToShown(end, true), QTextCursor::KeepAnchor);
    View().setTextCursor(cursor);
  }

  int cursorPosition() const override { return ToWhole(View().textCursor().position()); }
  void setCursorPosition(int position) override {
    QTextCursor cursor = View().textCursor();
    cursor.setPosition(ToShown(position));
    View().setTextCursor(cursor);
  }

  QString text(int start, int end) const override { return Whole().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Whole().size()); }

  QRect characterRect(int offset) const override {
    QTextCursor cursor(View().document());
    cursor.setPosition(ToShown(offset));
    QRect rect = View().cursorRect(cursor);
    const QString whole = Whole();
    if (offset < whole.size()) rect.setWidth(View().fontMetrics().horizontalAdvance(whole.at(offset)));
    rect.moveTopLeft(View().viewport()->mapToGlobal(rect.topLeft()));
    return rect;
  }
  int offsetAtPoint(const QPoint& point) const override {
    return ToWhole(View().cursorForPosition(View().viewport()->mapFromGlobal(point)).position());
  }
  void scrollToSubstring(int start, int end) override {
    setSelection(0, start, end);
    View().ensureCursorVisible();
  }
  // The text is plain: one run without attributes.
  QString attributes(int /*offset*/, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  // A deferred text is shown before anything is read, so that what is read
  // is what the program set.
  ElidedTextView& View() const {
    auto& view = static_cast<ElidedTextView&>(*widget());
    view.ShowPending();
    return view;
  }
  QString Whole() const { return View().WholeText(); }
  int ToWhole(int shown) const { return static_cast<int>(View().ToWhole(shown)); }
  int ToShown(int whole, bool after = false) const { return static_cast<int>(View().ToShown(whole, after)); }
};

QAccessibleInterface* WholeTextAccessibleFor(const QString& key, QObject* object) {
  if (key != QLatin1String("QPlainTextEdit")) return nullptr;
  auto* view = dynamic_cast<ElidedTextView*>(object);
  return view != nullptr ? new WholeTextAccessible(view) : nullptr;
}

}  // namespace

std::vector<Elision> LongLineTails(const QString& text) {
  std::vector<Elision> tails;
  ForEachLine(text, [&](qsizetype start, qsizetype end) {
    if (end - start > kLongestShownLine) tails.push_back({CharacterStart(text, start + kLongestShownLine), end});
  });
  return tails;
}

std::vector<Elision> UnseenWordTails(const QString& text, const QFont& font) {
  const QFontMetricsF metrics(font);
  std::vector<Elision> tails;
  ForEachLine(text, [&](qsizetype start, qsizetype end) {
    if (end - start <= kShortWord) return;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text.constData() + start, end - start);
    for (qsizetype word = 0, next = breaks.toNextBoundary(); next >= 0; word = next, next = breaks.toNextBoundary()) {
      if (next - word <= kShortWord) continue;
      const qsizetype unseen = UnseenFrom(text, start + word, start + next, metrics);
      if (unseen < start + next) tails.push_back({unseen, start + next});
    }
  });
  return tails;
}

ElidedTextView::ElidedTextView() {
  static const bool factoryInstalled = (QAccessible::installFactory(WholeTextAccessibleFor), true);
  (void)factoryInstalled;
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { RevealNearby(); });
}

void ElidedTextView::SetText(const QString& whole, std::vector<Elision> unseen, qsizetype paragraphStep) {
  pendingShow_ = nullptr;
  whole_ = whole;
  unseen_ = std::move(unseen);
  paragraphStep_ = paragraphStep;
  later_.clear();
  if (paragraphStep_ > 0) {
    ForEachLine(whole_, [this](qsizetype start, qsizetype end) {
      const qsizetype stop = StopAfter(start, end, paragraphStep_);
      if (stop < end) later_.push_back({stop, end});
    });
  }
  CollectElisions();
  if (elisions_.empty()) {
    whole_.clear();
    setPlainText(whole);
    return;
  }
  setPlainText(Drawn(0, whole_.size(), elisions_));
  RevealNearby();
}

QString ElidedTextView::Drawn(qsizetype from, qsizetype to, const std::vector<Elision>& elisions) const {
  QString drawn;
  qsizetype at = from;
  for (const Elision& elision : elisions) {
    if (elision.start < from || elision.end > to) continue;
    drawn.append(QStringView(whole_).mid(at, elision.start - at));
    drawn.append(kEllipsis);
    at = elision.end;
  }
  drawn.append(QStringView(whole_).mid(at, to - at));
  return drawn;
}

qsizetype ElidedTextView::StopAfter(qsizetype from, qsizetype end, qsizetype step) const {
  auto unseen = std::upper_bound(unseen_.begin(), unseen_.end(), from,
                                 [](qsizetype position, const Elision& elision) { return position < elision.end; });
  for (qsizetype at = from, left = step;;) {
    const qsizetype next = unseen != unseen_.end() && unseen->start < end ? unseen->start : end;
    if (next - at >= left) return CharacterStart(whole_, at + left);
    if (next == end) return end;
    // An unseen part is drawn as one character.
    left -= next - at + 1;
    at = unseen->end;
    ++unseen;
    if (left <= 0) return at;
  }
}

void ElidedTextView::CollectElisions() {
  elisions_.clear();
  auto later = later_.begin();
  for (const Elision& unseen : unseen_) {
    while (later != later_.end() && later->end <= unseen.start) elisions_.push_back(*later++);
    if (later == later_.end() || unseen.start < later->start) elisions_.push_back(unseen);
  }
  elisions_.insert(elisions_.end(), later, later_.end());

  ellipsisAt_.clear();
  removedBefore_.assign(1, 0);
  for (const Elision& elision : elisions_) {
    ellipsisAt_.push_back(elision.start - removedBefore_.back());
    removedBefore_.push_back(removedBefore_.back() + elision.end - elision.start - 1);
  }
}

// A paragraph drawn in part stops with an ellipsis at the end of its block.
// Once that ellipsis comes within a few screens of the view, more of the
// paragraph is drawn in its place, so that the user never scrolls to it.
void ElidedTextView::RevealNearby() {
  const qreal reach = 3.0 * viewport()->height();
  for (QTextBlock block = firstVisibleBlock(); block.isValid() && !later_.empty(); block = block.next()) {
    if (blockBoundingGeometry(block).translated(contentOffset()).top() > reach) return;
    for (;;) {
      const qsizetype last = block.position() + block.length() - 2;
      const auto later =
          std::find_if(later_.begin(), later_.end(), [&](const Elision& part) { return ToShown(part.start) == last; });
      if (later == later_.end()) break;
      QTextCursor ellipsis(document());
      ellipsis.setPosition(static_cast<int>(last));
      if (cursorRect(ellipsis).top() > reach) break;
      RevealMore(static_cast<std::size_t>(later - later_.begin()));
      block = document()->findBlock(static_cast<int>(last));
    }
  }
}

void ElidedTextView::RevealMore(std::size_t later) {
  const qsizetype ellipsis = ToShown(later_[later].start);
  const qsizetype from = later_[later].start;
  const qsizetype end = later_[later].end;
  const qsizetype stop = StopAfter(from, end, paragraphStep_);
  QString more = Drawn(from, stop, unseen_);
  if (stop < end) {
    more.append(kEllipsis);
    later_[later].start = stop;
  } else {
    later_.erase(later_.begin() + static_cast<std::ptrdiff_t>(later));
  }
  CollectElisions();
  QTextCursor cursor(document());
  cursor.setPosition(static_cast<int>(ellipsis));
  cursor.setPosition(static_cast<int>(ellipsis) + 1, QTextCursor::KeepAnchor);
  cursor.insertText(more);
}

void ElidedTextView::ShowLater(std::function<void()> show) {
  const bool queued = static_cast<bool>(pendingShow_);
  pendingShow_ = std::move(show);
  if (!queued) QMetaObject::invokeMethod(this, [this] { ShowPending(); }, Qt::QueuedConnection);
}

void ElidedTextView::ShowPending() {
  if (!pendingShow_) return;
  const std::function<void()> show = std::move(pendingShow_);
  pendingShow_ = nullptr;
  show();
}

// Without elisions the document holds the whole text, also as the user edits
// it; its paragraph separators are the line ends.
QString ElidedTextView::WholeText() const {
  if (HasElisions()) return whole_;
  QString text = document()->toRawText();
  text.replace(QChar(QChar::ParagraphSeparator), u'\n');
  return text;
}

qsizetype ElidedTextView::ToWhole(qsizetype shown) const {
  // The ellipses that stand wholly before `shown`.
  const auto before = std::lower_bound(ellipsisAt_.begin(), ellipsisAt_.end(), shown) - ellipsisAt_.begin();
  return shown + removedBefore_[static_cast<std::size_t>(before)];
}

qsizetype ElidedTextView::ToShown(qsizetype whole, bool after) const {
  // The elisions that end at or before `whole`.
  const auto passed = static_cast<std::size_t>(
      std::upper_bound(elisions_.begin(), elisions_.end(), whole,
                       [](qsizetype position, const Elision& elision) { return position < elision.end; }) -
      elisions_.begin());
  if (passed < elisions_.size() && elisions_[passed].start < whole) return ellipsisAt_[passed] + (after ? 1 : 0);
  return whole - removedBefore_[passed];
}

bool ElidedTextView::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::FocusIn: ShowPending(); break;
    default: break;
  }
  return QPlainTextEdit::event(event);
}

void ElidedTextView::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  RevealNearby();
}

bool ElidedTextView::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop: ShowPending(); break;
    default: break;
  }
  return QPlainTextEdit::viewportEvent(event);
}

// A selection across an ellipsis copies the whole text it stands for.
QMimeData* ElidedTextView::createMimeDataFromSelection() const {
  if (!HasElisions()) return QPlainTextEdit::createMimeDataFromSelection();
  const QTextCursor cursor = textCursor();
  const qsizetype start = ToWhole(cursor.selectionStart());
  auto* selected = new QMimeData;
  selected->setText(whole_.mid(start, ToWhole(cursor.selectionEnd()) - start));
  return selected;
}

}  // namespace toolkit
