#pragma once

// Driving the real widgets behind the toolkit's controls as a user would.

#include <string>

#include "toolkit/Control.h"
#include "toolkit/Window.h"

namespace testsupport {

// A left click in the middle of the control.
void Click(const toolkit::Control& control);
// Moves the pointer into the middle of the control, which it enters.
void MovePointerInto(const toolkit::Control& control);
// A key press into the control, or into the window's focused widget; with no
// modifier unless one is given (a Qt::KeyboardModifier).
void PressKey(const toolkit::Control& control, int qtKey, int qtModifiers = 0);
void PressKey(const toolkit::Window& window, int qtKey, int qtModifiers = 0);
// The keypad's Enter key, as the platform sends it: Enter with the keypad
// modifier.
void PressKeypadEnter(const toolkit::Window& window);
// Types the text into the control as keystrokes (ASCII only).
void Type(const toolkit::Control& control, const std::string& text);
// Selects all of the control's text, deletes it and types `text` instead.
void Retype(const toolkit::Control& control, const std::string& text);
// Chooses row `row` of a popup menu as the user does, raising Change.
void ChooseRow(const toolkit::Control& popup, int row);
// Resizes the window's content area as the user drags its frame.
void ResizeContent(const toolkit::Window& window, int width, int height);
// Lets queued events (deferred deletions, activation) run.
void ProcessEvents();
// Makes the window the active one, as a click into it would, and returns once
// it is; false when it never became active.
bool Activate(const toolkit::Window& window);

// What a screen reader reads of the control: its accessible text.
std::string AccessibleText(const toolkit::Control& control);

std::string ClipboardText();
void SetClipboardText(const std::string& text);
void ClearClipboard();

}  // namespace testsupport
