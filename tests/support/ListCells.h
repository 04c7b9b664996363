#pragma once

// Whether a list box shows its cells whole, measured as Qt draws them: the
// list's own font against the room each column leaves its text.

#include <QAbstractItemView>
#include <cstdint>
#include <string>

#include "toolkit/Listbox.h"

namespace testsupport {

QAbstractItemView& ViewOf(const toolkit::Listbox& list);

// The pixels a cell of that width leaves its text: QCommonStyle draws an
// item's text inside the cell less PM_FocusFrameHMargin + 1 at either end,
// and elides it when its natural width is more than that.
int TextRoom(const QAbstractItemView& view, int columnWidth);

// Every cell of the columns from first to last (-1: the last column) that
// the list cannot show whole, one per line, with the room its column leaves
// and the room the text needs; empty when every cell is whole.
std::string CutCells(const toolkit::Listbox& list, std::int32_t firstColumn = 0, std::int32_t lastColumn = -1);

bool ScrollBarShown(const toolkit::Listbox& list);
int VisibleWidth(const toolkit::Listbox& list);

}  // namespace testsupport
