#include "toolkit/Contrast.h"

#include <algorithm>
#include <cmath>

namespace toolkit {
namespace {

// The linear light of one sRGB channel.
double Linear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(Color color) {
  return 0.2126 * Linear(color.red) + 0.7152 * Linear(color.green) + 0.0722 * Linear(color.blue);
}

std::uint8_t MixChannel(std::uint8_t from, std::uint8_t to, double share) {
  return static_cast<std::uint8_t>(std::lround(from + (to - from) * share));
}

Color Mix(Color from, Color to, double share) {
  return {MixChannel(from.red, to.red, share), MixChannel(from.green, to.green, share),
          MixChannel(from.blue, to.blue, share)};
}

bool Reads(Color text, Color background) { return ContrastRatio(text, background) >= kReadableContrast; }

}  // namespace

double ContrastRatio(Color a, Color b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Color ReadableColor(Color wanted, Color fallback, Color background) {
  if (Reads(wanted, background)) return wanted;
  if (!Reads(fallback, background)) return fallback;
  // Halves the interval between a share of `fallback` that does not read
  // and one that does until it is below one step of a channel; the share
  // kept always reads.
  double unreadable = 0.0;
  double readable = 1.0;
  for (int step = 0; step < 16; ++step) {
    const double share = (unreadable + readable) / 2;
    (Reads(Mix(wanted, fallback, share), background) ? readable : unreadable) = share;
  }
  return Mix(wanted, fallback, readable);
}

}  // namespace toolkit
