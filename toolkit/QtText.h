#pragma once

// Conversions between the program's UTF-8 texts and Qt's strings. Only the
// toolkit's sources include this.

#include <QString>
#include <string>
#include <string_view>

namespace toolkit {

inline QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text) { return text.toStdString(); }

}  // namespace toolkit
