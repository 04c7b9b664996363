#include "toolkit/Label.h"

#include <QLabel>

#include "toolkit/MouseRelay.h"
#include "toolkit/QtText.h"

namespace toolkit {
namespace {

Qt::Alignment AlignmentOf(TextAlign align) {
  switch (align) {
    case TextAlign::Left: return Qt::AlignLeft | Qt::AlignVCenter;
    case TextAlign::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case TextAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

Label::Label(std::int32_t index) : Label(new QLabel, index) {}

Label::Label(QLabel* label, std::int32_t index) : Control(label, index), label_(label) {
  label_->setTextFormat(Qt::PlainText);
  label_->setFocusPolicy(Qt::NoFocus);
  new MouseRelay(label_, {
                             [this] { Raise(ControlEvent::MouseEnter); },
                             [this](std::int32_t x, std::int32_t y) { return Raise(ControlEvent::MouseDown, x, y); },
                             [this](std::int32_t x, std::int32_t y) { Raise(ControlEvent::MouseUp, x, y); },
                         });
}

std::string Label::Text() const { return FromQt(label_->text()); }

void Label::SetText(const std::string& text) { label_->setText(ToQt(text)); }

void Label::SetTextColor(Color color) {
  textColor_ = color;
  QPalette palette = label_->palette();
  palette.setColor(QPalette::WindowText, QColor(color.red, color.green, color.blue));
  label_->setPalette(palette);
}

void Label::SetMouseCursor(toolkit::MouseCursor cursor) {
  cursor_ = cursor;
  label_->setCursor(cursor == MouseCursor::FingerPointer ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

bool Label::Bold() const { return label_->font().bold(); }

bool Label::Underline() const { return label_->font().underline(); }

void Label::SetProperties(const ControlSpec& spec) {
  Control::SetProperties(spec);
  SetText(spec.text);
  SetTextColor(spec.textColor);
  label_->setWordWrap(spec.multiline);
  label_->setAlignment(AlignmentOf(spec.textAlign));
}

}  // namespace toolkit
