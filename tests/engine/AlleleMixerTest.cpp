#include <gtest/gtest.h>

#include <string>

#include "engine/AlleleMixer.h"
#include "toolkit/Text.h"

namespace {

// The pup slots as "left/right P" texts, in slot order.
std::string Pups(const AlleleMixer& mixer) {
  std::string out;
  for (std::int32_t k = 0; k < mixer.pupCount; ++k) {
    const auto slot = static_cast<std::size_t>(k + 2);
    if (!out.empty()) out += ", ";
    out += mixer.Allele1[slot] + "/" + mixer.Allele2[slot] + " " + toolkit::Str(mixer.P[slot]);
  }
  return out;
}

gene Locus(std::string a0, std::string a1, std::string a2, std::string a3) {
  return {"G", {std::move(a0), std::move(a1), std::move(a2), std::move(a3)}};
}

TEST(AlleleMixerTest, InitializeSetsFourEqualPups) {
  AlleleMixer mixer;
  mixer.Initialize();
  EXPECT_EQ(mixer.pupCount, 4);
  EXPECT_EQ(mixer.P, (std::array<double, 6>{0, 0, 0.25, 0.25, 0.25, 0.25}));
}

TEST(AlleleMixerTest, CrossesOneGene) {
  struct Case {
    const char* name;
    gene locus;
    std::string wt;
    std::string pups;
  };
  const Case cases[] = {
      {"distinct alleles, wt of parent 1", Locus("a", "b", "c", "d"), "a", "a/c 0.25, a/d 0.25, b/c 0.25, b/d 0.25"},
      {"distinct alleles, wt of parent 2", Locus("a", "b", "c", "d"), "c", "c/a 0.25, a/d 0.25, c/b 0.25, b/d 0.25"},
      {"one shared allele chosen", Locus("a", "b", "a", "c"), "a", "a/a 0.25, a/c 0.25, a/b 0.25, b/c 0.25"},
      {"one shared allele, other chosen", Locus("a", "b", "a", "c"), "c", "a/a 0.25, c/a 0.25, b/a 0.25, c/b 0.25"},
      {"shared second allele", Locus("a", "b", "b", "c"), "b", "b/a 0.25, a/c 0.25, b/b 0.25, b/c 0.25"},
      {"parent 1 homozygous", Locus("a", "a", "b", "c"), "a", "a/b 0.5, a/c 0.5"},
      {"parent 1 homozygous, parent 2's chosen", Locus("a", "a", "b", "c"), "b", "b/a 0.5, a/c 0.5"},
      {"parent 1 homozygous, allele shared", Locus("a", "a", "a", "b"), "b", "a/a 0.5, b/a 0.5"},
      {"parent 2 homozygous", Locus("a", "b", "c", "c"), "c", "c/a 0.5, c/b 0.5"},
      {"parent 2 homozygous, allele shared", Locus("a", "b", "a", "a"), "a", "a/a 0.5, a/b 0.5"},
      {"both homozygous, different", Locus("a", "a", "b", "b"), "a", "a/b 1"},
      {"both homozygous, different, other chosen", Locus("a", "a", "b", "b"), "b", "b/a 1"},
      {"both homozygous, same", Locus("a", "a", "a", "a"), "a", "a/a 1"},
      {"identical heterozygous parents", Locus("a", "b", "a", "b"), "a", "a/a 0.25, a/b 0.5, b/b 0.25"},
      {"identical heterozygous parents, b chosen", Locus("a", "b", "a", "b"), "b", "a/a 0.25, b/a 0.5, b/b 0.25"},
      {"reversed heterozygous parents", Locus("a", "b", "b", "a"), "a", "a/b 0.5, a/a 0.25, b/b 0.25"},
      {"reversed heterozygous parents, b chosen", Locus("a", "b", "b", "a"), "b", "b/a 0.5, a/a 0.25, b/b 0.25"},
      {"the help text's gene 4", Locus("w", "flox", "w", "w"), "w", "w/w 0.5, w/flox 0.5"},
      {"alleles differing in case are different", Locus("A", "a", "A", "a"), "a", "A/A 0.25, a/A 0.5, a/a 0.25"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const AlleleMixer mixer = engine::MixGene(c.locus, " " + c.wt);
    EXPECT_EQ(mixer.WT, c.wt);
    EXPECT_EQ(Pups(mixer), c.pups);
    double sum = 0;
    for (std::size_t slot = 2; slot < 6; ++slot) {
      const bool used = slot < static_cast<std::size_t>(mixer.pupCount) + 2;
      EXPECT_EQ(mixer.P[slot] > 0, used) << "slot " << slot;
      sum += mixer.P[slot];
    }
    EXPECT_EQ(sum, 1.0);
    // The parents stay in slots 0 and 1.
    EXPECT_EQ(mixer.Allele1[0], c.locus.allele[0]);
    EXPECT_EQ(mixer.Allele2[0], c.locus.allele[1]);
    EXPECT_EQ(mixer.Allele1[1], c.locus.allele[2]);
    EXPECT_EQ(mixer.Allele2[1], c.locus.allele[3]);
  }
}

TEST(AlleleMixerTest, ChosenAlleleIsTheEntryWithoutItsFirstCharacter) {
  EXPECT_EQ(engine::MixGene(Locus("\xCF\x89", "b", "c", "d"), " \xCF\x89").WT, "\xCF\x89");
  EXPECT_EQ(engine::MixGene(Locus("a", "b", "c", "d"), "").WT, "");
}

}  // namespace
