#include "engine/Globals.h"

namespace Globals {

std::shared_ptr<breederPair> parents;
std::int32_t geneCount = 0;

}  // namespace Globals
