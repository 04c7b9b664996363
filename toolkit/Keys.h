#pragma once

// What a key press means to the toolkit's windows and buttons. Internal to the
// toolkit.

#include <QKeyEvent>

namespace toolkit {

// Return, or the keypad's Enter (which comes with the keypad modifier), held
// with no other modifier: the key that presses a button.
inline bool IsEnterPress(const QKeyEvent& event) {
  const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
  return enter && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

inline bool IsEscapePress(const QKeyEvent& event) {
  return event.key() == Qt::Key_Escape && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Alt with a key that would type a character: on Linux and Windows a chord
// for a menu's access key, never typing. (Ctrl with Alt is AltGr on Windows,
// which types; on macOS Option types accented letters.)
inline bool IsAccessKeyChord(const QKeyEvent& event) {
#if defined(Q_OS_MACOS)
  return false;
#else
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) && !event.text().isEmpty() &&
         event.text().at(0).isPrint();
#endif
}

}  // namespace toolkit
