#pragma once

// Conversions between the program's UTF-8 texts and Qt's strings. Only the
// toolkit's sources include this.

#include <QString>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace toolkit {

inline QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Encoded piece by piece straight into the result, so that a huge text (a
// pasted one can be a hundred megabytes) is never held twice in UTF-8. A piece
// never ends inside a surrogate pair, so the pieces encode as the whole does.
inline std::string FromQt(const QString& text) {
  constexpr qsizetype kPiece = 1 << 14;
  std::string utf8;
  utf8.reserve(static_cast<std::size_t>(text.size()));
  QStringEncoder encoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
  std::array<char, 3 * kPiece> buffer;
  for (qsizetype at = 0; at < text.size();) {
    qsizetype length = std::min(kPiece, text.size() - at);
    if (at + length < text.size() && text[at + length - 1].isHighSurrogate()) --length;
    const char* end = encoder.appendToBuffer(buffer.data(), QStringView(text).mid(at, length));
    utf8.append(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    at += length;
  }
  return utf8;
}

}  // namespace toolkit
