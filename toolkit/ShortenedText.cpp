#include "toolkit/ShortenedText.h"

#include "toolkit/QtText.h"

namespace toolkit {
namespace {

bool IsContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The byte after the text's first n characters; its size when it has no more.
std::size_t EndOfFirstChars(std::string_view text, std::size_t n) {
  std::size_t at = 0;
  for (; n > 0 && at < text.size(); --n) {
    ++at;
    while (at < text.size() && IsContinuationByte(text[at])) ++at;
  }
  return at;
}

// The byte where the text's last n characters begin; 0 when it has no more.
std::size_t StartOfLastChars(std::string_view text, std::size_t n) {
  std::size_t at = text.size();
  for (; n > 0 && at > 0; --n) {
    --at;
    while (at > 0 && IsContinuationByte(text[at])) --at;
  }
  return at;
}

constexpr auto kShownChars = static_cast<std::size_t>(kLongestShownLine);

}  // namespace

qsizetype CharacterStart(const QString& text, qsizetype at) {
  return at > 0 && at < text.size() && text[at - 1].isHighSurrogate() ? at - 1 : at;
}

QString ShortenedLine(const QString& line) {
  if (line.size() <= kLongestShownLine) return line;
  return line.left(CharacterStart(line, kLongestShownLine)) + kEllipsis;
}

bool IsShownWhole(std::string_view text) { return EndOfFirstChars(text, kShownChars) == text.size(); }

QString ShortenedInTheMiddle(std::string_view text) {
  if (IsShownWhole(text)) return ToQt(text);
  const std::string_view head = text.substr(0, EndOfFirstChars(text, kShownChars / 2));
  const std::string_view tail = text.substr(StartOfLastChars(text, kShownChars / 2));
  return ToQt(head) + kEllipsis + ToQt(tail);
}

}  // namespace toolkit
