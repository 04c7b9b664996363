#include "toolkit/TextArea.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "toolkit/QtText.h"

namespace toolkit {
namespace {

constexpr char16_t kParagraphSeparator = u'\u2029';

// Every line ending (CR LF, LF or CR) as one carriage return, in place: a
// pasted text can be a hundred megabytes, and it only shrinks. Texts from
// Linux programs end their lines with line feeds alone; for them this is one
// pass that the compiler turns into vector instructions.
void EndLinesWithCarriageReturns(std::string& text) {
  if (text.find('\r') != std::string::npos) {
    // A line feed after a carriage return ends the same line: it goes.
    std::size_t kept = 0;
    char previous = '\0';
    for (const char c : text) {
      if (!(c == '\n' && previous == '\r')) text[kept++] = c;
      previous = c;
    }
    text.resize(kept);
  }
  for (char& c : text) c = c == '\n' ? '\r' : c;
}

}  // namespace

TextArea::TextArea(std::int32_t index) : TextArea(new QPlainTextEdit, index) {}

TextArea::TextArea(QPlainTextEdit* edit, std::int32_t index) : Control(edit, index), edit_(edit) {
  edit_->setTabChangesFocus(true);
  QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, [this] {
    if (!showing_) TakeTypedText();
  });
}

void TextArea::SetText(std::string text) {
  EndLinesWithCarriageReturns(text);
  text_ = std::move(text);
  Show();
}

bool TextArea::ReadOnly() const { return edit_->isReadOnly(); }

void TextArea::SetLineSpacing(double spacing) {
  lineSpacing_ = spacing;
  Show();
}

void TextArea::Show() {
  showing_ = true;
  QString shown = ToQt(text_);
  shown.replace(u'\r', u'\n');
  edit_->setPlainText(shown);
  if (lineSpacing_ != 1.0) {
    QTextCursor cursor(edit_->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setLineHeight(lineSpacing_ * 100, QTextBlockFormat::ProportionalHeight);
    cursor.mergeBlockFormat(format);
  }
  showing_ = false;
}

// What the user typed or pasted: the document's raw text, whose paragraph
// separators are the line endings.
void TextArea::TakeTypedText() {
  QString raw = edit_->document()->toRawText();
  raw.replace(QChar(kParagraphSeparator), QChar(u'\r'));
  text_ = FromQt(raw);
  EndLinesWithCarriageReturns(text_);
}

void TextArea::SetProperties(const ControlSpec& spec) {
  Control::SetProperties(spec);
  edit_->setReadOnly(spec.readOnly);
  edit_->setFrameShape(spec.border ? QFrame::StyledPanel : QFrame::NoFrame);
  edit_->setVerticalScrollBarPolicy(spec.scrollbarVertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  edit_->setHorizontalScrollBarPolicy(spec.scrollbarHorizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  edit_->setLineWrapMode(spec.scrollbarHorizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
  // Lines wrap between words only: breaking a word of a megabyte into lines
  // takes Qt minutes, and a pasted text can be that long.
  edit_->setWordWrapMode(QTextOption::WordWrap);
  SetText(spec.text);
}

}  // namespace toolkit
