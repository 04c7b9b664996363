#include "toolkit/Label.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>

#include "toolkit/Contrast.h"
#include "toolkit/Dispatch.h"
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

// The link colour of the light look the tables were made for.
constexpr Color kLightLookLink = RGB(0, 0, 255);

Color ToolkitColor(const QColor& color) {
  return RGB(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
             static_cast<std::uint8_t>(color.blue()));
}

QColor QtColor(Color color) { return {color.red, color.green, color.blue}; }

}  // namespace

// Applies the text colour again whenever the palette of the area under the
// label changes (a new desktop theme), and when the label moves onto another
// area. It watches the area rather than the label, whose own palette holds
// the colour it is given.
class Label::PaletteWatch : public EventFilter {
 public:
  explicit PaletteWatch(Label& owner) : EventFilter(owner.label_), owner_(owner) {}

 protected:
  bool Filter(QObject* watched, QEvent* event) override {
    if (watched == owner_.label_ && event->type() == QEvent::ParentChange) {
      if (area_ != nullptr) area_->removeEventFilter(this);
      area_ = owner_.label_->parentWidget();
      if (area_ != nullptr) area_->installEventFilter(this);
      owner_.ApplyTextColor();
    } else if (watched == area_ && event->type() == QEvent::PaletteChange) {
      owner_.ApplyTextColor();
    }
    return false;
  }

 private:
  Label& owner_;
  QPointer<QWidget> area_;
};

Label::Label(std::int32_t index) : Label(new QLabel, index) {}

Label::Label(QLabel* label, std::int32_t index) : Control(label, index), label_(label) {
  label_->setTextFormat(Qt::PlainText);
  label_->setFocusPolicy(Qt::NoFocus);
  paletteWatch_ = new PaletteWatch(*this);
  new MouseRelay(label_, {
                             [this] { Raise(ControlEvent::MouseEnter); },
                             [this](std::int32_t x, std::int32_t y) { return Raise(ControlEvent::MouseDown, x, y); },
                             [this](std::int32_t x, std::int32_t y) { Raise(ControlEvent::MouseUp, x, y); },
                         });
}

// The watch calls back into the label: it goes first, as the widget still
// receives events while it is being destroyed.
Label::~Label() { delete paletteWatch_; }

std::string Label::Text() const { return FromQt(label_->text()); }

void Label::SetText(const std::string& text) { label_->setText(ToQt(text)); }

void Label::SetTextColor(Color color) {
  textColor_ = color;
  ApplyTextColor();
}

void Label::ApplyTextColor() {
  const QWidget* area = label_->parentWidget();
  const QPalette areaPalette = area != nullptr ? area->palette() : QApplication::palette();
  const QPalette::ColorRole background = area != nullptr ? area->backgroundRole() : QPalette::Window;
  // Only the text colour is the label's own; every other role follows the
  // area it stands on.
  QPalette own;
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const Color text = ToolkitColor(areaPalette.color(group, QPalette::WindowText));
    Color wanted = textColor_;
    if (textColor_ == kBlack) wanted = text;
    if (textColor_ == kLightLookLink) wanted = ToolkitColor(areaPalette.color(group, QPalette::Link));
    own.setColor(group, QPalette::WindowText,
                 QtColor(ReadableColor(wanted, text, ToolkitColor(areaPalette.color(group, background)))));
  }
  label_->setPalette(own);
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
