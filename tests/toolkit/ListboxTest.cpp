#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "Gui.h"
#include "ListCells.h"
#include "toolkit/Application.h"
#include "toolkit/ColumnLayout.h"
#include "toolkit/Listbox.h"
#include "toolkit/Native.h"
#include "toolkit/Window.h"

namespace {

using namespace toolkit;
using testsupport::CutCells;
using testsupport::ResizeContent;
using testsupport::ViewOf;
using testsupport::VisibleWidth;

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
  Application app_{"Lists", "org.example.lists"};
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

// A shown list with its heading row can change its number of columns: the
// view resizes at once, and the columns are laid out for the new count.
TEST_F(ListboxTest, TheColumnCountChangesOnAShownListWithHeadings) {
  ListWindow& window = ListWindow::Instance();
  Listbox& list = window.List();
  list.SetHasHeading(true);
  list.SetColumnCount(2);
  list.SetColumnWidths("50%,50%");
  ResizeContent(window, 600, 200);
  ASSERT_TRUE(NativeWindow(window)->isVisible());
  for (const std::int32_t count : {5, 1, 3}) {
    SCOPED_TRACE(count);
    list.DeleteAllRows();
    list.SetColumnCount(count);
    testsupport::ProcessEvents();
    EXPECT_EQ(list.ColumnCount(), count);
    list.AddRow();
    list.SetCell(list.LastIndex(), count - 1, "last");
    list.SetHeading(count - 1, "heading");
    EXPECT_EQ(list.Cell(list.LastIndex(), count - 1), "last");
    EXPECT_EQ(list.Heading(count - 1), "heading");
    EXPECT_EQ(CutCells(list), "");
  }
  EXPECT_FALSE(Application::Current().QuitRequested());
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

}  // namespace
