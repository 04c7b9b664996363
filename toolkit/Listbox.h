#pragma once

// A list of rows in columns, with an optional heading row. Headings are
// plain: clicking one never reorders the rows.
//
// The list's job is to show its texts, so it lays its columns out by them:
// each column first gets its share of the visible width from the width text
// (percentages adding up to more than 100 are scaled down to fit), then a
// column whose widest text needs more takes it from the columns that need
// less (ColumnLayout.h has the rule). Columns are laid out again whenever the
// list resizes, the vertical scroll bar coming and going included, and
// whenever a new text needs more room than its column's widest so far.
//
// Its texts are set one point smaller than the platform's general font, as
// the Mac sets its lists (12 against 13 points): a list is a dense table, and
// on a plain Linux desktop (DejaVu Sans 9 points) the result list's four
// genotypes and a probability such as 0.00390625 do not fit its width side by
// side at the general size, scroll bar shown. A text that still does not fit
// loses its start to an ellipsis, so that a genotype keeps its alleles and
// loses part of the gene name, which the heading shows anyway.
//
// A cell or heading of more than 4000 characters shows only its first and
// last 2000, joined by an ellipsis: laying out a text of megabytes at every
// paint would stop the window for seconds. Cell, Heading and assistive
// technology get the text whole.

#include <vector>

#include "toolkit/Control.h"

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

 protected:
  double DefaultTextSize() const override;

 private:
  class Row;
  class View;

  Listbox(View* tree, std::int32_t index);
  void LayOutColumns();
  // Measures every cell again, after the font or the style changed.
  void RemeasureCells();
  Row& HeadingRow() const;
  // The row holding that cell; throws std::out_of_range when there is none.
  Row& RowAt(std::int32_t row, std::int32_t column) const;

  View* tree_;
  std::string columnWidths_;
  // Per column, the pixels its widest cell text needs to be shown whole.
  std::vector<std::int32_t> cellNeeds_;
  std::vector<std::int32_t> headerTypes_;
  std::int32_t lastIndex_ = -1;
};

}  // namespace toolkit
