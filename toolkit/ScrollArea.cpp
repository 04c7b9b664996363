#include "toolkit/ScrollArea.h"

#include <QAbstractScrollArea>

#include "toolkit/Control.h"

namespace toolkit {

void ApplyBorderAndScrollBars(QAbstractScrollArea& area, const ControlSpec& spec) {
  area.setFrameShape(spec.border ? QFrame::StyledPanel : QFrame::NoFrame);
  area.setVerticalScrollBarPolicy(spec.scrollbarVertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  area.setHorizontalScrollBarPolicy(spec.scrollbarHorizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

}  // namespace toolkit
