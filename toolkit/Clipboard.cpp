#include "toolkit/Clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "toolkit/QtText.h"

namespace toolkit {

bool Clipboard::TextAvailable() const {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  return data != nullptr && data->hasText();
}

std::string Clipboard::Text() const { return FromQt(QApplication::clipboard()->text()); }

void Clipboard::SetText(const std::string& text) { QApplication::clipboard()->setText(ToQt(text)); }

}  // namespace toolkit
