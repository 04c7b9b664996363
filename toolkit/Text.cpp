#include "toolkit/Text.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace toolkit {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0U) == 0x80U; }

}  // namespace

std::size_t CharLength(std::string_view text, std::size_t pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  const std::size_t left = text.size() - pos;
  const unsigned char lead = byte(0);
  if (lead < 0x80U) return 1;

  std::size_t length = 0;
  unsigned char secondLow = 0x80U;
  unsigned char secondHigh = 0xBFU;
  if (lead >= 0xC2U && lead <= 0xDFU) {
    length = 2;
  } else if (lead >= 0xE0U && lead <= 0xEFU) {
    length = 3;
    if (lead == 0xE0U) secondLow = 0xA0U;
    if (lead == 0xEDU) secondHigh = 0x9FU;
  } else if (lead >= 0xF0U && lead <= 0xF4U) {
    length = 4;
    if (lead == 0xF0U) secondLow = 0x90U;
    if (lead == 0xF4U) secondHigh = 0x8FU;
  } else {
    return 1;
  }
  if (left < length) return 1;
  if (byte(1) < secondLow || byte(1) > secondHigh) return 1;
  for (std::size_t i = 2; i < length; ++i) {
    if (!IsContinuation(byte(i))) return 1;
  }
  return length;
}

namespace {

std::int32_t Saturate(std::size_t count) {
  constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
  return static_cast<std::int32_t>(std::min(count, kMax));
}

// Bytes taken by the character that ends at `end`, a character boundary: the
// valid sequence that ends there, or the one byte before it. A byte that
// begins a valid sequence is never inside another character, so walking back
// finds the boundaries that walking forward does.
std::size_t LastCharLength(std::string_view text, std::size_t end) {
  for (std::size_t length = 2; length <= 4 && length <= end; ++length) {
    if (CharLength(text, end - length) == length) return length;
  }
  return 1;
}

std::size_t CharCount(std::string_view text, std::size_t endByte) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < endByte; pos += CharLength(text, pos)) ++count;
  return count;
}

}  // namespace

std::size_t Find(std::string_view text, std::string_view part, std::size_t from) {
  if (part.empty()) return from <= text.size() ? from : std::string_view::npos;
  for (std::size_t at = text.find(part.front(), from); at != std::string_view::npos;
       at = text.find(part.front(), at + 1)) {
    if (text.substr(at, part.size()) == part) return at;
  }
  return std::string_view::npos;
}

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  if (separator.empty()) {
    pieces.emplace_back(text);
    return pieces;
  }
  std::size_t start = 0;
  for (;;) {
    const std::size_t found = Find(text, separator, start);
    if (found == std::string_view::npos) break;
    pieces.emplace_back(text.substr(start, found - start));
    start = found + separator.size();
  }
  pieces.emplace_back(text.substr(start));
  return pieces;
}

std::int32_t CountFields(std::string_view text, std::string_view separator) {
  if (text.empty()) return 0;
  if (separator.empty()) return 1;
  std::size_t count = 1;
  for (std::size_t found = Find(text, separator); found != std::string_view::npos;
       found = Find(text, separator, found + separator.size())) {
    ++count;
  }
  return Saturate(count);
}

std::string_view NthField(std::string_view text, std::string_view separator, std::int32_t n) {
  if (n < 1 || text.empty()) return {};
  if (separator.empty()) return n == 1 ? text : std::string_view();
  std::size_t start = 0;
  for (std::int32_t field = 1; field < n; ++field) {
    const std::size_t found = Find(text, separator, start);
    if (found == std::string_view::npos) return {};
    start = found + separator.size();
  }
  const std::size_t end = Find(text, separator, start);
  return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::int32_t InStr(std::string_view text, std::string_view find) {
  const std::size_t found = Find(text, find);
  if (found == std::string_view::npos) return 0;
  return Saturate(CharCount(text, found) + 1);
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
  if (find.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t found = Find(text, find); found != std::string_view::npos; found = Find(text, find, start)) {
    result.append(text.substr(start, found - start));
    result.append(replacement);
    start = found + find.size();
  }
  result.append(text.substr(start));
  return result;
}

// Every ending becomes a carriage return where the text stands: each byte
// written goes at or before the byte being read. Texts from Linux programs end
// their lines with line feeds alone; for them this is one pass that the
// compiler turns into vector instructions.
std::string ReplaceLineEndings(std::string text, std::string_view replacement) {
  if (text.find('\r') == std::string::npos) {
    for (char& c : text) c = c == '\n' ? '\r' : c;
  } else {
    std::size_t kept = 0;
    char previous = '\0';
    for (const char c : text) {
      if (!(c == '\n' && previous == '\r')) text[kept++] = c == '\n' ? '\r' : c;
      previous = c;
    }
    text.resize(kept);
  }
  if (replacement == "\r") return text;
  return ReplaceAll(text, "\r", replacement);
}

std::string Mid(std::string_view text, std::int32_t start) {
  const std::size_t skip = start > 1 ? static_cast<std::size_t>(start - 1) : 0;
  return std::string(text.substr(EndOfFirstChars(text, skip)));
}

std::string Mid(std::string_view text, std::int32_t start, std::int32_t length) {
  if (length <= 0) return {};
  const std::string_view tail = text.substr(EndOfFirstChars(text, start > 1 ? static_cast<std::size_t>(start - 1) : 0));
  return std::string(tail.substr(0, EndOfFirstChars(tail, static_cast<std::size_t>(length))));
}

std::string Right(std::string_view text, std::int32_t count) {
  if (count <= 0) return {};
  return std::string(text.substr(StartOfLastChars(text, static_cast<std::size_t>(count))));
}

std::int32_t Len(std::string_view text) { return Saturate(CharCount(text, text.size())); }

std::size_t EndOfFirstChars(std::string_view text, std::size_t count) {
  std::size_t pos = 0;
  for (; count > 0 && pos < text.size(); --count) pos += CharLength(text, pos);
  return pos;
}

std::size_t StartOfLastChars(std::string_view text, std::size_t count) {
  std::size_t pos = text.size();
  for (; count > 0 && pos > 0; --count) pos -= LastCharLength(text, pos);
  return pos;
}

std::string Str(std::int32_t value) { return std::to_string(value); }

std::string Str(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string Chr(std::uint32_t code) {
  std::string out;
  if (code < 0x80U) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800U) {
    out.push_back(static_cast<char>(0xC0U | (code >> 6)));
    out.push_back(static_cast<char>(0x80U | (code & 0x3FU)));
  } else if (code < 0x10000U) {
    if (code >= 0xD800U && code <= 0xDFFFU) return {};
    out.push_back(static_cast<char>(0xE0U | (code >> 12)));
    out.push_back(static_cast<char>(0x80U | ((code >> 6) & 0x3FU)));
    out.push_back(static_cast<char>(0x80U | (code & 0x3FU)));
  } else if (code <= 0x10FFFFU) {
    out.push_back(static_cast<char>(0xF0U | (code >> 18)));
    out.push_back(static_cast<char>(0x80U | ((code >> 12) & 0x3FU)));
    out.push_back(static_cast<char>(0x80U | ((code >> 6) & 0x3FU)));
    out.push_back(static_cast<char>(0x80U | (code & 0x3FU)));
  }
  return out;
}

std::string EndOfLine() {
#ifdef _WIN32
  return "\r\n";
#else
  return "\n";
#endif
}

double Max(double a, double b) { return a < b ? b : a; }

}  // namespace toolkit
