// Feeds arbitrary bytes to the parents' parser and checks what it returns:
// the records of a successful parse are clean enough for the allele popups,
// the text it hands back to the text area parses to the same outcome, and a
// cross of the records gives a complete, duplicate-free result. Any violation
// is printed and traps, so that libFuzzer keeps the input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/AlleleChoice.h"
#include "engine/AlleleMixer.h"
#include "engine/CrossResult.h"
#include "engine/Genotype.h"
#include "engine/ParentsParser.h"
#include "toolkit/Text.h"

namespace {

using engine::ParseOutcome;
using engine::ParseStatus;

using engine::kLineSeparator;

void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "parse_fuzzer: violated: %s\n", property);
  __builtin_trap();
}

std::size_t Occurrences(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t pos = text.find(part); pos != std::string_view::npos; pos = text.find(part, pos + part.size())) {
    ++count;
  }
  return count;
}

// A name or an allele is later cut back out of the text at blanks, slashes,
// tabs and carriage returns, so it must hold none of them.
bool IsCleanField(std::string_view field) {
  static const std::string separators = std::string(engine::kNameSeparator) + std::string(engine::kAlleleSeparator) +
                                        std::string(engine::kEntrySeparator) + std::string(engine::kLineSeparator);
  return !field.empty() && field.find_first_of(separators) == std::string_view::npos;
}

void CheckRecords(const ParseOutcome& outcome) {
  const auto& genes = outcome.parents.genotype;
  Require(!genes.empty() && genes.size() <= static_cast<std::size_t>(engine::kMaxGenes),
          "a successful parse holds 1 to 4 genes");
  Require(outcome.geneCount.has_value() && static_cast<std::size_t>(*outcome.geneCount) == genes.size(),
          "geneCount equals the number of genes");
  for (std::size_t i = 0; i < genes.size(); ++i) {
    Require(IsCleanField(genes[i].name), "a gene name is non-empty and holds no blank, slash, tab or CR");
    for (const std::string& allele : genes[i].allele) {
      Require(IsCleanField(allele), "an allele is non-empty and holds no blank, slash, tab or CR");
    }
    for (std::size_t j = i + 1; j < genes.size(); ++j) {
      Require(genes[i].name != genes[j].name, "gene names are pairwise different");
    }
  }
}

// The length of line 1 as the parser writes it back: the input up to its first
// carriage return, with every run of blanks reduced to one blank. Line 1 may
// hold line feeds, so the line ending inserted after it can only be found by
// position, not by searching for it.
std::size_t Line1Length(std::string_view input) {
  std::size_t length = 0;
  char previous = '\0';
  for (const char c : input.substr(0, input.find(kLineSeparator))) {
    if (!(c == ' ' && previous == ' ')) ++length;
    previous = c;
  }
  return length;
}

// The text area shows the outcome's text, and the next parse reads it back
// with the inserted line ending typed as a carriage return again: that must
// change nothing.
void CheckReparse(std::string_view input, const ParseOutcome& outcome) {
  Require(outcome.focusResultList == (input.find(kLineSeparator) != std::string_view::npos),
          "the result list gets the focus exactly when the input has two lines");
  // A parse that leaves the text as it was writes no line ending of its own.
  std::string retyped = outcome.text ? *outcome.text : toolkit::ReplaceAll(input, kLineSeparator, toolkit::EndOfLine());
  if (outcome.focusResultList) {
    const std::string lineEnd = toolkit::EndOfLine();
    const std::size_t line1Length = Line1Length(input);
    Require(line1Length <= retyped.size() && retyped.compare(line1Length, lineEnd.size(), lineEnd) == 0,
            "the text holds a line ending right after line 1");
    retyped.replace(line1Length, lineEnd.size(), kLineSeparator);
  }
  const ParseOutcome again = engine::ParseParentsText(retyped);
  Require(again.status == outcome.status, "re-parsing the text gives the same status");
  Require(again.parents == outcome.parents, "re-parsing the text gives the same records");
  Require(again.geneCount == outcome.geneCount, "re-parsing the text gives the same gene count");
}

// Crosses every gene with the popup's default entry, as the main window does
// right after a successful parse.
engine::CrossResult CrossWithDefaultChoices(const ParseOutcome& outcome) {
  std::vector<AlleleMixer> mixers;
  for (const gene& locus : outcome.parents.genotype) {
    const std::vector<std::string> alleles(locus.allele.begin(), locus.allele.end());
    mixers.push_back(engine::MixGene(locus, engine::CalcPopup(alleles).at(0)));
  }
  return engine::CalcResult(outcome.parents, *outcome.geneCount, mixers);
}

// A pup genotype "Name a/b" with its two alleles in a fixed order: "a/b" and
// "b/a" are one genotype, which the cross must list once.
std::string WithAllelesOrdered(std::string_view genotype) {
  const std::size_t blank = genotype.find(engine::kNameSeparator);
  const std::size_t slash = genotype.find(engine::kAlleleSeparator, blank);
  std::string_view first = genotype.substr(blank + 1, slash - blank - 1);
  std::string_view second = genotype.substr(slash + 1);
  if (second < first) std::swap(first, second);
  return std::string(genotype.substr(0, blank + 1)).append(first).append(engine::kAlleleSeparator).append(second);
}

void CheckCross(const ParseOutcome& outcome) {
  const engine::CrossResult result = CrossWithDefaultChoices(outcome);

  // Every pup probability is a multiple of 1/256, so the sum is exact.
  double total = 0;
  std::set<std::string> rowGenotypes;
  std::size_t lineEndsInGenotypes = 0;
  const std::string lineEnd = toolkit::EndOfLine();
  for (const engine::ResultRow& row : result.rows) {
    total += row.probability;
    std::string genotypes;
    for (const std::string& genotype : row.genotypes) {
      genotypes += WithAllelesOrdered(genotype) + "\t";
      lineEndsInGenotypes += Occurrences(genotype, lineEnd);
    }
    rowGenotypes.insert(genotypes);
  }
  Require(total == 1.0, "the row probabilities add up to 1");
  Require(rowGenotypes.size() == result.rows.size(), "the rows are pairwise different genotypes");
  // An allele may hold a line feed, which the clipboard copies as it stands;
  // apart from those, each row ends exactly one line.
  Require(Occurrences(result.clipboardText, lineEnd) == result.rows.size() + lineEndsInGenotypes,
          "the clipboard text has one line per row");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const ParseOutcome outcome = engine::ParseParentsText(input);

  Require(!outcome.text || outcome.text->find("  ") == std::string::npos, "the text holds no two blanks in a row");
  Require(outcome.text || input.find("  ") == std::string::npos, "a text left as it was holds no two blanks in a row");
  CheckReparse(input, outcome);
  if (outcome.status == ParseStatus::Success) {
    CheckRecords(outcome);
    CheckCross(outcome);
  }
  return 0;
}
