#pragma once

// The cross of one gene. Slots 0 and 1 hold the parents (first allele in
// Allele1, second in Allele2); slots 2 to 5 the four combinations of one allele
// from each parent, which CalcPups turns into the gene's distinct pup
// genotypes, each with its probability, in slots 2 to pupCount + 1.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/Genotype.h"

class AlleleMixer {
 public:
  // The slots: the two parents, then the pups.
  static constexpr std::size_t kParent1Slot = 0;
  static constexpr std::size_t kParent2Slot = 1;
  static constexpr std::size_t kFirstPupSlot = 2;
  static constexpr std::size_t kSlots = 6;
  static constexpr std::int32_t kMaxPups = kSlots - kFirstPupSlot;

  std::array<std::string, kSlots> Allele1;
  std::array<std::string, kSlots> Allele2;
  std::array<double, kSlots> P{};  // 0 marks an empty pup slot
  std::int32_t pupCount = 0;
  std::string WT;  // the allele written on the left of every pup that holds it

  // Four pups of 0.25 each, before CalcPups merges them.
  void Initialize();
  void CalcPups();
};

namespace engine {

// A crossed mixer for one gene: parent 1 in slot 0, parent 2 in slot 1, and
// as WT the allele of the chosen popup entry.
AlleleMixer MixGene(const gene& locus, const std::string& chosenEntry);

}  // namespace engine
