#pragma once

// The genotype records and the parents' genotype text they are read from:
// what the parser stores and the rest of the engine reads, and the format
// that both input roads write. Plain data; the parser fills the records,
// nobody else changes them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// The parents' genotype text: parent 1's line, then parent 2's; on each line
// one entry per gene; an entry is the gene's name and its two alleles,
// "Gene1 a/b".
inline constexpr std::string_view kLineSeparator = "\r";
inline constexpr std::string_view kEntrySeparator = "\t";
inline constexpr std::string_view kNameSeparator = " ";
inline constexpr std::string_view kAlleleSeparator = "/";

// A cross takes one to this many genes.
inline constexpr std::int32_t kMaxGenes = 4;
// Two parents with two alleles each.
inline constexpr std::size_t kAllelesPerGene = 4;

}  // namespace engine

// One gene locus of both parents. The name comes from parent 1's entry;
// alleles 0 and 1 are parent 1's, 2 and 3 parent 2's, each in written order.
struct gene {
  std::string name;
  std::array<std::string, engine::kAllelesPerGene> allele;

  friend bool operator==(const gene&, const gene&) = default;
};

// Both parents together: one gene per column of parent 1's line, in order.
struct breederPair {
  std::vector<gene> genotype;

  friend bool operator==(const breederPair&, const breederPair&) = default;
};
