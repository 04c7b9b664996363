#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/Text.h"

namespace {

using namespace toolkit;
using Pieces = std::vector<std::string>;

TEST(TextTest, SplitKeepsEveryPieceBetweenSeparators) {
  struct Case {
    const char* name;
    std::string text;
    std::string separator;
    Pieces expected;
  };
  const Case cases[] = {
      {"empty text gives no piece", "", "\t", {}},
      {"no separator", "Gene1 a/b", "\t", {"Gene1 a/b"}},
      {"k separators give k + 1 pieces", "a\tb\tc", "\t", {"a", "b", "c"}},
      {"empty pieces at both ends and between", "\ta\t\t", "\t", {"", "a", "", ""}},
      {"separator only", "\r", "\r", {"", ""}},
      {"multi-character separator", "a<>b<>", "<>", {"a", "b", ""}},
      {"multi-byte characters stay whole", "\xC3\xA9/\xE2\x82\xAC", "/", {"\xC3\xA9", "\xE2\x82\xAC"}},
      {"multi-byte separator",
       "a\xE2\x82\xAC"
       "b",
       "\xE2\x82\xAC",
       {"a", "b"}},
      {"NUL is an ordinary character", std::string("a\0b\tc", 5), "\t", {std::string("a\0b", 3), "c"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Split(c.text, c.separator), c.expected);
    EXPECT_EQ(CountFields(c.text, c.separator), static_cast<std::int32_t>(c.expected.size()));
    for (std::size_t n = 0; n < c.expected.size(); ++n) {
      EXPECT_EQ(NthField(c.text, c.separator, static_cast<std::int32_t>(n + 1)), c.expected[n]);
    }
    EXPECT_EQ(NthField(c.text, c.separator, static_cast<std::int32_t>(c.expected.size() + 1)), "");
  }
}

TEST(TextTest, NthFieldOutsideTheFieldsIsEmpty) {
  EXPECT_EQ(NthField("a b", " ", 0), "");
  EXPECT_EQ(NthField("a b", " ", -3), "");
  EXPECT_EQ(NthField("a b", " ", 3), "");
  EXPECT_EQ(NthField("ab", " ", 2), "");
}

TEST(TextTest, ReplaceAllWorksLeftToRightWithoutOverlap) {
  EXPECT_EQ(ReplaceAll("a   b", "  ", " "), "a  b");  // three blanks: one pair replaced, one blank left
  EXPECT_EQ(ReplaceAll("    ", "  ", " "), "  ");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("x", "", "y"), "x");
  EXPECT_EQ(ReplaceAll("\xC3\xA9\xC3\xA9", "\xC3\xA9", "e"), "ee");
}

TEST(TextTest, ReplaceLineEndingsTurnsEachEndingIntoOne) {
  EXPECT_EQ(ReplaceLineEndings("a\r\nb\nc\rd", "\r"), "a\rb\rc\rd");
  EXPECT_EQ(ReplaceLineEndings("\n\r\r\n\n", "|"), "||||");  // LF CR is two endings, CR LF one
  EXPECT_EQ(ReplaceLineEndings("no ending", "\r"), "no ending");
  // Replacements longer than the endings they replace, and none at all.
  EXPECT_EQ(ReplaceLineEndings("a\rb\r\nc\n", "\r\n"), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(ReplaceLineEndings("a\r\nb\n", "<eol>"), "a<eol>b<eol>");
  EXPECT_EQ(ReplaceLineEndings("a\r\nb\n\rc", ""), "abc");
}

TEST(TextTest, PositionsAndLengthsCountCharacters) {
  const std::string text =
      "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x90\xAD"
      "z";  // a, e-acute, euro, mouse, z
  EXPECT_EQ(Len(text), 5);
  EXPECT_EQ(Len(""), 0);
  EXPECT_EQ(Mid(text, 2, 1), "\xC3\xA9");
  EXPECT_EQ(Mid(text, 3, 2), "\xE2\x82\xAC\xF0\x9F\x90\xAD");
  EXPECT_EQ(Mid(text, 4),
            "\xF0\x9F\x90\xAD"
            "z");
  EXPECT_EQ(Mid(text, 0, 2), "a\xC3\xA9");
  EXPECT_EQ(Mid(text, 9, 2), "");
  EXPECT_EQ(Mid(text, 2, 0), "");
  EXPECT_EQ(Right(text, 2),
            "\xF0\x9F\x90\xAD"
            "z");
  EXPECT_EQ(Right(text, 9), text);
  EXPECT_EQ(Right(text, -1), "");
  EXPECT_EQ(InStr(text, "z"), 5);
  EXPECT_EQ(InStr(text, "\xE2\x82\xAC"), 3);
  EXPECT_EQ(InStr(text, "  "), 0);
}

TEST(TextTest, InvalidBytesCountAsOneCharacterEach) {
  struct Case {
    const char* name;
    std::string text;
    std::int32_t length;
  };
  const Case cases[] = {
      {"lone continuation bytes", "\x80\xBF", 2},
      {"truncated sequence before a letter",
       "\xE2\x82"
       "a",
       3},
      {"overlong encoding of a slash", "\xC0\xAF", 2},
      {"encoded surrogate", "\xED\xA0\x80", 3},
      {"above U+10FFFF", "\xF4\x90\x80\x80", 4},
      {"valid character after an invalid byte", "\xFF\xE2\x82\xAC", 2},
      {"continuation bytes after a valid character", "\xC3\xA9\xA9\x80", 3},
      {"lead byte cut short before a valid character", "\xF0\x9F\xC3\xA9", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Len(c.text), c.length);
    std::string rebuilt;
    for (std::int32_t i = 1; i <= c.length; ++i) rebuilt += Mid(c.text, i, 1);
    EXPECT_EQ(rebuilt, c.text);
    // Counted from the end, the characters are the same ones.
    for (std::int32_t count = 0; count <= c.length; ++count) {
      EXPECT_EQ(Right(c.text, count), Mid(c.text, c.length - count + 1));
      EXPECT_EQ(StartOfLastChars(c.text, static_cast<std::size_t>(count)),
                EndOfFirstChars(c.text, static_cast<std::size_t>(c.length - count)));
    }
  }
  // The valid character after the invalid byte is one character, not three.
  EXPECT_EQ(Right("\xFF\xE2\x82\xAC", 1), "\xE2\x82\xAC");
}

TEST(TextTest, StrWritesShortestDecimalText) {
  EXPECT_EQ(Str(0), "0");
  EXPECT_EQ(Str(256), "256");
  EXPECT_EQ(Str(-2147483647 - 1), "-2147483648");
  EXPECT_EQ(Str(1.0), "1");
  EXPECT_EQ(Str(0.5), "0.5");
  EXPECT_EQ(Str(0.125), "0.125");
  EXPECT_EQ(Str(0.00390625), "0.00390625");
  EXPECT_EQ(Str(0.1), "0.1");
}

TEST(TextTest, ChrEncodesCodePointsAsUtf8) {
  EXPECT_EQ(Chr(9), "\t");
  EXPECT_EQ(Chr(13), "\r");
  EXPECT_EQ(Chr(0xE9), "\xC3\xA9");
  EXPECT_EQ(Chr(0x20AC), "\xE2\x82\xAC");
  EXPECT_EQ(Chr(0x1F42D), "\xF0\x9F\x90\xAD");
  EXPECT_EQ(Chr(0xD800), "");
  EXPECT_EQ(Chr(0x110000), "");
}

TEST(TextTest, MaxAndEndOfLine) {
  EXPECT_EQ(Max(2, 3), 3);
  EXPECT_EQ(Max(3, 2), 3);
  EXPECT_EQ(EndOfLine(), "\n");
}

}  // namespace
