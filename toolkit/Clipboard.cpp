#include "toolkit/Clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <utility>

#include "toolkit/QtText.h"

namespace toolkit {

bool Clipboard::TextAvailable() { return !Text().empty(); }

// Asks the owner for its formats first: Qt keeps the answer, so the text is
// then fetched without asking again, and an owner that does not answer (Qt
// then reports no formats) costs one wait, not one per text format tried.
const std::string& Clipboard::Text() {
  if (!text_) {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    text_ = data != nullptr && data->hasText() ? FromQt(data->text()) : std::string();
  }
  return *text_;
}

std::string Clipboard::TakeText() {
  Text();
  std::string text = std::move(*text_);
  text_.emplace();
  return text;
}

void Clipboard::SetText(const std::string& text) {
  QApplication::clipboard()->setText(ToQt(text));
  text_.reset();
}

}  // namespace toolkit
