#include "toolkit/ShortenedText.h"

#include <algorithm>

#include "toolkit/QtText.h"
#include "toolkit/Text.h"

namespace toolkit {
namespace {

void AppendEllipsis(DisplayText& shown, std::size_t from, std::size_t to) {
  shown.ellipses.push_back({shown.text.size(), from, to});
  shown.text += kEllipsis;
}

}  // namespace

DisplayText BoundedText(std::string_view whole) {
  DisplayText shown;
  // The next carriage return and line feed. Each is searched for again only
  // once the reading has passed it, so a text without one of them is searched
  // through for it once, not once per line.
  std::size_t cr = whole.find('\r');
  std::size_t lf = whole.find('\n');
  for (std::size_t at = 0, line = 0;; ++line) {
    if (line == kMostShownLines) {
      if (at < whole.size()) AppendEllipsis(shown, at, whole.size());
      return shown;
    }
    if (cr < at) cr = whole.find('\r', at);
    if (lf < at) lf = whole.find('\n', at);
    const std::size_t end = std::min({cr, lf, whole.size()});
    const std::size_t cut = at + EndOfFirstChars(whole.substr(at, end - at), kLongestShownLine);
    shown.text += ToQt(whole.substr(at, cut - at));
    if (cut < end) AppendEllipsis(shown, cut, end);
    if (end == whole.size()) return shown;
    shown.text += u'\n';
    at = end + (whole.substr(end, 2) == "\r\n" ? 2 : 1);
  }
}

bool IsShownWhole(std::string_view text) { return EndOfFirstChars(text, kLongestShownLine) == text.size(); }

QString ShortenedInTheMiddle(std::string_view text) {
  if (IsShownWhole(text)) return ToQt(text);
  const std::string_view head = text.substr(0, EndOfFirstChars(text, kLongestShownLine / 2));
  const std::string_view tail = text.substr(StartOfLastChars(text, kLongestShownLine / 2));
  return ToQt(head) + kEllipsis + ToQt(tail);
}

}  // namespace toolkit
