#pragma once

// The result of a cross: every combination of one pup genotype per gene, with
// the product of their probabilities, as list rows, the count text and the
// clipboard text. Rows come in a fixed order: gene 0 changes slowest, the last
// gene fastest, each gene's pups in their slot order; they are never sorted.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/AlleleMixer.h"
#include "engine/Genotype.h"
#include "toolkit/SpreadsheetTable.h"

namespace engine {

// The result list has a column for each gene a cross can take and the
// probability in the last one.
constexpr auto kProbabilityColumn = static_cast<std::size_t>(kMaxGenes);
constexpr std::size_t kResultColumns = kProbabilityColumn + 1;

struct ResultRow {
  std::vector<std::string> genotypes;  // one pup genotype text per gene, "Gene1 w/flox"
  double probability = 0;
  std::string probabilityText;
};

struct CrossResult {
  std::string countText;  // "6 possible genotypes"
  // The headings to write: the gene names, and "P" over the probability; the
  // columns without a gene keep the heading they had.
  std::array<std::optional<std::string>, kResultColumns> headings;
  std::vector<ResultRow> rows;
  // Per row: each genotype followed by a tab, then two blanks, the
  // probability and the line end (also after the last row).
  std::string clipboardText;
};

// Combines genes 0 to geneCount - 1 of `parents` with their crossed mixers.
// Throws std::invalid_argument unless 1 <= geneCount <= 4, there are at least
// that many genes and mixers, and every mixer holds 1 to 4 pups.
CrossResult CalcResult(const breederPair& parents, std::int32_t geneCount, const std::vector<AlleleMixer>& mixers);

// The rows as the same table as the clipboard text, for spreadsheets: each
// genotype a text, then the probability as a number. The rows' texts are moved
// into it, not copied (an allele can be megabytes).
toolkit::SpreadsheetTable ResultTable(std::vector<ResultRow> rows);

}  // namespace engine
