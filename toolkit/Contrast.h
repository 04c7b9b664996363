#pragma once

// How well a text colour reads on a background, by the contrast ratio of the
// Web Content Accessibility Guidelines, and the nearest colour that reads.
// Pure arithmetic on toolkit colours; the controls decide what to apply it to.

#include "toolkit/Types.h"

namespace toolkit {

// The least contrast at which normal-sized text reads (the guidelines' AA
// level for body text).
constexpr double kReadableContrast = 4.5;

// From 1 (the same luminance) to 21 (black on white), whichever is lighter.
double ContrastRatio(Color a, Color b);

// `wanted` when it reads on `background`; otherwise `wanted` blended towards
// `fallback` just far enough to read, which keeps as much of its hue as the
// background allows; `fallback` itself when even that does not read.
Color ReadableColor(Color wanted, Color fallback, Color background);

}  // namespace toolkit
