#pragma once

// The bounded display text: what a control hands Qt of a text that may be
// megabytes long. Each line up to kLongestShownLine characters and at most
// kMostShownLines lines reach Qt, with an ellipsis where a line or the text is
// cut; it is built straight from the UTF-8 text, which is never converted or
// copied whole. The control keeps the whole text for everything that reads it
// (the program, a copy, assistive technology). Internal to the toolkit.

#include <QChar>
#include <QString>
#include <cstddef>
#include <string_view>
#include <vector>

namespace toolkit {

// More characters than the widest screen shows in a row, and more lines than
// the tallest one shows at once.
inline constexpr std::size_t kLongestShownLine = 4000;
inline constexpr std::size_t kMostShownLines = 1000;
inline constexpr QChar kEllipsis = QChar(0x2026);

// A part of the whole text that the display text shows as one ellipsis.
struct Ellipsis {
  qsizetype at = 0;  // the ellipsis' position in the display text
  // The bytes of the whole text it stands for.
  std::size_t from = 0;
  std::size_t to = 0;
};

struct DisplayText {
  QString text;  // every line ending (CR LF, CR or LF) as a line feed
  std::vector<Ellipsis> ellipses;
};

DisplayText BoundedText(std::string_view whole);

// Whether a UTF-8 text of one line is shown whole, and how a list cell shows
// it: whole up to kLongestShownLine characters, else its first and last half
// of them joined by an ellipsis, for a text whose end matters as much as its
// start (a genotype's alleles).
bool IsShownWhole(std::string_view text);
QString ShortenedInTheMiddle(std::string_view text);

}  // namespace toolkit
