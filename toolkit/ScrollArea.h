#pragma once

// What the text areas and the list boxes, both scrolling views in Qt, take
// alike from their table rows. Internal to the toolkit.

class QAbstractScrollArea;

namespace toolkit {

struct ControlSpec;

// The row's border and scroll bars; a scroll bar that the row asks for shows
// only while the content does not fit.
void ApplyBorderAndScrollBars(QAbstractScrollArea& area, const ControlSpec& spec);

}  // namespace toolkit
