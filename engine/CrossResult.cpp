#include "engine/CrossResult.h"

#include <stdexcept>
#include <utility>

#include "toolkit/Text.h"

namespace engine {
namespace {

void CheckPrecondition(const breederPair& parents, std::int32_t geneCount, const std::vector<AlleleMixer>& mixers) {
  if (geneCount < 1 || geneCount > kMaxGenes) throw std::invalid_argument("a cross needs 1 to 4 genes");
  const auto genes = static_cast<std::size_t>(geneCount);
  if (parents.genotype.size() < genes || mixers.size() < genes) {
    throw std::invalid_argument("a cross needs a gene and a mixer for every gene");
  }
  for (std::size_t g = 0; g < genes; ++g) {
    if (mixers[g].pupCount < 1 || mixers[g].pupCount > AlleleMixer::kMaxPups) {
      throw std::invalid_argument("a crossed gene holds 1 to 4 pups");
    }
  }
}

std::string PupGenotype(const std::string& geneName, const AlleleMixer& mixer, std::size_t pup) {
  const std::size_t slot = AlleleMixer::kFirstPupSlot + pup;
  std::string genotype;
  genotype.reserve(geneName.size() + mixer.Allele1[slot].size() + mixer.Allele2[slot].size() + 2);
  return genotype.append(geneName)
      .append(kNameSeparator)
      .append(mixer.Allele1[slot])
      .append(kAlleleSeparator)
      .append(mixer.Allele2[slot]);
}

// Each of a gene's pup genotypes as text, made once for all the rows that
// show it (an allele can be megabytes).
std::vector<std::string> PupGenotypes(const gene& locus, const AlleleMixer& mixer) {
  std::vector<std::string> genotypes;
  for (std::size_t pup = 0; pup < static_cast<std::size_t>(mixer.pupCount); ++pup) {
    genotypes.push_back(PupGenotype(locus.name, mixer, pup));
  }
  return genotypes;
}

}  // namespace

CrossResult CalcResult(const breederPair& parents, std::int32_t geneCount, const std::vector<AlleleMixer>& mixers) {
  CheckPrecondition(parents, geneCount, mixers);
  const auto genes = static_cast<std::size_t>(geneCount);
  const std::size_t last = genes - 1;

  std::size_t pupTotal = 1;
  for (std::size_t g = 0; g < genes; ++g) pupTotal *= static_cast<std::size_t>(mixers[g].pupCount);

  // Row r takes from gene g the pup (r / repeat(g)) % pupCount(g), where
  // repeat(g) is the product of the pup counts of the genes after g. The
  // probability is multiplied from the last gene to the first.
  std::vector<ResultRow> rows(pupTotal);
  for (ResultRow& row : rows) row.genotypes.resize(genes);
  std::size_t repeat = 1;
  for (std::size_t g = last + 1; g-- > 0;) {
    const AlleleMixer& mixer = mixers[g];
    const auto pups = static_cast<std::size_t>(mixer.pupCount);
    const std::vector<std::string> genotypes = PupGenotypes(parents.genotype[g], mixer);
    for (std::size_t r = 0; r < pupTotal; ++r) {
      const std::size_t pup = (r / repeat) % pups;
      rows[r].genotypes[g] = genotypes[pup];
      const double p = mixer.P[AlleleMixer::kFirstPupSlot + pup];
      rows[r].probability = g == last ? p : rows[r].probability * p;
    }
    repeat *= pups;
  }

  CrossResult result;
  result.countText = toolkit::Str(static_cast<std::int32_t>(pupTotal)) + " possible genotypes";
  for (std::size_t g = 0; g < genes; ++g) result.headings[g] = parents.genotype[g].name;
  result.headings[kProbabilityColumn].emplace("P");

  const std::string lineEnd = toolkit::EndOfLine();
  std::size_t clipboardSize = 0;
  for (ResultRow& row : rows) {
    row.probabilityText = toolkit::Str(row.probability);
    for (const std::string& genotype : row.genotypes) clipboardSize += genotype.size() + kEntrySeparator.size();
    clipboardSize += 2 + row.probabilityText.size() + lineEnd.size();
  }
  result.clipboardText.reserve(clipboardSize);
  for (const ResultRow& row : rows) {
    for (const std::string& genotype : row.genotypes) result.clipboardText.append(genotype).append(kEntrySeparator);
    result.clipboardText.append("  ").append(row.probabilityText).append(lineEnd);
  }
  result.rows = std::move(rows);
  return result;
}

toolkit::SpreadsheetTable ResultTable(std::vector<ResultRow> rows) {
  toolkit::SpreadsheetTable table;
  table.reserve(rows.size());
  for (ResultRow& row : rows) {
    toolkit::TableRow& cells = table.emplace_back();
    cells.reserve(row.genotypes.size() + 1);
    for (std::string& genotype : row.genotypes) cells.emplace_back(std::move(genotype));
    cells.emplace_back(row.probability);
  }
  return table;
}

}  // namespace engine
