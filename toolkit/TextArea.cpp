#include "toolkit/TextArea.h"

#include <QTextBlock>
#include <QTextCursor>

#include "toolkit/Dispatch.h"
#include "toolkit/ElidedTextView.h"
#include "toolkit/QtText.h"
#include "toolkit/ScrollArea.h"

namespace toolkit {
namespace {

// The characters of a paragraph a read-only area draws at a time: thousands of
// lines, laid out in a few milliseconds.
constexpr qsizetype kParagraphStep = 1 << 16;

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

TextArea::TextArea(std::int32_t index) : TextArea(new ElidedTextView, index) {}

TextArea::TextArea(ElidedTextView* edit, std::int32_t index) : Control(edit, index), edit_(edit) {
  edit_->setTabChangesFocus(true);
  // Only the user's typing into an editable area changes its text; a
  // read-only one changes only what it draws.
  QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, Guarded([this] {
                     if (!showing_ && !edit_->isReadOnly()) TakeTypedText();
                   }));
}

void TextArea::SetText(std::string text) {
  EndLinesWithCarriageReturns(text);
  // The same text again (the editor writes back what it read) is shown already.
  if (text == text_) return;
  text_ = std::move(text);
  edit_->ShowLater([this] { Show(); });
}

bool TextArea::ReadOnly() const { return edit_->isReadOnly(); }

void TextArea::SetLineSpacing(double spacing) {
  lineSpacing_ = spacing;
  edit_->ShowLater([this] { Show(); });
}

void TextArea::Show() {
  showing_ = true;
  QString shown = ToQt(text_);
  shown.replace(u'\r', u'\n');
  // Lines that wrap never show what lies beyond the width of a screen, and a
  // long paragraph is drawn as the user scrolls through it. With a horizontal
  // scroll bar, or editable, every character is drawn from the start.
  if (edit_->isReadOnly() && edit_->lineWrapMode() != QPlainTextEdit::NoWrap) {
    edit_->SetText(shown, UnseenWordTails(shown, edit_->font()), kParagraphStep);
  } else {
    edit_->SetText(shown);
  }
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
  text_ = FromQt(edit_->WholeText());
  EndLinesWithCarriageReturns(text_);
}

void TextArea::SetTextMetrics(const ControlSpec& spec) {
  Control::SetTextMetrics(spec);
  if (spec.lineSpacing) SetLineSpacing(*spec.lineSpacing);
}

void TextArea::SetProperties(const ControlSpec& spec) {
  Control::SetProperties(spec);
  edit_->setReadOnly(spec.readOnly);
  ApplyBorderAndScrollBars(*edit_, spec);
  edit_->setLineWrapMode(spec.scrollbarHorizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
  // Lines wrap between words only: breaking a word of a megabyte into lines
  // takes Qt minutes, and a pasted text can be that long.
  edit_->setWordWrapMode(QTextOption::WordWrap);
  SetText(spec.text);
}

}  // namespace toolkit
