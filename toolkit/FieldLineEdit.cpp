#include "toolkit/FieldLineEdit.h"

#include <QKeyEvent>
#include <QValidator>
#include <algorithm>
#include <limits>
#include <type_traits>

#include "toolkit/Clipboard.h"
#include "toolkit/Dispatch.h"
#include "toolkit/QtText.h"
#include "toolkit/ShortenedText.h"

namespace toolkit {
namespace {

// Turns each run of tabs and line breaks in `text` into one blank, for the
// line edit's QString and for an entry's UTF-8 alike.
template <class String>
void JoinLines(String& text) {
  using Char = std::remove_cvref_t<decltype(text[0])>;
  const auto separates = [](Char c) { return c == Char(u'\t') || c == Char(u'\r') || c == Char(u'\n'); };
  if (std::count_if(text.cbegin(), text.cend(), separates) == 0) return;
  decltype(text.size()) kept = 0;
  bool inRun = false;
  for (decltype(text.size()) at = 0; at < text.size(); ++at) {
    const Char c = text[at];
    if (!separates(c)) {
      text[kept++] = c;
    } else if (!inRun) {
      text[kept++] = Char(u' ');
    }
    inRun = separates(c);
  }
  text.resize(kept);
}

// Qt runs it on every change of the line edit's text, whoever makes it. The
// cursor stays after what stood before it: the joining goes from left to
// right, so what stands before the cursor joins on its own as it does within
// the whole.
class OneLine : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& position) const override {
    QString before = input.left(position);
    JoinLines(before);
    JoinLines(input);
    position = static_cast<int>(before.size());
    return Acceptable;
  }
};

}  // namespace

FieldLineEdit::FieldLineEdit() {
  // A text that reaches the line edit past the bound (a drop, say) must not
  // be cut at Qt's own limit of 32767 characters before it is taken whole.
  setMaxLength(std::numeric_limits<int>::max());
  setValidator(new OneLine(this));
  connect(this, &QLineEdit::textChanged, this, Guarded([this] {
            if (long_) return;
            entry_ = FromQt(text());
            if (!IsShownWhole(entry_)) {
              QMetaObject::invokeMethod(this, Guarded([this] { SetEntry(entry_); }), Qt::QueuedConnection);
            }
          }));
}

void FieldLineEdit::SetEntry(std::string entry) {
  JoinLines(entry);
  entry_ = std::move(entry);
  long_ = !IsShownWhole(entry_);
  setText(long_ ? BoundedText(entry_).text : ToQt(entry_));
  setReadOnly(long_ || !editable_);
  if (long_) home(false);
}

void FieldLineEdit::SetEditable(bool editable) {
  editable_ = editable;
  setReadOnly(long_ || !editable_);
}

bool FieldLineEdit::AllSelected() const { return hasSelectedText() && selectionLength() == text().size(); }

bool FieldLineEdit::CanPerform(EditCommand command) const {
  // A long entry changes only as a whole.
  const bool changes = editable_ && (!long_ || AllSelected());
  switch (command) {
    case EditCommand::Undo: return editable_ && !long_ && isUndoAvailable();
    case EditCommand::Cut:
    case EditCommand::Clear: return changes && hasSelectedText();
    case EditCommand::Copy: return hasSelectedText();
    case EditCommand::Paste: return changes && Clipboard::MayHoldText();
    case EditCommand::SelectAll: return !text().isEmpty();
  }
  return false;
}

void FieldLineEdit::Perform(EditCommand command) {
  if (!CanPerform(command)) return;
  switch (command) {
    case EditCommand::Undo: undo(); return;
    case EditCommand::Cut:
    case EditCommand::Copy:
      if (!long_) {
        command == EditCommand::Cut ? cut() : copy();
        return;
      }
      Clipboard().SetText(entry_);
      if (command == EditCommand::Cut) SetEntry({});
      return;
    case EditCommand::Paste: Paste(); return;
    case EditCommand::Clear: long_ ? SetEntry({}) : del(); return;
    case EditCommand::SelectAll: selectAll(); return;
  }
}

// One read of the clipboard; a read that gives no text leaves the field as it
// was, where Qt's own paste would delete the selection.
void FieldLineEdit::Paste() {
  Clipboard clipboard;
  if (clipboard.TextAvailable()) Insert(clipboard.Text());
}

void FieldLineEdit::Insert(const std::string& text) {
  const QString shown = this->text();
  const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
  std::string entry = FromQt(shown.left(start)) + text + FromQt(shown.mid(start + selectionLength()));
  if (!long_ && IsShownWhole(entry)) {
    insert(ToQt(text));
  } else {
    SetEntry(std::move(entry));
  }
}

// The paste key goes the toolkit's way, as the menu's Paste does. Keys that
// change a long entry replace it as a whole, once it is all selected; Copy
// and Cut take it whole.
void FieldLineEdit::keyPressEvent(QKeyEvent* event) {
  bool taken = false;
  RunHandler([&] {
    const bool paste = event->matches(QKeySequence::Paste);
    const bool copy = event->matches(QKeySequence::Copy);
    if (paste || (long_ && (copy || event->matches(QKeySequence::Cut)))) {
      Perform(paste ? EditCommand::Paste : copy ? EditCommand::Copy : EditCommand::Cut);
      taken = true;
      return;
    }
    const bool deletes = event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace;
    const bool types = !event->text().isEmpty() && event->text().front().isPrint();
    if (long_ && (deletes || types) && CanPerform(EditCommand::Clear)) {
      Perform(EditCommand::Clear);
      taken = deletes;
    }
  });
  if (!taken) QLineEdit::keyPressEvent(event);
}

}  // namespace toolkit
