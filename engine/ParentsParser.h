#pragma once

// The parser of the parents' genotype text: two lines separated by a carriage
// return, parent 1 first; on each line one entry per gene, separated by tabs;
// each entry a gene name, one blank, and two alleles joined by a slash
// ("Gene1 a/b"). It is a pure function of the text: the main window applies
// the outcome to its controls and to Globals, and shows the message.

#include <cstdint>
#include <optional>
#include <string>

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
  std::string text;
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

ParseOutcome ParseParentsText(const std::string& text);

}  // namespace engine
