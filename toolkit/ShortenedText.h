#pragma once

// How the toolkit draws a line too long to lay out at every paint: a control
// draws at most kLongestShownLine characters of it and an ellipsis, and keeps
// the text whole for everything that reads it (the program, a copy, assistive
// technology). Internal to the toolkit.

#include <QChar>
#include <QString>
#include <string_view>

namespace toolkit {

// More characters than the widest screen shows in a row.
inline constexpr qsizetype kLongestShownLine = 4000;
inline constexpr QChar kEllipsis = QChar(0x2026);

// The position at or just before `at` that does not split a surrogate pair.
qsizetype CharacterStart(const QString& text, qsizetype at);

// `line` whole up to kLongestShownLine characters, else its beginning and an
// ellipsis.
QString ShortenedLine(const QString& line);

// Whether a UTF-8 text of one line is drawn whole.
bool IsShownWhole(std::string_view text);
// A UTF-8 text of one line as drawn: whole up to kLongestShownLine
// characters, else its first and last half of them joined by an ellipsis, for
// a text whose end matters as much as its start (a genotype's alleles).
QString ShortenedInTheMiddle(std::string_view text);

}  // namespace toolkit
