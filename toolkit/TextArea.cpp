#include "toolkit/TextArea.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "toolkit/QtText.h"
#include "toolkit/ScrollArea.h"
#include "toolkit/Text.h"

namespace toolkit {
namespace {

constexpr char16_t kParagraphSeparator = u'\u2029';

}  // namespace

TextArea::TextArea(std::int32_t index) : TextArea(new QPlainTextEdit, index) {}

TextArea::TextArea(QPlainTextEdit* edit, std::int32_t index) : Control(edit, index), edit_(edit) {
  edit_->setTabChangesFocus(true);
  QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, [this] {
    if (!showing_) TakeTypedText();
  });
}

void TextArea::SetText(const std::string& text) {
  text_ = ReplaceLineEndings(text, "\r");
  Show();
}

bool TextArea::ReadOnly() const { return edit_->isReadOnly(); }

void TextArea::SetLineSpacing(double spacing) {
  lineSpacing_ = spacing;
  Show();
}

void TextArea::Show() {
  showing_ = true;
  edit_->setPlainText(ToQt(ReplaceLineEndings(text_, "\n")));
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
  text_ = ReplaceLineEndings(FromQt(raw), "\r");
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
