#include "toolkit/TextField.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>
#include <algorithm>
#include <limits>

#include "toolkit/Dispatch.h"
#include "toolkit/EditCommands.h"
#include "toolkit/FieldMouseEditing.h"
#include "toolkit/LongTextLineEdit.h"
#include "toolkit/QtText.h"

namespace toolkit {
namespace {

bool SeparatesLines(QChar c) { return c == u'\t' || c == u'\r' || c == u'\n'; }

// Turns each run of tabs and line breaks into one blank, keeping the cursor
// where it was in the text around them. Qt runs it on every change of the
// field's text, whoever makes it.
class OneLine : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& position) const override {
    if (std::none_of(input.cbegin(), input.cend(), SeparatesLines)) return Acceptable;
    QString line;
    line.reserve(input.size());
    int linePosition = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
      if (i == position) linePosition = static_cast<int>(line.size());
      const QChar c = input[i];
      if (!SeparatesLines(c)) {
        line += c;
      } else if (i == 0 || !SeparatesLines(input[i - 1])) {
        line += u' ';
      }
    }
    if (position >= input.size()) linePosition = static_cast<int>(line.size());
    input = line;
    position = linePosition;
    return Acceptable;
  }
};

// The field's paste key goes the toolkit's way: one read of the clipboard,
// and a read that gives no text changes nothing.
class PasteKey : public EventFilter {
 public:
  using EventFilter::EventFilter;

 protected:
  bool Filter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
      return false;
    }
    Perform(EditCommand::Paste, static_cast<QWidget*>(watched));
    return true;
  }
};

}  // namespace

TextField::TextField(std::int32_t index) : TextField(new LongTextLineEdit, index) {}

// A field takes texts of any length: Qt's own limit of 32767 characters would
// silently cut a longer text that the program or the user puts in.
TextField::TextField(QLineEdit* edit, std::int32_t index) : Control(edit, index), edit_(edit) {
  edit_->setMaxLength(std::numeric_limits<int>::max());
  edit_->setValidator(new OneLine(edit_));
  new PasteKey(edit_);
  new FieldMouseEditing(edit_);
}

std::string TextField::Text() const { return FromQt(edit_->text()); }

void TextField::SetText(const std::string& text) { edit_->setText(ToQt(text)); }

void TextField::SetProperties(const ControlSpec& spec) {
  Control::SetProperties(spec);
  edit_->setReadOnly(spec.readOnly);
  edit_->setFrame(spec.border);
  SetText(spec.text);
}

}  // namespace toolkit
