#pragma once

// A user's look for the length of a test: a dark palette or a larger general
// font on the whole application, as a desktop theme gives them, put back as
// it was afterwards so that no other test sees it.

#include <QFont>
#include <QPalette>

namespace testsupport {

// A dark palette as qt6ct's "darker" scheme gives it: white text on a
// near-black window, and a link blue too dark to read on it.
QPalette DarkPalette();

class ScopedPalette {
 public:
  explicit ScopedPalette(const QPalette& palette);
  ~ScopedPalette();
  ScopedPalette(const ScopedPalette&) = delete;
  ScopedPalette& operator=(const ScopedPalette&) = delete;

 private:
  QPalette saved_;
};

// The application's general font at `points`, its family as it was.
class ScopedFontSize {
 public:
  explicit ScopedFontSize(double points);
  ~ScopedFontSize();
  ScopedFontSize(const ScopedFontSize&) = delete;
  ScopedFontSize& operator=(const ScopedFontSize&) = delete;

 private:
  QFont saved_;
};

}  // namespace testsupport
