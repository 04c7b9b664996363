#include "toolkit/Listbox.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeWidget>
#include <cmath>
#include <stdexcept>

#include "toolkit/QtText.h"
#include "toolkit/Text.h"

namespace toolkit {
namespace {

// Calls back whenever the watched widget changes size.
class ResizeWatcher : public QObject {
 public:
  ResizeWatcher(QWidget* target, std::function<void()> resized) : QObject(target), resized_(std::move(resized)) {
    target->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) resized_();
    return false;
  }

 private:
  std::function<void()> resized_;
};

struct WidthSpec {
  double value = 0;
  bool percent = false;
};

std::vector<WidthSpec> ParseWidths(const std::string& widths) {
  std::vector<WidthSpec> parsed;
  for (std::string piece : Split(widths, ",")) {
    WidthSpec width;
    width.percent = !piece.empty() && piece.back() == '%';
    if (width.percent) piece.pop_back();
    try {
      width.value = std::max(0.0, std::stod(piece));
    } catch (const std::exception&) {
      width.value = 0;  // an unreadable width leaves the column to share the rest
      width.percent = false;
    }
    parsed.push_back(width);
  }
  return parsed;
}

}  // namespace

Listbox::Listbox(std::int32_t index) : Listbox(new QTreeWidget, index) {}

Listbox::Listbox(QTreeWidget* tree, std::int32_t index) : Control(tree, index), tree_(tree) {
  tree_->setRootIsDecorated(false);
  tree_->setUniformRowHeights(true);
  tree_->setSortingEnabled(false);
  tree_->setSelectionMode(QAbstractItemView::SingleSelection);
  tree_->setColumnCount(0);
  tree_->setHeaderHidden(true);
  tree_->header()->setStretchLastSection(false);
  tree_->header()->setSectionsClickable(false);
  tree_->header()->setSectionsMovable(false);
  tree_->header()->setSectionResizeMode(QHeaderView::Fixed);
  tree_->header()->setMinimumSectionSize(0);  // the shares decide, even in a narrow list
  new ResizeWatcher(tree_->viewport(), [this] { LayOutColumns(); });
}

std::int32_t Listbox::ColumnCount() const { return static_cast<std::int32_t>(tree_->columnCount()); }

void Listbox::SetColumnCount(std::int32_t count) {
  tree_->setColumnCount(std::max(count, 0));
  headerTypes_.resize(static_cast<std::size_t>(std::max(count, 0)), 0);
  for (std::int32_t column = 0; column < count; ++column) tree_->headerItem()->setText(column, QString());
  LayOutColumns();
}

void Listbox::SetColumnWidths(const std::string& widths) {
  columnWidths_ = widths;
  LayOutColumns();
}

std::int32_t Listbox::ColumnWidth(std::int32_t column) const {
  return static_cast<std::int32_t>(tree_->columnWidth(column));
}

void Listbox::LayOutColumns() {
  const std::int32_t columns = ColumnCount();
  if (columns == 0) return;
  const double visible = tree_->viewport()->width();
  std::vector<WidthSpec> widths = ParseWidths(columnWidths_);
  widths.resize(static_cast<std::size_t>(columns));

  double percentTotal = 0;
  double pixelTotal = 0;
  std::int32_t unsized = 0;
  for (const WidthSpec& width : widths) {
    if (width.percent) {
      percentTotal += width.value;
    } else if (width.value > 0) {
      pixelTotal += width.value;
    } else {
      ++unsized;
    }
  }
  const double scale = percentTotal > 100 ? 100 / percentTotal : 1;
  const double left = std::max(0.0, visible - pixelTotal - visible * percentTotal * scale / 100);
  for (std::int32_t column = 0; column < columns; ++column) {
    const WidthSpec& width = widths[static_cast<std::size_t>(column)];
    double pixels = width.value;
    if (width.percent) pixels = visible * width.value * scale / 100;
    if (!width.percent && width.value <= 0) pixels = left / unsized;
    tree_->setColumnWidth(column, static_cast<int>(std::floor(pixels)));
  }
}

bool Listbox::HasHeading() const { return !tree_->isHeaderHidden(); }

void Listbox::SetHasHeading(bool hasHeading) { tree_->setHeaderHidden(!hasHeading); }

std::string Listbox::Heading(std::int32_t column) const { return FromQt(tree_->headerItem()->text(column)); }

void Listbox::SetHeading(std::int32_t column, const std::string& text) {
  if (column < 0 || column >= ColumnCount()) throw std::out_of_range("list box has no column " + Str(column));
  tree_->headerItem()->setText(column, ToQt(text));
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

void Listbox::DeleteAllRows() {
  tree_->clear();
  lastIndex_ = -1;
}

void Listbox::AddRow() {
  new QTreeWidgetItem(tree_);
  lastIndex_ = RowCount() - 1;
}

std::int32_t Listbox::RowCount() const { return static_cast<std::int32_t>(tree_->topLevelItemCount()); }

QTreeWidgetItem& Listbox::RowAt(std::int32_t row, std::int32_t column) const {
  QTreeWidgetItem* item = tree_->topLevelItem(row);
  if (item == nullptr || column < 0 || column >= ColumnCount()) {
    throw std::out_of_range("list box has no cell " + Str(row) + ", " + Str(column));
  }
  return *item;
}

std::string Listbox::Cell(std::int32_t row, std::int32_t column) const {
  return FromQt(RowAt(row, column).text(column));
}

void Listbox::SetCell(std::int32_t row, std::int32_t column, const std::string& text) {
  RowAt(row, column).setText(column, ToQt(text));
}

void Listbox::SetProperties(const ControlSpec& spec) {
  Control::SetProperties(spec);
  tree_->setFrameShape(spec.border ? QFrame::StyledPanel : QFrame::NoFrame);
  tree_->setVerticalScrollBarPolicy(spec.scrollbarVertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  tree_->setHorizontalScrollBarPolicy(spec.scrollbarHorizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

}  // namespace toolkit
