#include <gtest/gtest.h>

#include "toolkit/Contrast.h"

namespace {

using toolkit::Color;
using toolkit::ContrastRatio;
using toolkit::ReadableColor;
using toolkit::RGB;

// Figures of the guidelines' own examples.
TEST(ContrastTest, RatiosAsTheGuidelinesGiveThem) {
  const struct {
    Color a, b;
    double ratio;
  } cases[] = {
      {toolkit::kBlack, toolkit::kWhite, 21.0},
      {toolkit::kWhite, toolkit::kBlack, 21.0},
      {RGB(0x77, 0x77, 0x77), toolkit::kWhite, 4.48},
      {RGB(0x76, 0x76, 0x76), toolkit::kWhite, 4.54},
      {RGB(0x12, 0x34, 0x56), RGB(0x12, 0x34, 0x56), 1.0},
  };
  for (const auto& c : cases) EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.005);
}

TEST(ContrastTest, AColourThatDoesNotReadIsBlendedJustFarEnough) {
  const Color window = RGB(0x22, 0x20, 0x20);
  const Color white = toolkit::kWhite;
  const Color darkLink = RGB(0x09, 0x86, 0xd3);
  // Readable colours stay as they are.
  EXPECT_EQ(ReadableColor(RGB(0, 0, 255), toolkit::kBlack, RGB(0xef, 0xef, 0xef)), RGB(0, 0, 255));
  EXPECT_EQ(ReadableColor(white, white, window), white);
  // Black on the dark window becomes a grey that just reads.
  const Color grey = ReadableColor(toolkit::kBlack, white, window);
  EXPECT_GE(ContrastRatio(grey, window), toolkit::kReadableContrast);
  EXPECT_LT(ContrastRatio(grey, window), toolkit::kReadableContrast + 0.1);
  // The link keeps its blue.
  const Color link = ReadableColor(darkLink, white, window);
  EXPECT_GE(ContrastRatio(link, window), toolkit::kReadableContrast);
  EXPECT_LT(ContrastRatio(link, window), toolkit::kReadableContrast + 0.1);
  EXPECT_GT(link.blue, link.red + 100);
  // A fallback that does not read either is the best there is.
  EXPECT_EQ(ReadableColor(toolkit::kBlack, RGB(0x30, 0x30, 0x30), window), RGB(0x30, 0x30, 0x30));
}

}  // namespace
