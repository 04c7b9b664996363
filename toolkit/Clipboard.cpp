#include "toolkit/Clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <utility>

#include "toolkit/QtText.h"

namespace toolkit {
namespace {

// What is known of the clipboard without asking its owner; kept up to date
// from Qt's notice of every change, which costs no question.
bool& MayHoldTextState() {
  static bool mayHoldText = true;
  static const bool watching = [] {
    QObject::connect(QApplication::clipboard(), &QClipboard::dataChanged, qApp, [] { mayHoldText = true; });
    return true;
  }();
  (void)watching;
  return mayHoldText;
}

QClipboard::Mode ModeOf(Clipboard::Source source) {
  return source == Clipboard::Source::Selection ? QClipboard::Selection : QClipboard::Clipboard;
}

}  // namespace

bool Clipboard::TextAvailable() { return !Text().empty(); }

// Asks the owner for its formats once, first: Qt keeps a list it was given,
// so the text is then fetched without asking again, and an owner that does
// not answer (Qt then reports no formats) costs one wait, not one per format
// tried. (QMimeData::hasText asks twice: for text and for addresses.)
const std::string& Clipboard::Text() {
  if (!text_) {
    const QMimeData* data = QApplication::clipboard()->mimeData(ModeOf(source_));
    const bool hasText = data != nullptr && data->formats().contains(QLatin1String("text/plain"));
    text_ = hasText ? FromQt(data->text()) : std::string();
    if (source_ == Source::Clipboard) MayHoldTextState() = !text_->empty();
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
  MayHoldTextState();  // watching before the change it makes
  QApplication::clipboard()->setText(ToQt(text), ModeOf(source_));
  text_.reset();
}

bool Clipboard::MayHoldText() { return MayHoldTextState(); }

}  // namespace toolkit
