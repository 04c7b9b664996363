#pragma once

// A modal message with one OK button; returns when the user closes it. A long
// text wraps, also inside long words, and scrolls rather than growing the box
// past the screen, so OK stays in reach. The box shows the bounded display
// text of the message (ShortenedText.h); a copy of its text and a screen
// reader get the message whole.

#include <string>

namespace toolkit {

void MsgBox(const std::string& text);

// The message box's object name, for whoever needs to find it on screen
// (tests, measurements).
inline constexpr const char* kMsgBoxObjectName = "MsgBox";

}  // namespace toolkit
