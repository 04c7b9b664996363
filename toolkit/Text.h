#pragma once

// The toolkit's text functions. Texts are UTF-8 std::strings; lengths and
// positions count characters, positions from 1. A byte that does not begin a
// valid UTF-8 sequence counts as one character of its own, so any byte string
// can be measured and cut without splitting a valid character.
//
// Separators and search texts are expected to be valid UTF-8; matching is then
// byte-exact and case-sensitive, like every text equality in the program.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

// The byte where `part` first occurs in `text` at or after byte `from`, or
// std::string_view::npos. It leaps from one candidate first byte to the next,
// where std::string_view::find compares at every byte: the texts searched can
// be a hundred megabytes.
std::size_t Find(std::string_view text, std::string_view part, std::size_t from = 0);

// The pieces of `text` between the occurrences of `separator`, in order.
// k separators give k + 1 pieces, empty ones included; an empty text gives no
// piece at all. An empty separator gives the whole text as one piece.
std::vector<std::string> Split(std::string_view text, std::string_view separator);

// The number of pieces Split would give, without building them.
std::int32_t CountFields(std::string_view text, std::string_view separator);

// Field `n` (from 1) of `text` at `separator`, as a view into `text`; empty when
// there is no such field. Only the fields up to the n-th are looked at.
std::string_view NthField(std::string_view text, std::string_view separator, std::int32_t n);

// The character position (from 1) of the first occurrence of `find` in
// `text`, or 0 when it does not occur. An empty `find` is found at position 1.
std::int32_t InStr(std::string_view text, std::string_view find);

// `text` with every occurrence of `find`, taken from left to right without
// overlap, replaced by `replacement`. An empty `find` changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement);

// `text` with every line ending (CR LF, CR or LF) replaced by `replacement`.
// Carriage returns replace them where the text stands, so that a text of a
// hundred megabytes is never held twice.
std::string ReplaceLineEndings(std::string text, std::string_view replacement);

// Up to `length` characters of `text` from character `start` (from 1); the
// one without a length runs to the end. A start below 1 counts as 1.
std::string Mid(std::string_view text, std::int32_t start);
std::string Mid(std::string_view text, std::int32_t start, std::int32_t length);

// The last `count` characters of `text` (all of it when it is shorter).
std::string Right(std::string_view text, std::int32_t count);

// The number of characters of `text`.
std::int32_t Len(std::string_view text);

// The bytes taken by the character that starts at byte `pos` of `text`: the
// length of a valid UTF-8 sequence (no overlong forms, no surrogates, nothing
// above U+10FFFF), or 1 for a byte that does not begin one.
std::size_t CharLength(std::string_view text, std::size_t pos);

// The byte just after the first `count` characters of `text`, and the byte
// where its last `count` characters begin; they walk no further than those
// characters, so a huge text costs no more than a short one.
std::size_t EndOfFirstChars(std::string_view text, std::size_t count);
std::size_t StartOfLastChars(std::string_view text, std::size_t count);

// Decimal digits of an integer; for a double, the shortest decimal text that
// reads back as the same double ("1", "0.5", "0.00390625").
std::string Str(std::int32_t value);
std::string Str(double value);

// The character with the given code point, UTF-8 encoded; empty for a value
// that is no Unicode scalar value.
std::string Chr(std::uint32_t code);

// The platform's line ending.
std::string EndOfLine();

double Max(double a, double b);

}  // namespace toolkit
