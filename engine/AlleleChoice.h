#pragma once

// The entries of a gene's allele popup: which of its alleles the user may put
// on the left of the pup genotypes, in the order they are offered.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace engine {

// The preference class of a popup entry, 0 to 7, from the first character of
// its allele (the entry's second character): "w" 0, "0" 1, "x" 2, "y" 3,
// "f" 4, "+" 5, "-" 6, anything else 7. A lower class is offered first.
std::int32_t alleleRank(const std::string& entry);

// Each distinct allele of elements 0 to 3 of `alleles` once, as a popup
// entry, in first-appearance order, then stably sorted by class. Throws
// std::out_of_range when fewer than four alleles are given. The alleles are
// read where they stand: one can be a hundred megabytes.
std::vector<std::string> CalcPopup(std::span<const std::string> alleles);

// A popup entry is one blank followed by the allele: the allele of an entry
// is the entry without its first character.
std::string PopupEntry(const std::string& allele);
std::string AlleleOf(const std::string& entry);

}  // namespace engine
