#include "engine/AlleleChoice.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "engine/Genotype.h"
#include "toolkit/Text.h"

namespace engine {
namespace {

constexpr std::string_view kEntryPrefix = " ";

// In order of preference; the index is the class.
constexpr std::array<std::string_view, 7> kPreferredFirstCharacters = {"w", "0", "x", "y", "f", "+", "-"};

}  // namespace

std::string PopupEntry(const std::string& allele) { return std::string(kEntryPrefix) + allele; }

std::string AlleleOf(const std::string& entry) { return toolkit::Mid(entry, toolkit::Len(kEntryPrefix) + 1); }

// The allele's first character is read where it stands: an allele can be a
// hundred megabytes.
std::int32_t alleleRank(const std::string& entry) {
  const auto prefix = static_cast<std::size_t>(toolkit::Len(kEntryPrefix));
  const std::string_view allele = std::string_view(entry).substr(toolkit::EndOfFirstChars(entry, prefix));
  const std::string_view first = allele.substr(0, toolkit::EndOfFirstChars(allele, 1));
  const auto found = std::find(kPreferredFirstCharacters.begin(), kPreferredFirstCharacters.end(), first);
  return static_cast<std::int32_t>(found - kPreferredFirstCharacters.begin());
}

std::vector<std::string> CalcPopup(std::span<const std::string> alleles) {
  if (alleles.size() < kAllelesPerGene) throw std::out_of_range("a popup needs four alleles");
  std::vector<std::string> entries;
  for (std::size_t i = 0; i < kAllelesPerGene; ++i) {
    const std::string& allele = alleles[i];
    const auto earlier = alleles.begin() + static_cast<std::ptrdiff_t>(i);
    if (std::find(alleles.begin(), earlier, allele) == earlier) entries.push_back(PopupEntry(allele));
  }
  if (entries.size() == 1) return entries;

  // A stable sort by class: entries of one class keep the order in which their
  // alleles first appeared.
  std::vector<std::pair<std::int32_t, std::string>> ranked;
  for (std::string& entry : entries) ranked.emplace_back(alleleRank(entry), std::move(entry));
  std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t k = 0; k < ranked.size(); ++k) entries[k] = std::move(ranked[k].second);
  return entries;
}

}  // namespace engine
