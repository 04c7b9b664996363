#include "engine/AlleleMixer.h"

#include <utility>

#include "engine/AlleleChoice.h"

namespace {

bool SameGenotype(const AlleleMixer& m, std::size_t i, std::size_t j) {
  return (m.Allele1[j] == m.Allele1[i] && m.Allele2[j] == m.Allele2[i]) ||
         (m.Allele2[j] == m.Allele1[i] && m.Allele1[j] == m.Allele2[i]);
}

}  // namespace

void AlleleMixer::Initialize() {
  pupCount = kMaxPups;
  for (std::size_t i = kFirstPupSlot; i < kSlots; ++i) P[i] = 1.0 / kMaxPups;
}

void AlleleMixer::CalcPups() {
  // Every combination of one allele of parent 1 (left) with one of parent 2.
  Allele1[2] = Allele1[0];
  Allele2[2] = Allele1[1];
  Allele1[3] = Allele1[0];
  Allele2[3] = Allele2[1];
  Allele1[4] = Allele2[0];
  Allele2[4] = Allele1[1];
  Allele1[5] = Allele2[0];
  Allele2[5] = Allele2[1];

  for (std::size_t i = kFirstPupSlot; i < kSlots; ++i) {
    if (Allele1[i] != WT && Allele2[i] == WT) std::swap(Allele1[i], Allele2[i]);
  }

  // A genotype and its reverse are one genotype: each survives in the lowest
  // slot where it occurs, with the probabilities of all its occurrences.
  for (std::size_t i = kFirstPupSlot; i < kSlots - 1; ++i) {
    for (std::size_t j = i + 1; j < kSlots; ++j) {
      if (P[i] > 0 && P[j] > 0 && SameGenotype(*this, i, j)) {
        P[i] += P[j];
        P[j] = 0;
        --pupCount;
      }
    }
  }

  // Close the gaps so that the survivors fill slots 2 to pupCount + 1 in their
  // order. Slot 2 never empties; slot 5 never needs filling. Each gap takes
  // the next survivor only, so no survivor can be written over.
  for (std::size_t i = kFirstPupSlot + 1; i < kSlots - 1; ++i) {
    if (P[i] > 0) continue;
    for (std::size_t j = i + 1; j < kSlots; ++j) {
      if (P[j] > 0) {
        Allele1[i] = Allele1[j];
        Allele2[i] = Allele2[j];
        P[i] = P[j];
        P[j] = 0;
        break;
      }
    }
  }
}

namespace engine {

AlleleMixer MixGene(const gene& locus, const std::string& chosenEntry) {
  AlleleMixer mixer;
  mixer.Initialize();
  mixer.Allele1[AlleleMixer::kParent1Slot] = locus.allele[0];
  mixer.Allele2[AlleleMixer::kParent1Slot] = locus.allele[1];
  mixer.Allele1[AlleleMixer::kParent2Slot] = locus.allele[2];
  mixer.Allele2[AlleleMixer::kParent2Slot] = locus.allele[3];
  mixer.WT = AlleleOf(chosenEntry);
  mixer.CalcPups();
  return mixer;
}

}  // namespace engine
