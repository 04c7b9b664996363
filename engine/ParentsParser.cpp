#include "engine/ParentsParser.h"

#include <array>
#include <string_view>

#include "toolkit/Text.h"

namespace engine {
namespace {

using toolkit::CountFields;
using toolkit::EndOfLine;
using toolkit::Find;
using toolkit::NthField;
using toolkit::Str;

// The faults, numbered as the user sees them in the order the tests run.
enum class Fault {
  OneLine = 1,
  TooManyGenes,
  Parent1EntryMissing,
  Parent1EntryForm,
  Parent1NameMissing,
  Parent1Allele1Missing,
  Parent1Allele2Missing,
  DuplicateName,
  UnequalGeneNumbers,
  Parent2EntryMissing,
  Parent2EntryForm,
  Parent2NameMissing,
  NameMismatch,
  Parent2Allele1Missing,
  Parent2Allele2Missing,
};

// The message of each fault; {1} and {2} stand for its arguments, {eol} for the
// platform's line ending.
constexpr std::array<std::string_view, 16> kMessages = {
    "",
    "Each parent should be on a separate line",
    "Cannot use more than 4 genes",
    "Parent 1, Gene {1} missing",
    "Parent 1: {1}{eol}should contain 1 space & 1 slash",
    "Missing parent 1, gene name {1}",
    "Missing parent 1, {1}, allele 1",
    "Missing parent 1, {1}, allele 2",
    "Duplicate gene name: {1}",
    "Parents with unequal gene numbers",
    "Parent 2, Gene {1} missing",
    "Parent 2: {1}{eol}should contain 1 space & 1 slash",
    "Missing parent 2, gene name {1}",
    "Parent 1, {1} <> parent 2, {2}",
    "Missing parent 2, {1}, allele 1",
    "Missing parent 2, {1}, allele 2",
};

// Expands the fault's message in one pass, so that an argument that happens to
// contain "{2}" or "{eol}" is copied as it stands, into a text made in one
// piece: a quoted entry can be a hundred megabytes.
std::string MessageFor(Fault fault, std::string_view first = {}, std::string_view second = {}) {
  const std::string_view pattern = kMessages[static_cast<std::size_t>(fault)];
  std::string message = "Error";
  message += EndOfLine();
  // A placeholder is no shorter than what replaces it, but for the arguments.
  message.reserve(message.size() + pattern.size() + first.size() + second.size());
  for (std::size_t pos = 0; pos < pattern.size();) {
    if (pattern.substr(pos, 3) == "{1}") {
      message.append(first);
      pos += 3;
    } else if (pattern.substr(pos, 3) == "{2}") {
      message.append(second);
      pos += 3;
    } else if (pattern.substr(pos, 5) == "{eol}") {
      message.append(EndOfLine());
      pos += 5;
    } else {
      message.push_back(pattern[pos++]);
    }
  }
  return message;
}

std::string GeneNumber(std::size_t index) { return Str(static_cast<std::int32_t>(index + 1)); }

// Records the fault; returns false so that a test can stop with it.
bool Fail(ParseOutcome& outcome, Fault fault, std::string_view first = {}, std::string_view second = {}) {
  outcome.status = ParseStatus::Failed;
  outcome.message = MessageFor(fault, first, second);
  return false;
}

bool HasBlankRun(std::string_view text) { return Find(text, "  ") != std::string_view::npos; }

// Appends `text` with every run of blanks as one blank: the same text that
// halving the runs pass after pass arrives at, in a single pass that copies
// the stretches between runs whole (an entry can be a megabyte).
void AppendReducingBlankRuns(std::string& reduced, std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t run = Find(text, "  ", at);
    if (run == std::string_view::npos) {
      reduced.append(text.substr(at));
      break;
    }
    // Up to and including the run's first blank; the rest of the run goes.
    reduced.append(text.substr(at, run + 1 - at));
    at = text.find_first_not_of(' ', run + 1);
  }
}

// A well-formed entry holds exactly one blank and exactly one slash.
bool HasEntryForm(std::string_view entry) {
  return CountFields(entry, kNameSeparator) == 2 && CountFields(entry, kAlleleSeparator) == 2;
}

struct EntryParts {
  std::string_view name;
  std::string_view firstAllele;
  std::string_view secondAllele;
};

// The name is what stands before the blank; the alleles are the parts of what
// follows it, before and after the slash. A slash before the blank leaves the
// allele part without a slash, so its second allele comes out empty.
EntryParts PartsOf(std::string_view entry) {
  const std::string_view allelePart = NthField(entry, kNameSeparator, 2);
  return {NthField(entry, kNameSeparator, 1), NthField(allelePart, kAlleleSeparator, 1),
          NthField(allelePart, kAlleleSeparator, 2)};
}

// Entry k (from 0) of a line whose entries have been counted.
std::string_view EntryAt(std::string_view line, std::size_t k) {
  return NthField(line, kEntrySeparator, static_cast<std::int32_t>(k + 1));
}

// Parent 1's entries create the genes, one per column, filled as far as the
// tests get.
bool ReadParent1(std::string_view line, std::int32_t geneCount, ParseOutcome& outcome) {
  auto& genes = outcome.parents.genotype;
  for (std::size_t k = 0; k < static_cast<std::size_t>(geneCount); ++k) {
    const std::string_view entry = EntryAt(line, k);
    gene& current = genes.emplace_back();
    if (entry.empty()) return Fail(outcome, Fault::Parent1EntryMissing, GeneNumber(k));
    if (!HasEntryForm(entry)) return Fail(outcome, Fault::Parent1EntryForm, entry);
    const EntryParts parts = PartsOf(entry);
    if (parts.name.empty()) return Fail(outcome, Fault::Parent1NameMissing, GeneNumber(k));
    current.name = parts.name;
    if (parts.firstAllele.empty()) return Fail(outcome, Fault::Parent1Allele1Missing, current.name);
    current.allele[0] = parts.firstAllele;
    if (parts.secondAllele.empty()) return Fail(outcome, Fault::Parent1Allele2Missing, current.name);
    current.allele[1] = parts.secondAllele;
  }
  return true;
}

// The first pair of equal names, lowest first index first, then lowest second.
bool CheckNamesDistinct(ParseOutcome& outcome) {
  const auto& genes = outcome.parents.genotype;
  for (std::size_t i = 0; i < genes.size(); ++i) {
    for (std::size_t j = i + 1; j < genes.size(); ++j) {
      if (genes[i].name == genes[j].name) return Fail(outcome, Fault::DuplicateName, genes[i].name);
    }
  }
  return true;
}

// Parent 2's entries must name the same gene in the same column; they only add
// their alleles to the genes parent 1 made.
bool ReadParent2(std::string_view line, ParseOutcome& outcome) {
  auto& genes = outcome.parents.genotype;
  for (std::size_t k = 0; k < genes.size(); ++k) {
    const std::string_view entry = EntryAt(line, k);
    gene& current = genes[k];
    if (entry.empty()) return Fail(outcome, Fault::Parent2EntryMissing, GeneNumber(k));
    if (!HasEntryForm(entry)) return Fail(outcome, Fault::Parent2EntryForm, entry);
    const EntryParts parts = PartsOf(entry);
    if (parts.name.empty()) return Fail(outcome, Fault::Parent2NameMissing, GeneNumber(k));
    if (parts.name != current.name) return Fail(outcome, Fault::NameMismatch, current.name, parts.name);
    if (parts.firstAllele.empty()) return Fail(outcome, Fault::Parent2Allele1Missing, current.name);
    current.allele[2] = parts.firstAllele;
    if (parts.secondAllele.empty()) return Fail(outcome, Fault::Parent2Allele2Missing, current.name);
    current.allele[3] = parts.secondAllele;
  }
  return true;
}

}  // namespace

ParseOutcome ParseParentsText(std::string_view text) {
  ParseOutcome outcome;
  if (text.empty()) return outcome;

  // Only the first two lines matter; the rest is dropped from the text, so it
  // is neither copied nor split. A run of blanks never spans a line break, so
  // reducing the runs line by line gives what reducing the whole text would.
  const std::size_t firstBreak = Find(text, kLineSeparator);
  if (firstBreak == std::string_view::npos) {
    if (HasBlankRun(text)) AppendReducingBlankRuns(outcome.text.emplace(), text);
    Fail(outcome, Fault::OneLine);
    return outcome;
  }
  const std::size_t secondStart = firstBreak + kLineSeparator.size();
  std::string_view line1 = text.substr(0, firstBreak);
  std::string_view line2 = text.substr(secondStart, Find(text, kLineSeparator, secondStart) - secondStart);
  outcome.focusResultList = true;
  // A text that changes is read where the outcome holds it.
  if (HasBlankRun(line1) || HasBlankRun(line2) || secondStart + line2.size() < text.size()) {
    std::string& kept = outcome.text.emplace();
    kept.reserve(line1.size() + EndOfLine().size() + line2.size());
    AppendReducingBlankRuns(kept, line1);
    const std::size_t line1Size = kept.size();
    kept += EndOfLine();
    const std::size_t line2Start = kept.size();
    AppendReducingBlankRuns(kept, line2);
    line1 = std::string_view(kept).substr(0, line1Size);
    line2 = std::string_view(kept).substr(line2Start);
  }

  const std::int32_t geneCount = CountFields(line1, kEntrySeparator);
  outcome.geneCount = geneCount;
  if (geneCount == 0) return outcome;
  if (geneCount > kMaxGenes) {
    Fail(outcome, Fault::TooManyGenes);
    return outcome;
  }

  if (!ReadParent1(line1, geneCount, outcome)) return outcome;
  if (!CheckNamesDistinct(outcome)) return outcome;
  // Counting first keeps a line 2 of a million tabs from being read further.
  if (CountFields(line2, kEntrySeparator) != geneCount) {
    Fail(outcome, Fault::UnequalGeneNumbers);
    return outcome;
  }
  if (!ReadParent2(line2, outcome)) return outcome;

  outcome.status = ParseStatus::Success;
  return outcome;
}

}  // namespace engine
