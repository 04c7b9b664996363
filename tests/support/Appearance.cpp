#include "Appearance.h"

#include <QApplication>
#include <QColor>

namespace testsupport {

QPalette DarkPalette() {
  QPalette palette;
  const struct {
    QPalette::ColorRole role;
    QColor color;
  } roles[] = {
      {QPalette::WindowText, QColor(0xff, 0xff, 0xff)},    {QPalette::Button, QColor(0x42, 0x42, 0x45)},
      {QPalette::Light, QColor(0x97, 0x97, 0x97)},         {QPalette::Midlight, QColor(0x5e, 0x5c, 0x5b)},
      {QPalette::Dark, QColor(0x30, 0x2f, 0x2e)},          {QPalette::Mid, QColor(0x4a, 0x49, 0x47)},
      {QPalette::Text, QColor(0xff, 0xff, 0xff)},          {QPalette::BrightText, QColor(0xff, 0xff, 0xff)},
      {QPalette::ButtonText, QColor(0xff, 0xff, 0xff)},    {QPalette::Base, QColor(0x3d, 0x3d, 0x3d)},
      {QPalette::Window, QColor(0x22, 0x20, 0x20)},        {QPalette::Shadow, QColor(0xe7, 0xe4, 0xe0)},
      {QPalette::Highlight, QColor(0x12, 0x60, 0x8a)},     {QPalette::HighlightedText, QColor(0xf9, 0xf9, 0xf9)},
      {QPalette::Link, QColor(0x09, 0x86, 0xd3)},          {QPalette::LinkVisited, QColor(0xa7, 0x0b, 0x06)},
      {QPalette::AlternateBase, QColor(0x5c, 0x5b, 0x5a)},
  };
  for (const auto& [role, color] : roles) palette.setColor(role, color);
  for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
  }
  return palette;
}

ScopedPalette::ScopedPalette(const QPalette& palette) : saved_(QApplication::palette()) {
  QApplication::setPalette(palette);
}

ScopedPalette::~ScopedPalette() { QApplication::setPalette(saved_); }

ScopedFontSize::ScopedFontSize(double points) : saved_(QApplication::font()) {
  QFont font = saved_;
  font.setPointSizeF(points);
  QApplication::setFont(font);
}

ScopedFontSize::~ScopedFontSize() { QApplication::setFont(saved_); }

}  // namespace testsupport
