#pragma once

// The system clipboard's text. Text comes back with its line endings as the
// program that put it there wrote them.
//
// Reading can wait for the program that owns the clipboard (up to Qt's own
// limit when that program hangs), so a Clipboard object reads at most once:
// the first question about its text reads it, and later ones are answered
// from what that read returned. Make a new object to read afresh.

#include <optional>
#include <string>

#include "toolkit/SpreadsheetTable.h"

namespace toolkit {

class Clipboard {
 public:
  // The clipboard, or the selection: where the window system has it (X11),
  // the text last selected anywhere, which a middle click pastes.
  enum class Source { Clipboard, Selection };

  explicit Clipboard(Source source = Source::Clipboard) : source_(source) {}

  // Whether the clipboard holds a text that is not empty. A read that fails
  // (the owner refused, died or did not answer) gives no text either.
  bool TextAvailable();
  // The text, empty when there is none.
  const std::string& Text();
  // The text, handed over rather than copied (it can be megabytes); the
  // object has read the clipboard and holds an empty text afterwards.
  std::string TakeText();
  void SetText(const std::string& text);
  // Puts `text` on the clipboard, and with it `table` in the formats that
  // spreadsheets paste in preference to text, so that they take its numbers
  // as numbers in every locale; other programs see the text as SetText puts
  // it there. The table is written out only when a program asks for it.
  void SetTextAndTable(const std::string& text, SpreadsheetTable table);
  // The system clipboard needs no closing; kept so that callers can say when
  // they are done with it.
  void Close() {}

  // Whether the clipboard may hold text, as far as is known without asking
  // its owner: for what must answer at once, such as enabling Paste while
  // the focus moves. It may once the clipboard has changed (or before
  // anything is known); a read of the clipboard that found no text says it
  // does not, until the next change.
  static bool MayHoldText();

 private:
  Source source_;
  std::optional<std::string> text_;
};

}  // namespace toolkit
