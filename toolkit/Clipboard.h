#pragma once

// The system clipboard's text. Text comes back with its line endings as the
// program that put it there wrote them.

#include <string>

namespace toolkit {

class Clipboard {
 public:
  bool TextAvailable() const;
  std::string Text() const;
  void SetText(const std::string& text);
  // The system clipboard needs no closing; kept so that callers can say when
  // they are done with it.
  void Close() {}
};

}  // namespace toolkit
