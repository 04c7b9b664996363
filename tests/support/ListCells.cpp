#include "ListCells.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTextLayout>
#include <cstdio>

#include "toolkit/Native.h"

namespace testsupport {
namespace {

double NaturalWidth(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setLineWidth(1e9);
  layout.endLayout();
  return line.naturalTextWidth();
}

}  // namespace

QAbstractItemView& ViewOf(const toolkit::Listbox& list) {
  return *qobject_cast<QAbstractItemView*>(toolkit::NativeWidget(list));
}

int TextRoom(const QAbstractItemView& view, int columnWidth) {
  return columnWidth - 2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1);
}

std::string CutCells(const toolkit::Listbox& list, std::int32_t firstColumn, std::int32_t lastColumn) {
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

bool ScrollBarShown(const toolkit::Listbox& list) {
  return qobject_cast<QAbstractScrollArea*>(toolkit::NativeWidget(list))->verticalScrollBar()->isVisible();
}

int VisibleWidth(const toolkit::Listbox& list) { return ViewOf(list).viewport()->width(); }

}  // namespace testsupport
