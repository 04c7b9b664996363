#pragma once

// The standard edit commands (undo, cut, copy, paste, delete, select all) on
// whatever text control has the keyboard focus. Internal to the toolkit.

#include <string>

class QWidget;

namespace toolkit {

enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

// The command of a standard edit item, by the item's name; false for any
// other name.
bool EditCommandNamed(const std::string& itemName, EditCommand& command);

// Whether the focused widget can carry the command out now.
bool CanPerform(EditCommand command, const QWidget* focus);
void Perform(EditCommand command, QWidget* focus);

}  // namespace toolkit
