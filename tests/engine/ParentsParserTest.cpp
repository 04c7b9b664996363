#include "engine/ParentsParser.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "toolkit/Text.h"

namespace {

using engine::ParseOutcome;
using engine::ParseParentsText;
using engine::ParseStatus;

const std::string kEol = toolkit::EndOfLine();
const std::string kHelpExample =
    "Gene1 a/b\tGene2 Y/+\tGene3 0/0\tGene4 w/flox\r"
    "Gene1 c/d\tGene2 X/-\tGene3 0/+\tGene4 w/w";

// The genes as one line: "name[allele0,allele1,allele2,allele3]" each.
std::string Dump(const breederPair& pair) {
  std::string out;
  for (const gene& g : pair.genotype) {
    if (!out.empty()) out += " ";
    out += g.name + "[" + g.allele[0] + "," + g.allele[1] + "," + g.allele[2] + "," + g.allele[3] + "]";
  }
  return out;
}

std::string FormFault(const std::string& parent, const std::string& entry) {
  return "Parent " + parent + ": " + entry + kEol + "should contain 1 space & 1 slash";
}

struct Case {
  std::string name;
  std::string input;
  ParseStatus status;
  std::string message;  // after "Error" and the line end; empty unless Failed
  std::string text;     // what the text area shows afterwards
  bool focus;
  std::optional<std::int32_t> geneCount;
  std::string genes;
};

void Check(const Case& c) {
  SCOPED_TRACE(c.name);
  const ParseOutcome outcome = ParseParentsText(c.input);
  EXPECT_EQ(outcome.status, c.status);
  EXPECT_EQ(outcome.message, c.status == ParseStatus::Failed ? "Error" + kEol + c.message : "");
  EXPECT_EQ(outcome.text, c.text);
  EXPECT_EQ(outcome.focusResultList, c.focus);
  EXPECT_EQ(outcome.geneCount, c.geneCount);
  EXPECT_EQ(Dump(outcome.parents), c.genes);
}

constexpr auto kOk = ParseStatus::Success;
constexpr auto kSilent = ParseStatus::SilentStop;
constexpr auto kFailed = ParseStatus::Failed;

TEST(ParentsParserTest, AcceptsWellFormedTexts) {
  const Case cases[] = {
      {"one gene", "Gene1 a/b\rGene1 a/b", kOk, "", "Gene1 a/b" + kEol + "Gene1 a/b", true, 1, "Gene1[a,b,a,b]"},
      {"the help example", kHelpExample, kOk, "",
       "Gene1 a/b\tGene2 Y/+\tGene3 0/0\tGene4 w/flox" + kEol + "Gene1 c/d\tGene2 X/-\tGene3 0/+\tGene4 w/w", true, 4,
       "Gene1[a,b,c,d] Gene2[Y,+,X,-] Gene3[0,0,0,+] Gene4[w,flox,w,w]"},
      {"runs of blanks become one blank", "Gene1    a/b\rGene1     a/b", kOk, "",
       "Gene1 a/b" + kEol + "Gene1 a/b", true, 1, "Gene1[a,b,a,b]"},
      {"lines after the second are dropped", "G a/b\rG c/d\rthird\rfourth", kOk, "", "G a/b" + kEol + "G c/d", true,
       1, "G[a,b,c,d]"},
      {"a final carriage return is dropped", "G a/b\rG c/d\r", kOk, "", "G a/b" + kEol + "G c/d", true, 1,
       "G[a,b,c,d]"},
      {"names differing in case are different genes", "A a/b\ta c/d\rA a/b\ta c/d", kOk, "",
       "A a/b\ta c/d" + kEol + "A a/b\ta c/d", true, 2, "A[a,b,a,b] a[c,d,c,d]"},
      {"multi-byte names and alleles", "G\xC3\xA9n \xCE\xB1/\xE2\x82\xAC\rG\xC3\xA9n w/\xCE\xB1", kOk, "",
       "G\xC3\xA9n \xCE\xB1/\xE2\x82\xAC" + kEol + "G\xC3\xA9n w/\xCE\xB1", true, 1,
       "G\xC3\xA9n[\xCE\xB1,\xE2\x82\xAC,w,\xCE\xB1]"},
      {"line feeds and NUL are ordinary characters", std::string("G a\n/\0b\rG c/d", 13), kOk, "",
       std::string("G a\n/\0b", 7) + kEol + "G c/d", true, 1, std::string("G[a\n,\0b,c,d]", 12)},
      {"invalid UTF-8 is kept byte for byte", "G\xFF a/\xC3\rG\xFF c/d", kOk, "", "G\xFF a/\xC3" + kEol + "G\xFF c/d",
       true, 1, "G\xFF[a,\xC3,c,d]"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(ParentsParserTest, StopsSilentlyOnNothingToParse) {
  const Case cases[] = {
      {"empty text", "", kSilent, "", "", false, std::nullopt, ""},
      {"empty first line", "\rGene1 a/b", kSilent, "", kEol + "Gene1 a/b", true, 0, ""},
  };
  for (const Case& c : cases) Check(c);
}

TEST(ParentsParserTest, ReportsTheFirstFaultOfParent1) {
  const Case cases[] = {
      {"one line", "Gene1 a/b", kFailed, "Each parent should be on a separate line", "Gene1 a/b", false, std::nullopt,
       ""},
      {"lines ending in line feeds are one line", "Gene1  a/b\nGene1 a/b\n", kFailed,
       "Each parent should be on a separate line", "Gene1 a/b\nGene1 a/b\n", false, std::nullopt, ""},
      {"five genes", "a x/y\tb x/y\tc x/y\td x/y\te x/y\ra x/y", kFailed, "Cannot use more than 4 genes",
       "a x/y\tb x/y\tc x/y\td x/y\te x/y" + kEol + "a x/y", true, 5, ""},
      {"a final tab making a fifth entry", "a x/y\tb x/y\tc x/y\td x/y\t\ra x/y", kFailed,
       "Cannot use more than 4 genes", "a x/y\tb x/y\tc x/y\td x/y\t" + kEol + "a x/y", true, 5, ""},
      {"a final tab making an empty entry", "Gene1 a/b\t\rGene1 a/b", kFailed, "Parent 1, Gene 2 missing",
       "Gene1 a/b\t" + kEol + "Gene1 a/b", true, 2, "Gene1[a,b,,] [,,,]"},
      {"two blanks in the entry", "G1 a/b\tGene2 c d/e\rx", kFailed, FormFault("1", "Gene2 c d/e"),
       "G1 a/b\tGene2 c d/e" + kEol + "x", true, 2, "G1[a,b,,] [,,,]"},
      {"a blank before the name makes two blanks", " Gene1 a/b\rGene1 a/b", kFailed, FormFault("1", " Gene1 a/b"),
       " Gene1 a/b" + kEol + "Gene1 a/b", true, 1, "[,,,]"},
      {"a blank after the second allele", "Gene1 a/b \rGene1 a/b", kFailed, FormFault("1", "Gene1 a/b "),
       "Gene1 a/b " + kEol + "Gene1 a/b", true, 1, "[,,,]"},
      {"two slashes", "Gene1 a//b\rGene1 a/b", kFailed, FormFault("1", "Gene1 a//b"),
       "Gene1 a//b" + kEol + "Gene1 a/b", true, 1, "[,,,]"},
      {"no blank", "Gene1a/b\rGene1 a/b", kFailed, FormFault("1", "Gene1a/b"), "Gene1a/b" + kEol + "Gene1 a/b", true,
       1, "[,,,]"},
      {"blanks in the entry before the reduction", "Gene1   a  b\rx", kFailed, FormFault("1", "Gene1 a b"),
       "Gene1 a b" + kEol + "x", true, 1, "[,,,]"},
      {"a first line of one blank is an entry, not an empty line", "  \r  x", kFailed, FormFault("1", " "),
       " " + kEol + " x", true, 1, "[,,,]"},
      {"the name's blank is the only one", " a/b\rGene1 a/b", kFailed, "Missing parent 1, gene name 1",
       " a/b" + kEol + "Gene1 a/b", true, 1, "[,,,]"},
      {"no first allele", "G1 a/b\tGene2 /b\rx", kFailed, "Missing parent 1, Gene2, allele 1",
       "G1 a/b\tGene2 /b" + kEol + "x", true, 2, "G1[a,b,,] Gene2[,,,]"},
      {"no second allele", "Gene1 a/\rGene1 a/b", kFailed, "Missing parent 1, Gene1, allele 2",
       "Gene1 a/" + kEol + "Gene1 a/b", true, 1, "Gene1[a,,,]"},
      {"slash before the blank", "Gene1/a b\rGene1 a/b", kFailed, "Missing parent 1, Gene1/a, allele 2",
       "Gene1/a b" + kEol + "Gene1 a/b", true, 1, "Gene1/a[b,,,]"},
      {"duplicate names: the pair of the lowest first column", "A a/b\tB a/b\tB a/b\tA a/b\rx", kFailed,
       "Duplicate gene name: A", "A a/b\tB a/b\tB a/b\tA a/b" + kEol + "x", true, 4,
       "A[a,b,,] B[a,b,,] B[a,b,,] A[a,b,,]"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(ParentsParserTest, ReportsTheFirstFaultOfParent2) {
  const Case cases[] = {
      {"fewer genes", "Gene1 a/b\tGene2 c/d\rGene1 a/b", kFailed, "Parents with unequal gene numbers",
       "Gene1 a/b\tGene2 c/d" + kEol + "Gene1 a/b", true, 2, "Gene1[a,b,,] Gene2[c,d,,]"},
      {"empty second line", "Gene1 a/b\r", kFailed, "Parents with unequal gene numbers", "Gene1 a/b" + kEol, true, 1,
       "Gene1[a,b,,]"},
      {"empty third entry", "G1 a/b\tG2 a/b\tG3 a/b\rG1 c/d\tG2 c/d\t", kFailed, "Parent 2, Gene 3 missing",
       "G1 a/b\tG2 a/b\tG3 a/b" + kEol + "G1 c/d\tG2 c/d\t", true, 3, "G1[a,b,c,d] G2[a,b,c,d] G3[a,b,,]"},
      {"two blanks", "Gene1 a/b\rGene1 a b", kFailed, FormFault("2", "Gene1 a b"), "Gene1 a/b" + kEol + "Gene1 a b",
       true, 1, "Gene1[a,b,,]"},
      {"no name", "Gene1 a/b\r c/d", kFailed, "Missing parent 2, gene name 1", "Gene1 a/b" + kEol + " c/d", true, 1,
       "Gene1[a,b,,]"},
      {"names in another order", "Gene1 a/b\tGene2 c/d\rGene2 a/b\tGene1 c/d", kFailed,
       "Parent 1, Gene1 <> parent 2, Gene2", "Gene1 a/b\tGene2 c/d" + kEol + "Gene2 a/b\tGene1 c/d", true, 2,
       "Gene1[a,b,,] Gene2[c,d,,]"},
      {"name in another case", "Gene1 a/b\rgene1 a/b", kFailed, "Parent 1, Gene1 <> parent 2, gene1",
       "Gene1 a/b" + kEol + "gene1 a/b", true, 1, "Gene1[a,b,,]"},
      {"CR LF: the line feed begins parent 2's name", "Gene1 a/b\r\nGene1 a/b", kFailed,
       "Parent 1, Gene1 <> parent 2, \nGene1", "Gene1 a/b" + kEol + "\nGene1 a/b", true, 1, "Gene1[a,b,,]"},
      {"slash before the blank fails the name first", "Gene1 a/b\rGene1/a b", kFailed,
       "Parent 1, Gene1 <> parent 2, Gene1/a", "Gene1 a/b" + kEol + "Gene1/a b", true, 1, "Gene1[a,b,,]"},
      {"names are copied into the message as they stand", "{2}{eol} a/b\r{1} a/b", kFailed,
       "Parent 1, {2}{eol} <> parent 2, {1}", "{2}{eol} a/b" + kEol + "{1} a/b", true, 1, "{2}{eol}[a,b,,]"},
      {"no first allele", "G1 a/b\tGene2 c/d\rG1 e/f\tGene2 /d", kFailed, "Missing parent 2, Gene2, allele 1",
       "G1 a/b\tGene2 c/d" + kEol + "G1 e/f\tGene2 /d", true, 2, "G1[a,b,e,f] Gene2[c,d,,]"},
      {"no second allele", "Gene1 a/b\rGene1 c/", kFailed, "Missing parent 2, Gene1, allele 2",
       "Gene1 a/b" + kEol + "Gene1 c/", true, 1, "Gene1[a,b,c,]"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(ParentsParserTest, HandlesHugeAndOddTexts) {
  std::string manyLines;
  for (int i = 0; i < 20000; ++i) manyLines += "Gene1 a/b\r";
  const std::string megabyteOfBlanks(1 << 20, ' ');
  const std::string manyTabs(100000, '\t');
  const std::string longAllele(1 << 20, 'a');

  const Case cases[] = {
      {"thousands of lines", manyLines, kOk, "", "Gene1 a/b" + kEol + "Gene1 a/b", true, 1, "Gene1[a,b,a,b]"},
      {"a megabyte of blanks", "G" + megabyteOfBlanks + "a/b\rG" + megabyteOfBlanks + "c/d", kOk, "",
       "G a/b" + kEol + "G c/d", true, 1, "G[a,b,c,d]"},
      {"a hundred thousand tabs", manyTabs + "\r" + manyTabs, kFailed, "Cannot use more than 4 genes",
       manyTabs + kEol + manyTabs, true, 100001, ""},
      {"tabs on line 2 only", "G a/b\r" + manyTabs, kFailed, "Parents with unequal gene numbers",
       "G a/b" + kEol + manyTabs, true, 1, "G[a,b,,]"},
      {"a megabyte allele", "G " + longAllele + "/b\rG c/d", kOk, "", "G " + longAllele + "/b" + kEol + "G c/d", true,
       1, "G[" + longAllele + ",b,c,d]"},
      {"only carriage returns", std::string(50000, '\r'), kSilent, "", kEol, true, 0, ""},
  };
  for (const Case& c : cases) Check(c);
}

}  // namespace
