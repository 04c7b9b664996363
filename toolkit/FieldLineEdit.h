#pragma once

// The line edit behind a text field. It holds one line: each run of tabs and
// line breaks put into it (typed, pasted, dropped or set by the program)
// becomes one blank.
//
// Up to kLongestShownLine characters (ShortenedText.h) it is a plain line
// edit. A longer entry is shown as its start and an ellipsis, read-only, and
// kept whole, so that Qt never lays out or edits megabytes: Copy and Cut take
// it whole, and with all of it selected, Delete, Backspace, typing or a paste
// replaces it and makes the line edit a plain one again. Internal to the
// toolkit.

#include <QLineEdit>
#include <string>

#include "toolkit/EditCommands.h"

namespace toolkit {

class FieldLineEdit : public QLineEdit {
 public:
  FieldLineEdit();

  const std::string& Entry() const { return entry_; }
  void SetEntry(std::string entry);
  // A field that is not editable lets the user select and copy only.
  void SetEditable(bool editable);

  // The standard edit commands, on the whole entry.
  bool CanPerform(EditCommand command) const;
  void Perform(EditCommand command);
  // Puts `text` in place of the selection, or at the cursor; a text that
  // leaves more than the line edit shows goes into the entry, not into Qt.
  void Insert(const std::string& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool AllSelected() const;
  void Paste();

  std::string entry_;
  // The entry is shown as its start and an ellipsis.
  bool long_ = false;
  bool editable_ = true;
};

}  // namespace toolkit
