#pragma once

// Answers the toolkit's message boxes as a user would, by pressing OK, and
// tells what they said.

#include <functional>
#include <string>
#include <vector>

class QDialog;
class QPushButton;

namespace testsupport {

// Runs `action`; every message box that appears meanwhile is read and closed
// with its OK button. Returns their texts in order.
std::vector<std::string> AnswerMessageBoxes(const std::function<void()>& action);

// Runs `action`; once a message box is up and is the active window, so that
// a click into it takes the keyboard focus as it would for the user, runs
// `look` on it, then presses OK unless `look` closed the box. Returns whether
// `look` closed it. A box that never becomes active within 10 s fails the
// test and is closed, so that a fault never hangs the suite.
bool WithMessageBox(const std::function<void()>& action, const std::function<void(QDialog&)>& look);

// The whole text the message box says, as a screen reader reads it.
std::string MessageText(const QDialog& box);

// The message box's OK button.
QPushButton& OkButton(QDialog& box);

}  // namespace testsupport
