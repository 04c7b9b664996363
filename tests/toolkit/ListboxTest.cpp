#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTextLayout>
#include <QTreeView>
#include <cstdio>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "Gui.h"
#include "engine/AlleleChoice.h"
#include "engine/AlleleMixer.h"
#include "engine/CrossResult.h"
#include "tests/windows/StartedApp.h"
#include "toolkit/Application.h"
#include "toolkit/ColumnLayout.h"
#include "toolkit/Listbox.h"
#include "toolkit/Native.h"
#include "toolkit/Text.h"
#include "toolkit/Window.h"

namespace {

using namespace toolkit;
using testsupport::Click;
using testsupport::ResizeContent;

QAbstractItemView& ViewOf(const Listbox& list) { return *qobject_cast<QAbstractItemView*>(NativeWidget(list)); }

// The pixels a cell of that width leaves its text: QCommonStyle draws an
// item's text inside the cell less PM_FocusFrameHMargin + 1 at either end,
// and elides it when its natural width is more than that.
int TextRoom(const QAbstractItemView& view, int columnWidth) {
  return columnWidth - 2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1);
}

double NaturalWidth(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setLineWidth(1e9);
  layout.endLayout();
  return line.naturalTextWidth();
}

// Every cell that the list cannot show whole, one per line, with the room
// its column leaves and the room the text needs.
std::string CutCells(const Listbox& list, std::int32_t firstColumn = 0, std::int32_t lastColumn = -1) {
  const QAbstractItemView& view = ViewOf(list);
  if (lastColumn < 0) lastColumn = list.ColumnCount() - 1;
  std::string cut;
  for (std::int32_t column = firstColumn; column <= lastColumn; ++column) {
    const int room = TextRoom(view, list.ColumnWidth(column));
    for (std::int32_t row = 0; row < list.RowCount(); ++row) {
      const std::string text = list.Cell(row, column);
      const double needed = NaturalWidth(QString::fromStdString(text), view.font());
      if (text.empty() || needed <= room) continue;
      char line[200];
      std::snprintf(line, sizeof line, "column %d row %d: room %d, needs %.2f: ", column, row, room, needed);
      cut += line + text + "\n";
    }
  }
  return cut;
}

bool ScrollBarShown(const Listbox& list) {
  return qobject_cast<QAbstractScrollArea*>(NativeWidget(list))->verticalScrollBar()->isVisible();
}

int VisibleWidth(const Listbox& list) { return ViewOf(list).viewport()->width(); }

// A window holding one list, locked to the left, top and right edges.
class ListWindow : public Window {
 public:
  static constexpr const char* kClassName = "ListWindow.ListWindow";
  static ListWindow& Instance() { return ImplicitInstance<ListWindow>(); }

  void Layout() override {
    SetProperties({.width = 300, .height = 200, .minWidth = 200, .minHeight = 150, .title = "List"});
  }
  void CreateControls() override {
    CreateControl({.create = Make<Listbox>, .name = "List", .bounds = {10, 130, 100, 30}, .lock = kLeftTopRight});
  }

  Listbox& List() const { return ControlAs<Listbox>("List"); }
};

class ListboxTest : public ::testing::Test {
 protected:
  void TearDown() override { testsupport::ProcessEvents(); }
  Application app_{"Lists"};
};

TEST_F(ListboxTest, ColumnsSharePercentOfTheVisibleWidth) {
  ListWindow& window = ListWindow::Instance();
  Listbox& list = window.List();
  list.SetColumnCount(3);
  list.SetColumnWidths("50%,30%,40%");
  // 120 percent in all: scaled to fit the visible width, and laid out again
  // when the list widens with its window.
  for (const int windowWidth : {300, 600}) {
    SCOPED_TRACE(windowWidth);
    ResizeContent(window, windowWidth, 200);
    const int visible = VisibleWidth(list);
    EXPECT_GT(visible, windowWidth - 210);  // the list widened with its window
    EXPECT_NEAR(list.ColumnWidth(0), visible * 50 / 120, 1);
    EXPECT_NEAR(list.ColumnWidth(1), visible * 30 / 120, 1);
    EXPECT_NEAR(list.ColumnWidth(2), visible * 40 / 120, 1);
    EXPECT_LE(list.ColumnWidth(0) + list.ColumnWidth(1) + list.ColumnWidth(2), visible);
  }

  list.AddRow();
  list.SetCell(list.LastIndex(), 2, "cell");
  EXPECT_EQ(list.Cell(0, 2), "cell");
  EXPECT_EQ(list.Cell(0, 0), "");
  EXPECT_THROW(list.SetCell(1, 0, "x"), std::out_of_range);
  EXPECT_THROW(list.SetCell(0, 3, "x"), std::out_of_range);
}

TEST_F(ListboxTest, AColumnWidensForItsTextAndGoesBackToItsShareWhenTheRowsGo) {
  ListWindow& window = ListWindow::Instance();
  Listbox& list = window.List();
  list.SetColumnCount(3);
  list.SetColumnWidths("50%,30%,40%");
  ResizeContent(window, 600, 200);
  const int visible = VisibleWidth(list);
  const int share = visible * 30 / 120;

  list.AddRow();
  list.SetCell(0, 0, "short");
  list.SetCell(0, 1, "a text wider than its share");
  EXPECT_EQ(CutCells(list), "");
  EXPECT_GT(list.ColumnWidth(1), share + 1);
  EXPECT_LE(list.ColumnWidth(0) + list.ColumnWidth(1) + list.ColumnWidth(2), visible);

  // A larger font needs more room: the texts are measured again.
  list.SetTextSize(list.TextSize() + 4);
  EXPECT_EQ(CutCells(list), "");

  list.DeleteAllRows();
  EXPECT_NEAR(list.ColumnWidth(1), share, 1);
}

TEST_F(ListboxTest, AHugeTextIsShortenedOnScreenOnly) {
  ListWindow& window = ListWindow::Instance();
  Listbox& list = window.List();
  list.SetColumnCount(2);
  list.SetColumnWidths("50%,50%");
  list.SetHasHeading(true);
  // Shown: the first and the last 2000 characters. Each part ends in a
  // character of four UTF-8 bytes (two UTF-16 units), which must stay whole.
  const std::string smiley = "\xF0\x9F\x98\x80";
  const std::string head = "start " + std::string(1993, 'x') + smiley;
  const std::string tail = smiley + std::string(1995, 'y') + " end";
  const std::string huge = head + std::string(10 << 20, 'z') + tail;
  list.AddRow();
  list.SetCell(0, 0, huge);
  list.SetCell(0, 1, "0.25");
  list.SetHeading(0, huge);
  testsupport::ProcessEvents();

  // Compared without printing: a failure would print megabytes.
  EXPECT_TRUE(list.Cell(0, 0) == huge);
  EXPECT_TRUE(list.Heading(0) == huge);
  QAbstractItemView& view = ViewOf(list);
  const std::string shown = head + "\xE2\x80\xA6" + tail;
  EXPECT_EQ(view.model()->index(0, 0).data().toString().toStdString(), shown);
  EXPECT_EQ(view.model()->headerData(0, Qt::Horizontal).toString().toStdString(), shown);

  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&view);
  ASSERT_NE(accessible, nullptr);
  ASSERT_NE(accessible->tableInterface(), nullptr);
  QAccessibleInterface* cell = accessible->tableInterface()->cellAt(0, 0);
  ASSERT_NE(cell, nullptr);
  EXPECT_TRUE(cell->text(QAccessible::Name) == QString::fromStdString(huge));
  list.SetCell(0, 0, "short again");
  EXPECT_EQ(list.Cell(0, 0), "short again");
  EXPECT_EQ(cell->text(QAccessible::Name).toStdString(), "short again");

  EXPECT_EQ(CutCells(list, 1, 1), "");
  EXPECT_LE(list.ColumnWidth(0) + list.ColumnWidth(1), VisibleWidth(list));
}

std::string Widths(const std::vector<double>& widths) {
  std::string out;
  for (const double width : widths) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%.2f", out.empty() ? "" : ",", width);
    out += text;
  }
  return out;
}

TEST(ColumnLayoutTest, SharesComeFromTheWidthText) {
  const struct {
    const char* widths;
    std::size_t columns;
    double visible;
    const char* shares;
  } cases[] = {
      {"21%,21%,21%,21%,20%", 5, 520, "105.00,105.00,105.00,105.00,100.00"},  // 104 percent, scaled to 100
      {"50%,30%", 2, 200, "100.00,60.00"},                                    // less than 100 stays as given
      {"80,,20%", 3, 500, "80.00,320.00,100.00"},                             // pixels, the rest, percent
      {"50%", 3, 400, "200.00,100.00,100.00"},                                // missing widths share the rest
      {"x%,10", 2, 100, "90.00,10.00"},                                       // unreadable: as if missing
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.widths);
    EXPECT_EQ(Widths(ColumnShares(row.widths, row.columns, row.visible)), row.shares);
  }
}

TEST(ColumnLayoutTest, ColumnsThatNeedMoreTakeItFromThoseThatNeedLess) {
  const struct {
    const char* name;
    std::vector<double> shares;
    std::vector<std::int32_t> needs;
    std::int32_t visible;
    std::vector<std::int32_t> widths;
  } cases[] = {
      {"no texts: the shares", {100.5, 60.3, 80.4}, {0, 0, 0}, 241, {100, 60, 80}},
      {"needs within the shares", {100, 50, 50}, {90, 50, 10}, 200, {100, 50, 50}},
      {"the others give in proportion to their shares", {100, 50, 50}, {140, 0, 0}, 200, {140, 30, 30}},
      {"each keeps at least its need", {100, 50, 50}, {140, 45, 0}, 200, {140, 45, 15}},
      {"unused width goes first", {50, 50}, {80, 0}, 200, {80, 50}},
      {"not all fit: the shortest whole", {100, 100, 100}, {200, 90, 120}, 300, {90, 90, 120}},
      {"a cut column keeps three quarters of its share", {100, 100, 100}, {130, 130, 140}, 300, {130, 85, 85}},
      {"a cut column gets no more than it needs", {10, 200, 90}, {50, 50, 400}, 200, {50, 50, 100}},
      {"nothing visible", {10, 20}, {5, 5}, 0, {0, 0}},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FitColumns(row.shares, row.needs, row.visible), row.widths);
  }
}

// The main window's result list, as a user sees it after a cross.
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
          for (const std::string& entry : engine::CalcPopup({a0, a1, a2, a3})) {
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
    for (const double product : products) texts.insert(Str(product));
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
  const QFontMetrics metrics(view.font());
  std::string lost;
  for (std::int32_t column = 0; column < 4; ++column) {
    const int room = TextRoom(view, List().ColumnWidth(column));
    for (std::int32_t row = 0; row < List().RowCount(); ++row) {
      const QString text = QString::fromStdString(List().Cell(row, column));
      const QString alleles = text.mid(text.lastIndexOf(' ') + 1);
      const QString shown = metrics.elidedText(text, view.textElideMode(), room);
      if (!shown.endsWith(alleles)) lost += (shown + " for " + text + "\n").toStdString();
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
