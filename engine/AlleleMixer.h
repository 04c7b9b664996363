#pragma once

// The cross of one gene. Slots 0 and 1 hold the parents (first allele in
// Allele1, second in Allele2); slots 2 to 5 the four combinations of one allele
// from each parent, which CalcPups turns into the gene's distinct pup
// genotypes, each with its probability, in slots 2 to pupCount + 1.

#include <array>
#include <cstdint>
#include <string>

#include "engine/Genotype.h"

class AlleleMixer {
 public:
  std::array<std::string, 6> Allele1;
  std::array<std::string, 6> Allele2;
  std::array<double, 6> P{};  // 0 marks an empty pup slot
  std::int32_t pupCount = 0;
  std::string WT;  // the allele written on the left of every pup that holds it

  // Four pups of 0.25 each, before CalcPups merges them.
  void Initialize();
  void CalcPups();
};

namespace engine {

// A crossed mixer for one gene: parent 1 in slot 0, parent 2 in slot 1, and
// as WT the allele of the chosen popup entry (the entry without its leading
// blank).
AlleleMixer MixGene(const gene& locus, const std::string& chosenEntry);

}  // namespace engine
