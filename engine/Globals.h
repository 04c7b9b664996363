#pragma once

// The program's only two global variables: the genotype records of the latest
// parse and the number of genes in use.

#include <cstdint>
#include <memory>

#include "engine/Genotype.h"

namespace Globals {

// The pair of the latest parse; none at program start. Every parse replaces it
// with a new pair before it reads the text.
extern std::shared_ptr<breederPair> parents;

// 1 to 4 after a successful parse; otherwise whatever the last parse or input
// road stored (it may be above 4 after a parse that found too many genes).
extern std::int32_t geneCount;

}  // namespace Globals
