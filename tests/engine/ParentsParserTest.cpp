#include <gtest/gtest.h>

#include <string>

#include "engine/ParentsParser.h"
#include "toolkit/Text.h"

namespace {

using engine::ParseOutcome;
using engine::ParseParentsText;
using engine::ParseStatus;

const std::string kEol = toolkit::EndOfLine();
const std::string kHelpExample =
    "Gene1 a/b\tGene2 Y/+\tGene3 0/0\tGene4 w/flox\r"
    "Gene1 c/d\tGene2 X/-\tGene3 0/+\tGene4 w/w";

std::string WithEol(const std::string& text) { return toolkit::ReplaceAll(text, kEol, "{eol}"); }

std::string StatusName(ParseStatus status) {
  switch (status) {
    case ParseStatus::Success: return "ok";
    case ParseStatus::SilentStop: return "silent";
    case ParseStatus::Failed: return "failed";
  }
  return "?";
}

// The text the parents' area holds after the parse, with the line ending the
// parse writes: the outcome's own, or the given one that it left as it was.
std::string ShownText(const ParseOutcome& outcome, const std::string& input) {
  return outcome.text ? *outcome.text : toolkit::ReplaceAll(input, "\r", kEol);
}

// The whole outcome as one line, the form every row below expects:
//   status | genes N (- when unset) | focus or no focus | text: ... |
//   records: name[allele0,allele1,allele2,allele3] ... | message: ...
// with the platform's line ending written {eol}, as in the message table, and
// the message left out when there is none.
std::string Dump(const ParseOutcome& outcome, const std::string& input) {
  std::string records;
  for (const gene& g : outcome.parents.genotype) {
    if (!records.empty()) records += " ";
    records += g.name + "[" + g.allele[0] + "," + g.allele[1] + "," + g.allele[2] + "," + g.allele[3] + "]";
  }
  std::string out = StatusName(outcome.status);
  out += " | genes " + (outcome.geneCount ? toolkit::Str(*outcome.geneCount) : std::string("-"));
  out += outcome.focusResultList ? " | focus" : " | no focus";
  out += " | text: " + ShownText(outcome, input);
  out += " | records: " + (records.empty() ? std::string("none") : records);
  if (!outcome.message.empty()) out += " | message: " + outcome.message;
  return WithEol(out);
}

struct Case {
  std::string name;
  std::string input;
  std::string outcome;  // Dump of what the parse gives
};

void Check(const Case& c) {
  SCOPED_TRACE(c.name);
  EXPECT_EQ(Dump(ParseParentsText(c.input), c.input), c.outcome);
}

std::string FormFault(const std::string& parent, const std::string& entry) {
  return "Error{eol}Parent " + parent + ": " + entry + "{eol}should contain 1 space & 1 slash";
}

TEST(ParentsParserTest, AcceptsWellFormedTexts) {
  const Case cases[] = {
      {"one gene", "Gene1 a/b\rGene1 a/b",
       "ok | genes 1 | focus | text: Gene1 a/b{eol}Gene1 a/b | records: Gene1[a,b,a,b]"},
      {"the help example", kHelpExample,
       "ok | genes 4 | focus | text: Gene1 a/b\tGene2 Y/+\tGene3 0/0\tGene4 w/flox{eol}"
       "Gene1 c/d\tGene2 X/-\tGene3 0/+\tGene4 w/w | "
       "records: Gene1[a,b,c,d] Gene2[Y,+,X,-] Gene3[0,0,0,+] Gene4[w,flox,w,w]"},
      {"runs of blanks become one blank", "Gene1    a/b\rGene1     a/b",
       "ok | genes 1 | focus | text: Gene1 a/b{eol}Gene1 a/b | records: Gene1[a,b,a,b]"},
      {"lines after the second are dropped", "G a/b\rG c/d\rthird\rfourth",
       "ok | genes 1 | focus | text: G a/b{eol}G c/d | records: G[a,b,c,d]"},
      {"a final carriage return is dropped", "G a/b\rG c/d\r",
       "ok | genes 1 | focus | text: G a/b{eol}G c/d | records: G[a,b,c,d]"},
      {"names differing in case are different genes", "A a/b\ta c/d\rA a/b\ta c/d",
       "ok | genes 2 | focus | text: A a/b\ta c/d{eol}A a/b\ta c/d | records: A[a,b,a,b] a[c,d,c,d]"},
      {"multi-byte names and alleles", "G\xC3\xA9n \xCE\xB1/\xE2\x82\xAC\rG\xC3\xA9n w/\xCE\xB1",
       "ok | genes 1 | focus | text: G\xC3\xA9n \xCE\xB1/\xE2\x82\xAC{eol}G\xC3\xA9n w/\xCE\xB1 | "
       "records: G\xC3\xA9n[\xCE\xB1,\xE2\x82\xAC,w,\xCE\xB1]"},
      {"invalid UTF-8 is kept byte for byte", "G\xFF a/\xC3\rG\xFF c/d",
       "ok | genes 1 | focus | text: G\xFF a/\xC3{eol}G\xFF c/d | records: G\xFF[a,\xC3,c,d]"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(ParentsParserTest, StopsSilentlyOnNothingToParse) {
  const Case cases[] = {
      {"empty text", "", "silent | genes - | no focus | text:  | records: none"},
      {"empty first line", "\rGene1 a/b", "silent | genes 0 | focus | text: {eol}Gene1 a/b | records: none"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(ParentsParserTest, ReportsTheFirstFaultOfParent1) {
  const Case cases[] = {
      {"one line", "Gene1 a/b",
       "failed | genes - | no focus | text: Gene1 a/b | records: none | "
       "message: Error{eol}Each parent should be on a separate line"},
      {"five genes", "a x/y\tb x/y\tc x/y\td x/y\te x/y\ra x/y",
       "failed | genes 5 | focus | text: a x/y\tb x/y\tc x/y\td x/y\te x/y{eol}a x/y | records: none | "
       "message: Error{eol}Cannot use more than 4 genes"},
      {"a final tab making a fifth entry", "a x/y\tb x/y\tc x/y\td x/y\t\ra x/y",
       "failed | genes 5 | focus | text: a x/y\tb x/y\tc x/y\td x/y\t{eol}a x/y | records: none | "
       "message: Error{eol}Cannot use more than 4 genes"},
      {"a final tab making an empty entry", "Gene1 a/b\t\rGene1 a/b",
       "failed | genes 2 | focus | text: Gene1 a/b\t{eol}Gene1 a/b | records: Gene1[a,b,,] [,,,] | "
       "message: Error{eol}Parent 1, Gene 2 missing"},
      {"two blanks in the entry", "G1 a/b\tGene2 c d/e\rx",
       "failed | genes 2 | focus | text: G1 a/b\tGene2 c d/e{eol}x | records: G1[a,b,,] [,,,] | message: " +
           FormFault("1", "Gene2 c d/e")},
      {"a blank before the name makes two blanks", " Gene1 a/b\rGene1 a/b",
       "failed | genes 1 | focus | text:  Gene1 a/b{eol}Gene1 a/b | records: [,,,] | message: " +
           FormFault("1", " Gene1 a/b")},
      {"a blank after the second allele", "Gene1 a/b \rGene1 a/b",
       "failed | genes 1 | focus | text: Gene1 a/b {eol}Gene1 a/b | records: [,,,] | message: " +
           FormFault("1", "Gene1 a/b ")},
      {"two slashes", "Gene1 a//b\rGene1 a/b",
       "failed | genes 1 | focus | text: Gene1 a//b{eol}Gene1 a/b | records: [,,,] | message: " +
           FormFault("1", "Gene1 a//b")},
      {"no blank", "Gene1a/b\rGene1 a/b",
       "failed | genes 1 | focus | text: Gene1a/b{eol}Gene1 a/b | records: [,,,] | message: " +
           FormFault("1", "Gene1a/b")},
      {"blanks in the entry before the reduction", "Gene1   a  b\rx",
       "failed | genes 1 | focus | text: Gene1 a b{eol}x | records: [,,,] | message: " + FormFault("1", "Gene1 a b")},
      {"a first line of one blank is an entry, not an empty line", "  \r  x",
       "failed | genes 1 | focus | text:  {eol} x | records: [,,,] | message: " + FormFault("1", " ")},
      {"the name's blank is the only one", " a/b\rGene1 a/b",
       "failed | genes 1 | focus | text:  a/b{eol}Gene1 a/b | records: [,,,] | "
       "message: Error{eol}Missing parent 1, gene name 1"},
      {"no first allele", "G1 a/b\tGene2 /b\rx",
       "failed | genes 2 | focus | text: G1 a/b\tGene2 /b{eol}x | records: G1[a,b,,] Gene2[,,,] | "
       "message: Error{eol}Missing parent 1, Gene2, allele 1"},
      {"no second allele", "Gene1 a/\rGene1 a/b",
       "failed | genes 1 | focus | text: Gene1 a/{eol}Gene1 a/b | records: Gene1[a,,,] | "
       "message: Error{eol}Missing parent 1, Gene1, allele 2"},
      {"slash before the blank", "Gene1/a b\rGene1 a/b",
       "failed | genes 1 | focus | text: Gene1/a b{eol}Gene1 a/b | records: Gene1/a[b,,,] | "
       "message: Error{eol}Missing parent 1, Gene1/a, allele 2"},
      {"duplicate names: the pair of the lowest first column", "A a/b\tB a/b\tB a/b\tA a/b\rx",
       "failed | genes 4 | focus | text: A a/b\tB a/b\tB a/b\tA a/b{eol}x | "
       "records: A[a,b,,] B[a,b,,] B[a,b,,] A[a,b,,] | message: Error{eol}Duplicate gene name: A"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(ParentsParserTest, ReportsTheFirstFaultOfParent2) {
  const Case cases[] = {
      {"fewer genes", "Gene1 a/b\tGene2 c/d\rGene1 a/b",
       "failed | genes 2 | focus | text: Gene1 a/b\tGene2 c/d{eol}Gene1 a/b | records: Gene1[a,b,,] Gene2[c,d,,] | "
       "message: Error{eol}Parents with unequal gene numbers"},
      {"empty second line", "Gene1 a/b\r",
       "failed | genes 1 | focus | text: Gene1 a/b{eol} | records: Gene1[a,b,,] | "
       "message: Error{eol}Parents with unequal gene numbers"},
      {"empty third entry", "G1 a/b\tG2 a/b\tG3 a/b\rG1 c/d\tG2 c/d\t",
       "failed | genes 3 | focus | text: G1 a/b\tG2 a/b\tG3 a/b{eol}G1 c/d\tG2 c/d\t | "
       "records: G1[a,b,c,d] G2[a,b,c,d] G3[a,b,,] | message: Error{eol}Parent 2, Gene 3 missing"},
      {"two blanks", "Gene1 a/b\rGene1 a b",
       "failed | genes 1 | focus | text: Gene1 a/b{eol}Gene1 a b | records: Gene1[a,b,,] | message: " +
           FormFault("2", "Gene1 a b")},
      {"no name", "Gene1 a/b\r c/d",
       "failed | genes 1 | focus | text: Gene1 a/b{eol} c/d | records: Gene1[a,b,,] | "
       "message: Error{eol}Missing parent 2, gene name 1"},
      {"names in another order", "Gene1 a/b\tGene2 c/d\rGene2 a/b\tGene1 c/d",
       "failed | genes 2 | focus | text: Gene1 a/b\tGene2 c/d{eol}Gene2 a/b\tGene1 c/d | "
       "records: Gene1[a,b,,] Gene2[c,d,,] | message: Error{eol}Parent 1, Gene1 <> parent 2, Gene2"},
      {"name in another case", "Gene1 a/b\rgene1 a/b",
       "failed | genes 1 | focus | text: Gene1 a/b{eol}gene1 a/b | records: Gene1[a,b,,] | "
       "message: Error{eol}Parent 1, Gene1 <> parent 2, gene1"},
      {"slash before the blank fails the name first", "Gene1 a/b\rGene1/a b",
       "failed | genes 1 | focus | text: Gene1 a/b{eol}Gene1/a b | records: Gene1[a,b,,] | "
       "message: Error{eol}Parent 1, Gene1 <> parent 2, Gene1/a"},
      {"no first allele", "G1 a/b\tGene2 c/d\rG1 e/f\tGene2 /d",
       "failed | genes 2 | focus | text: G1 a/b\tGene2 c/d{eol}G1 e/f\tGene2 /d | records: G1[a,b,e,f] Gene2[c,d,,] | "
       "message: Error{eol}Missing parent 2, Gene2, allele 1"},
      {"no second allele", "Gene1 a/b\rGene1 c/",
       "failed | genes 1 | focus | text: Gene1 a/b{eol}Gene1 c/ | records: Gene1[a,b,c,] | "
       "message: Error{eol}Missing parent 2, Gene1, allele 2"},
  };
  for (const Case& c : cases) Check(c);
}

// Line feeds are no line ends to the parser, but here they are the same byte
// as the line end it writes, and a text may hold "{eol}" itself: so these are
// checked byte for byte too.
TEST(ParentsParserTest, KeepsLineFeedsAndBracesAsTheyStand) {
  struct ExactCase {
    std::string name;
    std::string input;
    std::string outcome;  // Dump, as in the other tables
    std::string text;
    std::string firstGene;  // name and alleles, separated by "|"
    std::string message;
  };
  const ExactCase cases[] = {
      {"line feeds and NUL are ordinary characters", std::string("G a\n/\0b\rG c/d", 13),
       std::string("ok | genes 1 | focus | text: G a{eol}/\0b{eol}G c/d | records: G[a{eol},\0b,c,d]", 78),
       std::string("G a\n/\0b", 7) + kEol + "G c/d", std::string("G|a\n|\0b|c|d", 11), ""},
      {"lines ending in line feeds are one line", "Gene1  a/b\nGene1 a/b\n",
       "failed | genes - | no focus | text: Gene1 a/b{eol}Gene1 a/b{eol} | records: none | "
       "message: Error{eol}Each parent should be on a separate line",
       "Gene1 a/b\nGene1 a/b\n", "", "Error" + kEol + "Each parent should be on a separate line"},
      {"CR LF: the line feed begins parent 2's name", "Gene1 a/b\r\nGene1 a/b",
       "failed | genes 1 | focus | text: Gene1 a/b{eol}{eol}Gene1 a/b | records: Gene1[a,b,,] | "
       "message: Error{eol}Parent 1, Gene1 <> parent 2, {eol}Gene1",
       "Gene1 a/b" + kEol + "\nGene1 a/b", "Gene1|a|b||", "Error" + kEol + "Parent 1, Gene1 <> parent 2, \nGene1"},
      {"names are copied into the message as they stand", "{2}{eol} a/b\r{1} a/b",
       "failed | genes 1 | focus | text: {2}{eol} a/b{eol}{1} a/b | records: {2}{eol}[a,b,,] | "
       "message: Error{eol}Parent 1, {2}{eol} <> parent 2, {1}",
       "{2}{eol} a/b" + kEol + "{1} a/b", "{2}{eol}|a|b||", "Error" + kEol + "Parent 1, {2}{eol} <> parent 2, {1}"},
  };
  for (const ExactCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ParseOutcome outcome = ParseParentsText(c.input);
    EXPECT_EQ(Dump(outcome, c.input), c.outcome);
    EXPECT_EQ(ShownText(outcome, c.input), c.text);
    std::string firstGene;
    if (!outcome.parents.genotype.empty()) {
      const gene& g = outcome.parents.genotype[0];
      firstGene = g.name + "|" + g.allele[0] + "|" + g.allele[1] + "|" + g.allele[2] + "|" + g.allele[3];
    }
    EXPECT_EQ(firstGene, c.firstGene);
    EXPECT_EQ(outcome.message, c.message);
  }
}

TEST(ParentsParserTest, HandlesHugeAndOddTexts) {
  std::string manyLines;
  for (int i = 0; i < 20000; ++i) manyLines += "Gene1 a/b\r";
  const std::string megabyteOfBlanks(1 << 20, ' ');
  const std::string manyTabs(100000, '\t');
  const std::string longAllele(1 << 20, 'a');

  const Case cases[] = {
      {"thousands of lines", manyLines,
       "ok | genes 1 | focus | text: Gene1 a/b{eol}Gene1 a/b | records: Gene1[a,b,a,b]"},
      {"a megabyte of blanks", "G" + megabyteOfBlanks + "a/b\rG" + megabyteOfBlanks + "c/d",
       "ok | genes 1 | focus | text: G a/b{eol}G c/d | records: G[a,b,c,d]"},
      {"a hundred thousand tabs", manyTabs + "\r" + manyTabs,
       "failed | genes 100001 | focus | text: " + manyTabs + "{eol}" + manyTabs +
           " | records: none | message: Error{eol}Cannot use more than 4 genes"},
      {"tabs on line 2 only", "G a/b\r" + manyTabs,
       "failed | genes 1 | focus | text: G a/b{eol}" + manyTabs +
           " | records: G[a,b,,] | message: Error{eol}Parents with unequal gene numbers"},
      {"a megabyte allele", "G " + longAllele + "/b\rG c/d",
       "ok | genes 1 | focus | text: G " + longAllele + "/b{eol}G c/d | records: G[" + longAllele + ",b,c,d]"},
      {"only carriage returns", std::string(50000, '\r'), "silent | genes 0 | focus | text: {eol} | records: none"},
  };
  for (const Case& c : cases) Check(c);
}

// The parse copies the text only when it changes it: a text of two lines
// without runs of blanks is left as it was given, and the area keeps it.
TEST(ParentsParserTest, ATextLeftAsGivenIsNotCopied) {
  const struct {
    const char* name;
    std::string input;
    bool rewritten;
  } rows[] = {
      {"two lines", kHelpExample, false},
      {"one line", "Gene1 a/b", false},
      {"a run of blanks in line 1", "Gene1  a/b\rGene1 a/b", true},
      {"a run of blanks in line 2", "Gene1 a/b\rGene1 a/b  ", true},
      {"a third line", kHelpExample + "\r", true},
      {"one line with a run of blanks", "Gene1 a/b   Gene1 a/b", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ParseParentsText(row.input).text.has_value(), row.rewritten);
  }
}

}  // namespace
