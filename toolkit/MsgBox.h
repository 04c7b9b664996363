#pragma once

// A modal message with one OK button; returns when the user closes it. A long
// text wraps, also inside long words, and scrolls rather than growing the box
// past the screen, so OK stays in reach; the text is never shortened.

#include <string>

namespace toolkit {

void MsgBox(const std::string& text);

// The message box's object name and the property that holds its whole text,
// for whoever needs to find and read it on screen (tests, accessibility).
inline constexpr const char* kMsgBoxObjectName = "MsgBox";
inline constexpr const char* kMsgBoxTextProperty = "messageText";

}  // namespace toolkit
