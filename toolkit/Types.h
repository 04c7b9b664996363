#pragma once

// Small value types shared by the toolkit's windows and controls.

#include <cstdint>

namespace toolkit {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(const Color&, const Color&) = default;
};

constexpr Color RGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue) { return {red, green, blue}; }

constexpr Color kBlack = RGB(0, 0, 0);
constexpr Color kWhite = RGB(255, 255, 255);

// A position and size in a window's content area.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;

  friend bool operator==(const Rect&, const Rect&) = default;
};

// The window edges a control keeps its distance to when the window resizes.
// Locked to both left and right it widens with the window; to the right only
// it moves with the right edge; the same for top and bottom.
struct Anchors {
  bool left = true;
  bool top = true;
  bool right = false;
  bool bottom = false;
};

// The lockings the application's layouts use.
constexpr Anchors kLeftTop = {true, true, false, false};
constexpr Anchors kLeftBottom = {true, false, false, true};
constexpr Anchors kLeftTopRight = {true, true, true, false};
constexpr Anchors kAllEdges = {true, true, true, true};

enum class MouseCursor { Standard, FingerPointer };

// Where a label's text stands in its frame, from left to right; it is always
// centred from top to bottom.
enum class TextAlign { Left, Center, Right };

}  // namespace toolkit
