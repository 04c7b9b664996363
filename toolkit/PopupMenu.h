#pragma once

// A popup menu of text rows, one of them selected. Its Change event runs
// whenever the selection changes, by the user or by the program (emptying
// and filling it included). A row shows the bounded display text of its text
// (ShortenedText.h); the program and screen readers get its text whole.

#include <vector>

#include "toolkit/Control.h"

class QComboBox;

namespace toolkit {

class PopupMenu : public Control {
 public:
  explicit PopupMenu(std::int32_t index = -1);

  void DeleteAllRows();
  void AddRow(std::string text);
  // Appends the texts as rows, in order.
  void AddRows(std::vector<std::string> texts);
  std::int32_t RowCount() const;
  // Empty for a row that does not exist.
  const std::string& RowText(std::int32_t row) const;
  // The selected row, -1 when none is.
  std::int32_t ListIndex() const;
  void SetListIndex(std::int32_t row);
  // The selected row's text; empty when none is selected.
  const std::string& Text() const;

  void SetProperties(const ControlSpec& spec) override;

 private:
  PopupMenu(QComboBox* combo, std::int32_t index);

  QComboBox* combo_;
};

}  // namespace toolkit
