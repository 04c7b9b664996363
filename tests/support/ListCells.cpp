#include "ListCells.h"

#include <QAbstractItemDelegate>
#include <QAbstractScrollArea>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>

#include "toolkit/Native.h"

namespace testsupport {
namespace {

const QChar kEllipsis(0x2026);

// Wider than any text a cell of these tests holds.
constexpr int kWideColumn = 20000;

// The cell as the view's delegate paints it into a column `width` pixels
// wide, in the view's font, elide mode and palette, neither selected nor
// focused; `shown` pixels of it, from the left.
QImage PaintedCell(const QAbstractItemView& view, const QModelIndex& index, int width, int shown) {
  QStyleOptionViewItem option;
  option.initFrom(&view);
  option.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected | QStyle::State_MouseOver);
  option.font = view.font();
  option.textElideMode = view.textElideMode();
  option.showDecorationSelected = false;
  option.widget = &view;
  const int height = view.visualRect(index).height();
  option.rect = QRect(0, 0, width, height);

  QImage image(shown, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(view.palette().base().color());
  QPainter painter(&image);
  view.itemDelegateForIndex(index)->paint(&painter, option, index);
  return image;
}

// `text` as the view's delegate paints it in a cell of a wide column.
QImage PaintedText(const QAbstractItemView& view, const QString& text, int height, int shown) {
  QStandardItemModel model(1, 1);
  model.setData(model.index(0, 0), text);
  QStyleOptionViewItem option;
  option.initFrom(&view);
  option.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected | QStyle::State_MouseOver);
  option.font = view.font();
  option.widget = &view;
  option.rect = QRect(0, 0, kWideColumn, height);
  QImage image(shown, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(view.palette().base().color());
  QPainter painter(&image);
  view.itemDelegate()->paint(&painter, option, model.index(0, 0));
  return image;
}

}  // namespace

QAbstractItemView& ViewOf(const toolkit::Listbox& list) {
  return *qobject_cast<QAbstractItemView*>(toolkit::NativeWidget(list));
}

bool DrawnWhole(const QAbstractItemView& view, int row, int column, int columnWidth) {
  const QModelIndex index = view.model()->index(row, column);
  return PaintedCell(view, index, columnWidth, columnWidth) == PaintedCell(view, index, kWideColumn, columnWidth);
}

std::string DrawnText(const QAbstractItemView& view, int row, int column, int columnWidth) {
  const QModelIndex index = view.model()->index(row, column);
  const QString text = index.data().toString();
  const QImage drawn = PaintedCell(view, index, columnWidth, columnWidth);
  if (drawn == PaintedCell(view, index, kWideColumn, columnWidth)) return text.toStdString();
  for (qsizetype kept = text.size() - 1; kept >= 0; --kept) {
    for (const QString& candidate : {kEllipsis + text.right(kept), text.left(kept) + kEllipsis}) {
      if (PaintedText(view, candidate, drawn.height(), columnWidth) == drawn) return candidate.toStdString();
    }
  }
  return "?";
}

std::string CutCells(const toolkit::Listbox& list, std::int32_t firstColumn, std::int32_t lastColumn) {
  const QAbstractItemView& view = ViewOf(list);
  if (lastColumn < 0) lastColumn = list.ColumnCount() - 1;
  // A few lines tell the fault; a whole result list of them would bury it.
  constexpr int kShownCuts = 8;
  std::string cut;
  int cuts = 0;
  for (std::int32_t column = firstColumn; column <= lastColumn; ++column) {
    const int width = list.ColumnWidth(column);
    for (std::int32_t row = 0; row < list.RowCount(); ++row) {
      if (DrawnWhole(view, row, column, width)) continue;
      if (++cuts > kShownCuts) continue;
      cut += "column " + std::to_string(column) + " row " + std::to_string(row) + " (" + std::to_string(width) +
             " px): " + list.Cell(row, column) + "\n";
    }
  }
  if (cuts > kShownCuts) cut += "and " + std::to_string(cuts - kShownCuts) + " more\n";
  return cut;
}

bool ScrollBarShown(const toolkit::Listbox& list) {
  return qobject_cast<QAbstractScrollArea*>(toolkit::NativeWidget(list))->verticalScrollBar()->isVisible();
}

int VisibleWidth(const toolkit::Listbox& list) { return ViewOf(list).viewport()->width(); }

}  // namespace testsupport
