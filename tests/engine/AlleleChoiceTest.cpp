#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/AlleleChoice.h"

namespace {

using engine::alleleRank;
using engine::CalcPopup;
using Texts = std::vector<std::string>;

TEST(AlleleChoiceTest, OffersDistinctAllelesInPreferenceOrder) {
  struct Case {
    const char* name;
    Texts alleles;
    Texts entries;
  };
  const Case cases[] = {
      {"w before flox", {"w", "flox", "w", "w"}, {" w", " flox"}},
      {"w moves ahead of flox", {"flox", "w", "w", "w"}, {" w", " flox"}},
      {"0 before + before -", {"+", "0", "-", "+"}, {" 0", " +", " -"}},
      {"all four classes differ", {"y", "x", "fl", "w"}, {" w", " x", " y", " fl"}},
      {"equal classes keep their order", {"b", "a", "d", "c"}, {" b", " a", " d", " c"}},
      {"only the first character counts", {"fr", "w", "fl", "w"}, {" w", " fr", " fl"}},
      {"four equal alleles give one entry", {"a", "a", "a", "a"}, {" a"}},
      {"case makes alleles different", {"A", "a", "W", "w"}, {" w", " A", " a", " W"}},
      {"multi-byte first character is one character", {"\xCF\x89", "w", "\xCF\x89", "x"}, {" w", " x", " \xCF\x89"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CalcPopup(c.alleles), c.entries);
  }
}

TEST(AlleleChoiceTest, RanksByTheAllelesFirstCharacter) {
  struct Case {
    const char* entry;
    std::int32_t rank;
  };
  const Case cases[] = {{" wt", 0}, {" 0a", 1}, {" x1", 2}, {" y", 3}, {" flox", 4}, {" +", 5},
                        {" -", 6},  {" a", 7},  {" W", 7},  {" ", 7},  {"", 7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    EXPECT_EQ(alleleRank(c.entry), c.rank);
  }
}

TEST(AlleleChoiceTest, NeedsFourAlleles) {
  EXPECT_THROW(CalcPopup(std::vector<std::string>{"a", "b", "c"}), std::out_of_range);
}

}  // namespace
