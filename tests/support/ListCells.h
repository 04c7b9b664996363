#pragma once

// Whether a list box shows its cells whole, judged by what the list draws:
// each cell as the list's own item delegate paints it in its column, against
// the same cell painted in a column wide enough for any text.

#include <QAbstractItemView>
#include <cstdint>
#include <string>

#include "toolkit/Listbox.h"

namespace testsupport {

QAbstractItemView& ViewOf(const toolkit::Listbox& list);

// Whether the list draws the cell at `row`, `column` whole, had its column
// `columnWidth` pixels.
bool DrawnWhole(const QAbstractItemView& view, int row, int column, int columnWidth);

// The text the list draws in that cell: the cell's text when it is drawn
// whole, else the ellipsis and the end of the text, or the beginning of the
// text and the ellipsis, whichever the drawing matches; "?" when neither.
std::string DrawnText(const QAbstractItemView& view, int row, int column, int columnWidth);

// Every cell of the columns from first to last (-1: the last column) that
// the list does not draw whole, one per line with its column's width; empty
// when every cell is whole.
std::string CutCells(const toolkit::Listbox& list, std::int32_t firstColumn = 0, std::int32_t lastColumn = -1);

bool ScrollBarShown(const toolkit::Listbox& list);
int VisibleWidth(const toolkit::Listbox& list);

}  // namespace testsupport
