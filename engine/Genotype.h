#pragma once

// The genotype records: what the parser stores from the parents' text and the
// rest of the engine reads. Plain data; the parser fills them, nobody else
// changes them.

#include <array>
#include <string>
#include <vector>

// One gene locus of both parents. The name comes from parent 1's entry;
// alleles 0 and 1 are parent 1's, 2 and 3 parent 2's, each in written order.
struct gene {
  std::string name;
  std::array<std::string, 4> allele;

  friend bool operator==(const gene&, const gene&) = default;
};

// Both parents together: one gene per column of parent 1's line, in order.
struct breederPair {
  std::vector<gene> genotype;

  friend bool operator==(const breederPair&, const breederPair&) = default;
};
