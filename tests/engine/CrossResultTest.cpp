#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/CrossResult.h"
#include "toolkit/Text.h"

namespace {

using engine::CalcResult;
using engine::CrossResult;
using engine::MixGene;

struct Cross {
  breederPair parents;
  std::vector<AlleleMixer> mixers;
};

// Genes given as {name, a0, a1, a2, a3, chosen allele}.
Cross Make(const std::vector<std::array<std::string, 6>>& genes) {
  Cross cross;
  for (const auto& g : genes) {
    cross.parents.genotype.push_back({g[0], {g[1], g[2], g[3], g[4]}});
    cross.mixers.push_back(MixGene(cross.parents.genotype.back(), " " + g[5]));
  }
  return cross;
}

CrossResult ResultOf(const Cross& cross) {
  return CalcResult(cross.parents, static_cast<std::int32_t>(cross.parents.genotype.size()), cross.mixers);
}

// The list as it would show: one line per row, cells separated by " | ".
std::string Dump(const CrossResult& result) {
  std::string out;
  for (const auto& row : result.rows) {
    for (const auto& genotype : row.genotypes) out += genotype + " | ";
    out += row.probabilityText + "\n";
  }
  return out;
}

TEST(CrossResultTest, CombinesTwoGenesGene0Slowest) {
  const CrossResult result =
      ResultOf(Make({{"Gene1", "w", "flox", "w", "w", "w"}, {"Gene2", "a", "b", "a", "b", "b"}}));
  EXPECT_EQ(result.countText, "6 possible genotypes");
  EXPECT_EQ(Dump(result), R"(Gene1 w/w | Gene2 a/a | 0.125
Gene1 w/w | Gene2 b/a | 0.25
Gene1 w/w | Gene2 b/b | 0.125
Gene1 w/flox | Gene2 a/a | 0.125
Gene1 w/flox | Gene2 b/a | 0.25
Gene1 w/flox | Gene2 b/b | 0.125
)");
  EXPECT_EQ(result.clipboardText,
            "Gene1 w/w\tGene2 a/a\t  0.125\n"
            "Gene1 w/w\tGene2 b/a\t  0.25\n"
            "Gene1 w/w\tGene2 b/b\t  0.125\n"
            "Gene1 w/flox\tGene2 a/a\t  0.125\n"
            "Gene1 w/flox\tGene2 b/a\t  0.25\n"
            "Gene1 w/flox\tGene2 b/b\t  0.125\n");
  // Only the columns of genes and the probability get a heading.
  const std::array<std::optional<std::string>, 5> headings = {"Gene1", "Gene2", std::nullopt, std::nullopt, "P"};
  EXPECT_EQ(result.headings, headings);
}

// The table for spreadsheets holds the rows of the clipboard text: each
// genotype a text, the probability a number.
TEST(CrossResultTest, ResultTableHoldsTheClipboardRowsWithNumbers) {
  const CrossResult result =
      ResultOf(Make({{"Gene1", "w", "flox", "w", "w", "w"}, {"Gene2", "a", "b", "a", "b", "b"}}));
  const toolkit::SpreadsheetTable expected = {
      {std::string("Gene1 w/w"), std::string("Gene2 a/a"), 0.125},
      {std::string("Gene1 w/w"), std::string("Gene2 b/a"), 0.25},
      {std::string("Gene1 w/w"), std::string("Gene2 b/b"), 0.125},
      {std::string("Gene1 w/flox"), std::string("Gene2 a/a"), 0.125},
      {std::string("Gene1 w/flox"), std::string("Gene2 b/a"), 0.25},
      {std::string("Gene1 w/flox"), std::string("Gene2 b/b"), 0.125},
  };
  EXPECT_EQ(engine::ResultTable(result.rows), expected);
}

TEST(CrossResultTest, SingleGenotypeHasOneRow) {
  const CrossResult result = ResultOf(Make({{"Gene1", "a", "a", "a", "a", "a"}}));
  EXPECT_EQ(result.countText, "1 possible genotypes");
  EXPECT_EQ(Dump(result), "Gene1 a/a | 1\n");
  EXPECT_EQ(result.clipboardText, "Gene1 a/a\t  1" + toolkit::EndOfLine());
  const std::array<std::optional<std::string>, 5> headings = {"Gene1", std::nullopt, std::nullopt, std::nullopt, "P"};
  EXPECT_EQ(result.headings, headings);
}

TEST(CrossResultTest, FourGenesOfFourPupsGive256Rows) {
  const CrossResult result = ResultOf(Make({{"A", "a", "b", "c", "d", "a"},
                                            {"B", "e", "f", "g", "h", "e"},
                                            {"C", "i", "j", "k", "l", "i"},
                                            {"D", "m", "n", "o", "p", "m"}}));
  ASSERT_EQ(result.rows.size(), 256U);
  EXPECT_EQ(result.countText, "256 possible genotypes");

  const std::vector<std::string> pupsA = {"A a/c", "A a/d", "A b/c", "A b/d"};
  const std::vector<std::string> pupsD = {"D m/o", "D m/p", "D n/o", "D n/p"};
  std::set<std::string> distinct;
  double sum = 0;
  for (std::size_t r = 0; r < result.rows.size(); ++r) {
    const auto& row = result.rows[r];
    EXPECT_EQ(row.genotypes[0], pupsA[r / 64]) << "row " << r;
    EXPECT_EQ(row.genotypes[3], pupsD[r % 4]) << "row " << r;
    EXPECT_EQ(row.probabilityText, "0.00390625");
    distinct.insert(row.genotypes[0] + row.genotypes[1] + row.genotypes[2] + row.genotypes[3]);
    sum += row.probability;
  }
  EXPECT_EQ(distinct.size(), 256U);
  EXPECT_EQ(sum, 1.0);
  // Gene 2 changes every 4 rows, gene 1 every 16.
  EXPECT_EQ(result.rows[3].genotypes[2], "C i/k");
  EXPECT_EQ(result.rows[4].genotypes[2], "C i/l");
  EXPECT_EQ(result.rows[15].genotypes[1], "B e/g");
  EXPECT_EQ(result.rows[16].genotypes[1], "B e/h");

  // Every clipboard line has one tab per gene and the same probability text.
  const auto lines = toolkit::Split(result.clipboardText, toolkit::EndOfLine());
  ASSERT_EQ(lines.size(), 257U);
  EXPECT_EQ(lines.back(), "");
  EXPECT_EQ(lines[0], "A a/c\tB e/g\tC i/k\tD m/o\t  0.00390625");
  EXPECT_EQ(lines[255], "A b/d\tB f/h\tC j/l\tD n/p\t  0.00390625");
}

TEST(CrossResultTest, MixedPupCountsMultiplyInOrder) {
  const CrossResult result = ResultOf(
      Make({{"G1", "a", "a", "b", "b", "a"}, {"G2", "a", "b", "a", "b", "a"}, {"G3", "w", "flox", "w", "w", "w"}}));
  EXPECT_EQ(result.countText, "6 possible genotypes");
  EXPECT_EQ(Dump(result), R"(G1 a/b | G2 a/a | G3 w/w | 0.125
G1 a/b | G2 a/a | G3 w/flox | 0.125
G1 a/b | G2 a/b | G3 w/w | 0.25
G1 a/b | G2 a/b | G3 w/flox | 0.25
G1 a/b | G2 b/b | G3 w/w | 0.125
G1 a/b | G2 b/b | G3 w/flox | 0.125
)");
}

TEST(CrossResultTest, RefusesInputsOutsideItsPrecondition) {
  const Cross cross = Make({{"G", "a", "b", "c", "d", "a"}});
  EXPECT_THROW(CalcResult(cross.parents, 0, cross.mixers), std::invalid_argument);
  EXPECT_THROW(CalcResult(cross.parents, 2, cross.mixers), std::invalid_argument);
  EXPECT_THROW(CalcResult(cross.parents, 1, {}), std::invalid_argument);
  Cross broken = cross;
  broken.mixers[0].pupCount = 5;
  EXPECT_THROW(CalcResult(broken.parents, 1, broken.mixers), std::invalid_argument);
}

}  // namespace
