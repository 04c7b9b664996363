#pragma once

// A list of rows in columns, with an optional heading row. Column widths are
// given in percent of the list's visible width and laid out again whenever it
// resizes; when they add up to more than 100 percent they are scaled down to
// fit, so no column is pushed out of sight. Headings are plain: clicking one
// never reorders the rows.

#include <vector>

#include "toolkit/Control.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace toolkit {

class Listbox : public Control {
 public:
  explicit Listbox(std::int32_t index = -1);

  std::int32_t ColumnCount() const;
  void SetColumnCount(std::int32_t count);
  // Comma-separated widths, each in percent ("21%") or in pixels ("80").
  std::string ColumnWidths() const { return columnWidths_; }
  void SetColumnWidths(const std::string& widths);
  // The width a column takes now, in pixels.
  std::int32_t ColumnWidth(std::int32_t column) const;
  bool HasHeading() const;
  void SetHasHeading(bool hasHeading);
  std::string Heading(std::int32_t column) const;
  void SetHeading(std::int32_t column, const std::string& text);
  // Column -1 stands for every column.
  std::int32_t HeaderType(std::int32_t column) const;
  void SetHeaderType(std::int32_t column, std::int32_t type);

  void DeleteAllRows();
  // Appends a row whose cells are all empty.
  void AddRow();
  std::int32_t RowCount() const;
  // The row added last; -1 when the list has no row.
  std::int32_t LastIndex() const { return lastIndex_; }
  std::string Cell(std::int32_t row, std::int32_t column) const;
  void SetCell(std::int32_t row, std::int32_t column, const std::string& text);

  void SetProperties(const ControlSpec& spec) override;

 private:
  Listbox(QTreeWidget* tree, std::int32_t index);
  void LayOutColumns();
  // The row holding that cell; throws std::out_of_range when there is none.
  QTreeWidgetItem& RowAt(std::int32_t row, std::int32_t column) const;

  QTreeWidget* tree_;
  std::string columnWidths_;
  std::vector<std::int32_t> headerTypes_;
  std::int32_t lastIndex_ = -1;
};

}  // namespace toolkit
