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

// Whether the focused widget can carry the command out now. It answers at
// once: Paste counts as possible while the clipboard may hold text, which is
// known without asking the clipboard's owner.
bool CanPerform(EditCommand command, const QWidget* focus);
// Paste reads the clipboard once and inserts only a text that is not empty.
void Perform(EditCommand command, QWidget* focus);

}  // namespace toolkit
