#pragma once

// The parser of the parents' genotype text: two lines separated by a carriage
// return, parent 1 first; on each line one entry per gene, separated by tabs;
// each entry a gene name, one blank, and two alleles joined by a slash
// ("Gene1 a/b"). It is a pure function of the text: the main window applies
// the outcome to its controls and to Globals, and shows the message.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Genotype.h"

namespace engine {

enum class ParseStatus {
  Success,     // every test passed: the allele popups can be filled
  SilentStop,  // empty text or empty first line: nothing to report
  Failed,      // the first fault found; `message` says which
};

struct ParseOutcome {
  ParseStatus status = ParseStatus::SilentStop;
  // What the text area shows afterwards: runs of blanks reduced to one and,
  // once the text has two lines, rewritten as line 1, EndOfLine, line 2.
  // Unset when that leaves the text as it was given (no runs of blanks, no
  // line beyond the second), so that a huge text is not copied.
  std::optional<std::string> text;
  // The keyboard focus moves to the result list once the text has two lines.
  bool focusResultList = false;
  // The genes as far as the tests got; a failed parse keeps what it had filled.
  breederPair parents;
  // Parent 1's entry count, once line 1 has been split; unset when the parse
  // stopped before (the caller's value then stays).
  std::optional<std::int32_t> geneCount;
  // "Error", EndOfLine and the fault, when status is Failed.
  std::string message;
};

// Reads `text` where it stands: of a text that can be a hundred megabytes it
// copies only what the records and the message need, and the two lines it
// hands back when they differ from the text.
ParseOutcome ParseParentsText(std::string_view text);

}  // namespace engine
