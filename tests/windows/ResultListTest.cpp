// The main window's result list as a user sees it after a cross, measured
// with the list's real font in the default window and at its minimum size.

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTest>
#include <QTreeView>
#include <set>
#include <string>
#include <utility>

#include "Gui.h"
#include "ListCells.h"
#include "StartedApp.h"
#include "engine/AlleleChoice.h"
#include "engine/AlleleMixer.h"
#include "engine/CrossResult.h"
#include "toolkit/Listbox.h"
#include "toolkit/Text.h"

namespace {

using testsupport::Click;
using testsupport::CutCells;
using testsupport::DrawnText;
using testsupport::ResizeContent;
using testsupport::ScrollBarShown;
using testsupport::ViewOf;
using toolkit::Listbox;

class ResultListTest : public StartedAppTest {
 protected:
  static void Cross(const std::string& parents) {
    testsupport::SetClipboardText(parents);
    Click(Main().PasteButton());
    Click(Main().CrossButton());
    testsupport::ProcessEvents();
  }
  static Listbox& List() { return Main().PupsListBox(); }
};

// The window's default size and its minimum.
const std::pair<int, int> kWindowSizes[] = {{396, 472}, {396, 350}};

TEST_F(ResultListTest, EveryCellOfACrossIsShownWhole) {
  const struct {
    const char* name;
    const char* parents;
  } cases[] = {
      {"four genes", "Gene1 a/b\tGene2 +/-\tGene3 c/d\tGene4 e/f\rGene1 a/b\tGene2 +/-\tGene3 c/c\tGene4 e/e"},
      {"256 rows", "Gene1 a/b\tGene2 +/-\tGene3 c/d\tGene4 e/f\rGene1 g/h\tGene2 m/w\tGene3 i/j\tGene4 k/l"},
      {"a long gene name", "Tyrosinase c/C\tGene2 a/b\rTyrosinase c/C\tGene2 a/b"},
      {"one gene", "Gene1 a/b\rGene1 c/d"},
  };
  std::set<bool> scrollBarStates;
  for (const auto& [width, height] : kWindowSizes) {
    ResizeContent(Main(), width, height);
    for (const auto& row : cases) {
      Cross(row.parents);
      SCOPED_TRACE(std::string(row.name) + " in " + std::to_string(width) + "x" + std::to_string(height) +
                   (ScrollBarShown(List()) ? ", scroll bar shown" : ", no scroll bar"));
      scrollBarStates.insert(ScrollBarShown(List()));
      EXPECT_EQ(CutCells(List()), "");
    }
  }
  EXPECT_EQ(scrollBarStates, (std::set<bool>{false, true}));
}

// Every probability text a cross can show: the products of one pup
// probability per gene, over one to four genes, from the pup probabilities
// that the engine gives a gene of any four alleles with any allele chosen.
std::set<std::string> EveryProbabilityText() {
  const std::string alleles[] = {"a", "b", "c", "d"};
  std::set<double> perGene;
  for (const std::string& a0 : alleles) {
    for (const std::string& a1 : alleles) {
      for (const std::string& a2 : alleles) {
        for (const std::string& a3 : alleles) {
          const gene locus{"G", {a0, a1, a2, a3}};
          for (const std::string& entry : engine::CalcPopup(std::vector<std::string>{a0, a1, a2, a3})) {
            const AlleleMixer mixer = engine::MixGene(locus, entry);
            for (std::int32_t pup = 0; pup < mixer.pupCount; ++pup) {
              perGene.insert(mixer.P[AlleleMixer::kFirstPupSlot + static_cast<std::size_t>(pup)]);
            }
          }
        }
      }
    }
  }
  std::set<std::string> texts;
  std::set<double> products = {1};
  for (int genes = 1; genes <= 4; ++genes) {
    std::set<double> more;
    for (const double product : products) {
      for (const double p : perGene) more.insert(product * p);
    }
    products = more;
    for (const double product : products) texts.insert(toolkit::Str(product));
  }
  return texts;
}

TEST_F(ResultListTest, EveryProbabilityTextFitsBesideFourGenotypes) {
  const std::set<std::string> probabilities = EveryProbabilityText();
  ASSERT_EQ(probabilities.count("0.00390625"), 1U);

  // The widest genotypes of five-character names and one-character alleles
  // come from a cross; the probabilities replace its own, one per row.
  Cross("Gene1 a/b\tGene2 +/-\tGene3 c/d\tGene4 e/f\rGene1 g/h\tGene2 m/w\tGene3 i/j\tGene4 k/l");
  ASSERT_LE(probabilities.size(), static_cast<std::size_t>(List().RowCount()));
  std::int32_t row = 0;
  for (const std::string& probability : probabilities) {
    List().SetCell(row++, static_cast<std::int32_t>(engine::kProbabilityColumn), probability);
  }
  for (const auto& [width, height] : kWindowSizes) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    ResizeContent(Main(), width, height);
    EXPECT_TRUE(ScrollBarShown(List()));
    EXPECT_EQ(CutCells(List()), "");
  }
}

TEST_F(ResultListTest, AGenotypeTooLongToFitKeepsItsAlleles) {
  Cross(
      "Tyrosinase c/C\tMelanocortin1 e/E\tAgoutiSignal a/A\tBrownTyrp1 b/B\r"
      "Tyrosinase c/C\tMelanocortin1 e/E\tAgoutiSignal a/A\tBrownTyrp1 b/B");
  const QAbstractItemView& view = ViewOf(List());
  std::string lost;
  for (std::int32_t column = 0; column < 4; ++column) {
    for (std::int32_t row = 0; row < List().RowCount(); ++row) {
      const std::string text = List().Cell(row, column);
      const std::string alleles = text.substr(text.rfind(' ') + 1);
      const std::string shown = DrawnText(view, row, column, List().ColumnWidth(column));
      if (!shown.ends_with(alleles)) lost += shown + " for " + text + "\n";
    }
  }
  EXPECT_EQ(lost, "");
  EXPECT_NE(CutCells(List(), 0, 3), "");  // the genotypes do not all fit
  EXPECT_EQ(CutCells(List(), 4, 4), "");  // but the probabilities do
}

TEST_F(ResultListTest, ClickingAHeadingLeavesTheRowsInTheirOrder) {
  Cross("Gene1 a/b\tGene2 +/-\rGene1 a/b\tGene2 +/-");
  const auto rows = [] {
    std::string out;
    for (std::int32_t row = 0; row < List().RowCount(); ++row)
      out += List().Cell(row, 0) + " " + List().Cell(row, 1) + "\n";
    return out;
  };
  const std::string before = rows();
  QHeaderView* header = qobject_cast<QTreeView*>(&ViewOf(List()))->header();
  for (const int section : {0, 1, 4}) {
    const int x = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
  }
  EXPECT_EQ(rows(), before);
}

}  // namespace
