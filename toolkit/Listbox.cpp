#include "toolkit/Listbox.h"

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QHash>
#include <QHeaderView>
#include <QStyleOptionViewItem>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string_view>

#include "toolkit/ColumnLayout.h"
#include "toolkit/Dispatch.h"
#include "toolkit/QtText.h"
#include "toolkit/ScrollArea.h"
#include "toolkit/ShortenedText.h"
#include "toolkit/Text.h"

namespace toolkit {
namespace {

constexpr double kPointsBelowGeneralFont = 1;

// Calls back whenever the watched object receives an event of one of the
// given types.
class EventWatcher : public EventFilter {
 public:
  EventWatcher(QObject* target, std::initializer_list<QEvent::Type> types, std::function<void()> seen)
      : EventFilter(target), types_(types), seen_(std::move(seen)) {}

 protected:
  bool Filter(QObject*, QEvent* event) override {
    if (std::find(types_.begin(), types_.end(), event->type()) != types_.end()) seen_();
    return false;
  }

 private:
  std::vector<QEvent::Type> types_;
  std::function<void()> seen_;
};

}  // namespace

// A row of the list, or its heading row. A cell whose text is too long to
// lay out at every paint shows it shortened and keeps it whole, as the
// program gave it, for the program to read back. Assistive technology asks an
// item for its accessible text before its displayed one, so it is handed the
// whole text as well.
class Listbox::Row : public QTreeWidgetItem {
 public:
  using QTreeWidgetItem::QTreeWidgetItem;

  std::string Text(int column) const {
    const auto whole = wholeTexts_.find(column);
    return whole != wholeTexts_.end() ? whole->second : FromQt(text(column));
  }

  void SetText(int column, const std::string& text) {
    if (IsShownWhole(text)) {
      wholeTexts_.erase(column);
    } else {
      wholeTexts_[column] = text;
    }
    setText(column, ShortenedInTheMiddle(text));
  }

  QVariant data(int column, int role) const override {
    if (role == Qt::AccessibleTextRole) {
      const auto whole = wholeTexts_.find(column);
      if (whole != wholeTexts_.end()) return ToQt(whole->second);
    }
    return QTreeWidgetItem::data(column, role);
  }

 private:
  std::map<int, std::string> wholeTexts_;
};

// The list's view. It tells the pixels a cell needs to show its text whole
// as its own item delegate measures them, the style's margins around an
// item's text included. A result list repeats the same few texts in hundreds
// of rows, so each is measured once, until the rows are deleted or the font
// or the style changes.
class Listbox::View : public QTreeWidget {
 public:
  std::int32_t TextNeed(QTreeWidgetItem& item, int column) {
    const QString text = item.text(column);
    if (text.isEmpty()) return 0;
    const auto known = needs_.constFind(text);
    if (known != needs_.cend()) return *known;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex index = indexFromItem(&item, column);
    const auto need = static_cast<std::int32_t>(itemDelegateForIndex(index)->sizeHint(option, index).width());
    needs_.insert(text, need);
    return need;
  }
  void ForgetTextNeeds() { needs_.clear(); }

 private:
  QHash<QString, std::int32_t> needs_;
};

Listbox::Listbox(std::int32_t index) : Listbox(new View, index) {}

Listbox::Listbox(View* tree, std::int32_t index) : Control(tree, index), tree_(tree) {
  tree_->setRootIsDecorated(false);
  tree_->setUniformRowHeights(true);
  tree_->setSortingEnabled(false);
  tree_->setSelectionMode(QAbstractItemView::SingleSelection);
  tree_->setTextElideMode(Qt::ElideLeft);
  tree_->setHeaderItem(new Row);
  tree_->setColumnCount(0);
  tree_->setHeaderHidden(true);
  tree_->header()->setStretchLastSection(false);
  tree_->header()->setSectionsClickable(false);
  tree_->header()->setSectionsMovable(false);
  tree_->header()->setSectionResizeMode(QHeaderView::Fixed);
  tree_->header()->setMinimumSectionSize(0);  // the layout decides, even in a narrow list
  SetTextSize(0);
  new EventWatcher(tree_->viewport(), {QEvent::Resize}, [this] { LayOutColumns(); });
  new EventWatcher(tree_, {QEvent::FontChange, QEvent::StyleChange}, [this] { RemeasureCells(); });
}

double Listbox::DefaultTextSize() const { return Control::DefaultTextSize() - kPointsBelowGeneralFont; }

std::int32_t Listbox::ColumnCount() const { return static_cast<std::int32_t>(tree_->columnCount()); }

// The list keeps a need per column before the view learns the new count:
// a view with a heading row resizes as its columns change, and lays the
// columns out while it does.
void Listbox::SetColumnCount(std::int32_t count) {
  const auto columns = static_cast<std::size_t>(std::max(count, 0));
  cellNeeds_.assign(columns, 0);
  headerTypes_.resize(columns, 0);
  tree_->setColumnCount(static_cast<int>(columns));
  for (std::int32_t column = 0; column < count; ++column) HeadingRow().SetText(column, "");
  RemeasureCells();
}

void Listbox::SetColumnWidths(const std::string& widths) {
  columnWidths_ = widths;
  LayOutColumns();
}

std::int32_t Listbox::ColumnWidth(std::int32_t column) const {
  return static_cast<std::int32_t>(tree_->columnWidth(column));
}

void Listbox::LayOutColumns() {
  const auto columns = static_cast<std::size_t>(ColumnCount());
  if (columns == 0) return;
  const std::int32_t visible = tree_->viewport()->width();
  const std::vector<std::int32_t> widths =
      FitColumns(ColumnShares(columnWidths_, columns, visible), cellNeeds_, visible);
  for (std::size_t column = 0; column < columns; ++column) {
    tree_->setColumnWidth(static_cast<int>(column), widths[column]);
  }
}

void Listbox::RemeasureCells() {
  tree_->ForgetTextNeeds();
  cellNeeds_.assign(static_cast<std::size_t>(ColumnCount()), 0);
  for (int row = 0; row < tree_->topLevelItemCount(); ++row) {
    QTreeWidgetItem& item = *tree_->topLevelItem(row);
    for (std::size_t column = 0; column < cellNeeds_.size(); ++column) {
      const std::int32_t need = tree_->TextNeed(item, static_cast<int>(column));
      cellNeeds_[column] = std::max(cellNeeds_[column], need);
    }
  }
  LayOutColumns();
}

bool Listbox::HasHeading() const { return !tree_->isHeaderHidden(); }

void Listbox::SetHasHeading(bool hasHeading) { tree_->setHeaderHidden(!hasHeading); }

std::string Listbox::Heading(std::int32_t column) const { return HeadingRow().Text(column); }

void Listbox::SetHeading(std::int32_t column, const std::string& text) {
  if (column < 0 || column >= ColumnCount()) throw std::out_of_range("list box has no column " + Str(column));
  HeadingRow().SetText(column, text);
}

std::int32_t Listbox::HeaderType(std::int32_t column) const {
  return headerTypes_.at(static_cast<std::size_t>(column));
}

void Listbox::SetHeaderType(std::int32_t column, std::int32_t type) {
  if (column == -1) {
    std::fill(headerTypes_.begin(), headerTypes_.end(), type);
    return;
  }
  headerTypes_.at(static_cast<std::size_t>(column)) = type;
}

// The columns go back to their shares, and the texts measured so far are
// forgotten, so that the list keeps no more of them than it shows.
void Listbox::DeleteAllRows() {
  tree_->clear();
  lastIndex_ = -1;
  tree_->ForgetTextNeeds();
  std::fill(cellNeeds_.begin(), cellNeeds_.end(), 0);
  LayOutColumns();
}

void Listbox::AddRow() {
  new Row(tree_);
  lastIndex_ = RowCount() - 1;
}

std::int32_t Listbox::RowCount() const { return static_cast<std::int32_t>(tree_->topLevelItemCount()); }

Listbox::Row& Listbox::HeadingRow() const { return static_cast<Row&>(*tree_->headerItem()); }

Listbox::Row& Listbox::RowAt(std::int32_t row, std::int32_t column) const {
  auto* item = static_cast<Row*>(tree_->topLevelItem(row));
  if (item == nullptr || column < 0 || column >= ColumnCount()) {
    throw std::out_of_range("list box has no cell " + Str(row) + ", " + Str(column));
  }
  return *item;
}

std::string Listbox::Cell(std::int32_t row, std::int32_t column) const { return RowAt(row, column).Text(column); }

// Only a text wider than any before it in its column can change the layout.
// A narrower text that replaces the widest leaves its column as wide as it
// was until the rows are deleted: finding the next widest would mean going
// through the whole column again.
void Listbox::SetCell(std::int32_t row, std::int32_t column, const std::string& text) {
  Row& item = RowAt(row, column);
  item.SetText(column, text);
  const std::int32_t need = tree_->TextNeed(item, column);
  std::int32_t& widest = cellNeeds_[static_cast<std::size_t>(column)];
  if (need <= widest) return;
  widest = need;
  LayOutColumns();
}

void Listbox::SetProperties(const ControlSpec& spec) {
  Control::SetProperties(spec);
  ApplyBorderAndScrollBars(*tree_, spec);
}

}  // namespace toolkit
