#pragma once

// Clipboard owners that misbehave, as Qt shows them to the program: one that
// never answers (once Qt's wait runs out it reports no formats at all) and
// one that lists text formats but refuses to give the text. Each counts the
// questions asked of it, so that a test can tell whether, and how often, the
// program waited for an owner.

#include <memory>

namespace testsupport {

enum class ClipboardOwner { Silent, Refusing };

struct ClipboardQuestions {
  int formats = 0;  // "which formats do you have?": a wait on a real owner
  int data = 0;     // "give me this format": another
};

// Puts such an owner on the clipboard; the counts stay readable after the
// clipboard has let it go.
std::shared_ptr<const ClipboardQuestions> PutClipboardOwner(ClipboardOwner owner);

}  // namespace testsupport
