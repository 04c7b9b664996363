#include "toolkit/TextView.h"

#include <QAccessibleWidget>
#include <QMimeData>
#include <QTextCursor>

#include "toolkit/Accessible.h"
#include "toolkit/Dispatch.h"
#include "toolkit/QtText.h"
#include "toolkit/Text.h"

namespace toolkit {
namespace {

// A part of the whole text as a reader takes it: its line endings (CR LF, CR
// or LF) as line feeds, as in the display text.
QString ReaderPart(std::string_view part) {
  if (part.find('\r') == std::string_view::npos) return ToQt(part);
  return ToQt(ReplaceLineEndings(std::string(part), "\n"));
}

// Assistive technology reads the view's whole text and addresses it by
// positions in the whole text.
class TextViewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TextViewAccessible(TextView* view) : QAccessibleWidget(view, QAccessible::EditableText) {}

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
    return kind == QAccessible::Value ? View().ReaderText() : QAccessibleWidget::text(kind);
  }

  void selection(int index, int* start, int* end) const override {
    const QTextCursor cursor = View().textCursor();
    const bool selected = index == 0 && cursor.hasSelection();
    *start = selected ? ToReader(cursor.selectionStart()) : 0;
    *end = selected ? ToReader(cursor.selectionEnd()) : 0;
  }
  int selectionCount() const override { return View().textCursor().hasSelection() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int /*index*/) override {
    const int position = View().textCursor().position();
    Select(position, position);
  }
  void setSelection(int /*index*/, int start, int end) override { Select(ToShown(start), ToShown(end, true)); }
  int cursorPosition() const override { return ToReader(View().textCursor().position()); }
  void setCursorPosition(int position) override { Select(ToShown(position), ToShown(position)); }

  QString text(int start, int end) const override { return View().ReaderText().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(View().ReaderText().size()); }
  QRect characterRect(int offset) const override {
    QTextCursor cursor(View().document());
    cursor.setPosition(ToShown(offset));
    QRect rect = View().cursorRect(cursor);
    const QString read = View().ReaderText();
    if (offset < read.size()) rect.setWidth(View().fontMetrics().horizontalAdvance(read.at(offset)));
    rect.moveTopLeft(View().viewport()->mapToGlobal(rect.topLeft()));
    return rect;
  }
  int offsetAtPoint(const QPoint& point) const override {
    return ToReader(View().cursorForPosition(View().viewport()->mapFromGlobal(point)).position());
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
  TextView& View() const { return static_cast<TextView&>(*widget()); }
  // Display positions.
  void Select(int anchor, int position) {
    QTextCursor cursor = View().textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    View().setTextCursor(cursor);
  }
  int ToReader(int shown) const { return static_cast<int>(View().ToReader(shown)); }
  int ToShown(int read, bool after = false) const { return static_cast<int>(View().ToShown(read, after)); }
};

}  // namespace

TextView::TextView() { ProvideAccessible<TextView, TextViewAccessible>(); }

void TextView::Show(const std::string& whole) {
  whole_ = &whole;
  shown_ = BoundedText(whole);
  reading_.reset();
  setPlainText(shown_.text);
}

// A reader asks through Qt, which passes no exception on: a text too large to
// convert leaves the reading short, and the application ends.
TextView::Reading TextView::Read() const {
  if (reading_) return *reading_;
  const std::string_view whole = whole_ != nullptr ? *whole_ : std::string_view();
  Reading reading;
  RunHandler([&] {
    reading.text.reserve(static_cast<qsizetype>(whole.size()));
    std::size_t done = 0;
    for (const Ellipsis& ellipsis : shown_.ellipses) {
      reading.text += ReaderPart(whole.substr(done, ellipsis.from - done));
      reading.starts.push_back(reading.text.size());
      reading.text += ReaderPart(whole.substr(ellipsis.from, ellipsis.to - ellipsis.from));
      reading.ends.push_back(reading.text.size());
      done = ellipsis.to;
    }
    reading.text += ReaderPart(whole.substr(done));
  });
  if (IsCut()) reading_ = reading;
  return reading;
}

QString TextView::ReaderText() const { return Read().text; }

// Between ellipses the display text and the reader's text are alike.
qsizetype TextView::ToReader(qsizetype shown) const {
  if (!IsCut()) return shown;
  const Reading reading = Read();
  qsizetype read = shown;
  for (std::size_t i = 0; i < reading.ends.size() && shown_.ellipses[i].at < shown; ++i) {
    read = reading.ends[i] + shown - shown_.ellipses[i].at - 1;
  }
  return read;
}

qsizetype TextView::ToShown(qsizetype read, bool after) const {
  if (!IsCut()) return read;
  const Reading reading = Read();
  qsizetype shown = read;
  for (std::size_t i = 0; i < reading.ends.size() && read > reading.starts[i]; ++i) {
    if (read < reading.ends[i]) return shown_.ellipses[i].at + (after ? 1 : 0);
    shown = shown_.ellipses[i].at + 1 + read - reading.ends[i];
  }
  return shown;
}

QMimeData* TextView::createMimeDataFromSelection() const {
  const QTextCursor cursor = textCursor();
  const qsizetype start = ToReader(cursor.selectionStart());
  auto* selected = new QMimeData;
  selected->setText(ReaderText().mid(start, ToReader(cursor.selectionEnd()) - start));
  return selected;
}

}  // namespace toolkit
