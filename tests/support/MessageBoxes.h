#pragma once

// Answers the toolkit's message boxes as a user would, by pressing OK, and
// tells what they said.

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Runs `action`; every message box that appears meanwhile is read and closed
// with its OK button. Returns their texts in order.
std::vector<std::string> AnswerMessageBoxes(const std::function<void()>& action);

}  // namespace testsupport
