#include "toolkit/Clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QStringList>
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

// The formats in which Gnumeric and LibreOffice take a table on paste before
// they look for text. Neither is text/html: offered that too, LibreOffice
// takes it and asks how to import it.
const QString kGnumericFormat = QStringLiteral("application/x-gnumeric");
const QString kHtmlFormat = QStringLiteral("application/x-openoffice-html-simple;windows_formatname=\"HTML Format\"");

// The text, and the table in the spreadsheets' formats, each written when a
// program asks for it: most crosses are never pasted into a spreadsheet, and
// a table of long alleles can be hundreds of megabytes.
class TextAndTable : public QMimeData {
 public:
  TextAndTable(const QString& text, SpreadsheetTable table) : table_(std::move(table)) { setText(text); }

  QStringList formats() const override { return QMimeData::formats() + QStringList{kGnumericFormat, kHtmlFormat}; }
  bool hasFormat(const QString& format) const override {
    return format == kGnumericFormat || format == kHtmlFormat || QMimeData::hasFormat(format);
  }

 protected:
  QVariant retrieveData(const QString& format, QMetaType type) const override {
    if (format == kGnumericFormat) return QByteArray::fromStdString(GnumericClipboard(table_));
    if (format == kHtmlFormat) return QByteArray::fromStdString(HtmlFormatClipboard(table_));
    return QMimeData::retrieveData(format, type);
  }

 private:
  SpreadsheetTable table_;
};

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

void Clipboard::SetTextAndTable(const std::string& text, SpreadsheetTable table) {
  MayHoldTextState();  // watching before the change it makes
  QApplication::clipboard()->setMimeData(new TextAndTable(ToQt(text), std::move(table)));
  text_.reset();
}

bool Clipboard::MayHoldText() { return MayHoldTextState(); }

}  // namespace toolkit
