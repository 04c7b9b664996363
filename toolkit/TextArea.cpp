#include "toolkit/TextArea.h"

#include "toolkit/Dispatch.h"
#include "toolkit/QtText.h"
#include "toolkit/ScrollArea.h"
#include "toolkit/Text.h"
#include "toolkit/TextView.h"

namespace toolkit {

TextArea::TextArea(std::int32_t index) : TextArea(new TextView, index) {}

TextArea::TextArea(TextView* view, std::int32_t index) : Control(view, index), view_(view) {
  view_->setTabChangesFocus(true);
  // Only the user's typing into an editable area changes its text; showing a
  // text changes only what the view draws.
  QObject::connect(view_, &QPlainTextEdit::textChanged, view_, Guarded([this] {
                     if (!showing_ && !view_->isReadOnly()) TakeTypedText();
                   }));
}

void TextArea::SetText(std::string text) {
  text = ReplaceLineEndings(std::move(text), "\r");
  // The same text again (the editor writes back what it read) is shown already.
  if (text == text_) return;
  text_ = std::move(text);
  ++changes_;
  Show();
}

void TextArea::Show() {
  showing_ = true;
  view_->Show(text_);
  view_->setReadOnly(!editable_ || view_->IsCut());
  showing_ = false;
}

// What the user typed or pasted: the document's raw text, whose paragraph
// separators are the line endings.
void TextArea::TakeTypedText() {
  QString typed = view_->document()->toRawText();
  typed.replace(QChar::ParagraphSeparator, u'\r');
  text_ = ReplaceLineEndings(FromQt(typed), "\r");
  ++changes_;
}

void TextArea::SetProperties(const ControlSpec& spec) {
  Control::SetProperties(spec);
  editable_ = !spec.readOnly;
  ApplyBorderAndScrollBars(*view_, spec);
  view_->setLineWrapMode(spec.scrollbarHorizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
  // Lines wrap between words only: a word wider than the area runs past its
  // edge rather than being broken up.
  view_->setWordWrapMode(QTextOption::WordWrap);
  text_ = ReplaceLineEndings(spec.text, "\r");
  ++changes_;
  Show();
}

}  // namespace toolkit
