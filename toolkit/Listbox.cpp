#include "toolkit/Listbox.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHash>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string_view>

#include "toolkit/ColumnLayout.h"
#include "toolkit/QtText.h"
#include "toolkit/ScrollArea.h"
#include "toolkit/ShortenedText.h"
#include "toolkit/Text.h"

namespace toolkit {
namespace {

constexpr double kPointsBelowGeneralFont = 1;

// Calls back whenever the watched object receives an event of one of the
// given types.
class EventWatcher : public QObject {
 public:
  EventWatcher(QObject* target, std::initializer_list<QEvent::Type> types, std::function<void()> seen)
      : QObject(target), types_(types), seen_(std::move(seen)) {
    target->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
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

// The pixels a cell's displayed text needs to be shown whole: its width in
// the list's font, plus the margin the style keeps on either side of an
// item's text (QCommonStyle elides an item's text when the text is wider than
// its cell less PM_FocusFrameHMargin + 1 at each end). A result list repeats
// the same few texts in hundreds of rows, so each is measured once, until the
// rows are deleted or the font or the style changes.
class Listbox::TextNeeds {
 public:
  explicit TextNeeds(const QWidget& view) : view_(view) {}

  std::int32_t Of(const QString& text) {
    if (text.isEmpty()) return 0;
    const auto known = needs_.constFind(text);
    if (known != needs_.cend()) return *known;
    const int margin = view_.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view_) + 1;
    const double width = QFontMetricsF(view_.font()).horizontalAdvance(text);
    const auto need = static_cast<std::int32_t>(std::ceil(width)) + 2 * margin;
    needs_.insert(text, need);
    return need;
  }
  void Forget() { needs_.clear(); }

 private:
  const QWidget& view_;
  QHash<QString, std::int32_t> needs_;
};

Listbox::Listbox(std::int32_t index) : Listbox(new QTreeWidget, index) {}

Listbox::Listbox(QTreeWidget* tree, std::int32_t index)
    : Control(tree, index), tree_(tree), textNeeds_(std::make_unique<TextNeeds>(*tree)) {
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

Listbox::~Listbox() = default;

double Listbox::DefaultTextSize() const { return Control::DefaultTextSize() - kPointsBelowGeneralFont; }

std::int32_t Listbox::ColumnCount() const { return static_cast<std::int32_t>(tree_->columnCount()); }

void Listbox::SetColumnCount(std::int32_t count) {
  tree_->setColumnCount(std::max(count, 0));
  headerTypes_.resize(static_cast<std::size_t>(std::max(count, 0)), 0);
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
  textNeeds_->Forget();
  cellNeeds_.assign(static_cast<std::size_t>(ColumnCount()), 0);
  for (int row = 0; row < tree_->topLevelItemCount(); ++row) {
    const QTreeWidgetItem& item = *tree_->topLevelItem(row);
    for (std::size_t column = 0; column < cellNeeds_.size(); ++column) {
      const std::int32_t need = textNeeds_->Of(item.text(static_cast<int>(column)));
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
  textNeeds_->Forget();
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
  const std::int32_t need = textNeeds_->Of(item.text(column));
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
