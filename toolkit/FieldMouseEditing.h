#pragma once

// The mouse's edit commands on a single-line field, the toolkit's way: a
// context menu of the toolkit's edit commands, enabled as the Edit menu
// enables them, and a middle-click paste of the selection. Qt's own context
// menu asks the clipboard's owner whether it holds text before it opens, and
// its middle-click paste asks the selection's owner once for each format it
// tries: an owner that never answers froze the window for Qt's whole wait,
// again and again. Here the menu asks nobody, and a paste, from the menu or
// by the middle button, reads once, as the Edit menu's Paste does.
// Internal to the toolkit.

#include "toolkit/Dispatch.h"

class QPoint;

namespace toolkit {

class FieldLineEdit;

class FieldMouseEditing : public EventFilter {
 public:
  // Watches `field`, which owns it.
  explicit FieldMouseEditing(FieldLineEdit* field);

 protected:
  bool Filter(QObject* watched, QEvent* event) override;

 private:
  void ShowMenu(const QPoint& globalPosition);
  void PasteSelection();

  FieldLineEdit* field_;
};

}  // namespace toolkit
