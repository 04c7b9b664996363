#pragma once

// How a list box divides its visible width among its columns: first by the
// shares its width text gives them, then by what their texts need. Plain
// arithmetic on pixel counts, kept apart from the widgets; Listbox measures
// the texts and applies the result.

#include <cstdint>
#include <string>
#include <vector>

namespace toolkit {

// Each column's share of `visible` pixels, from a comma-separated width text:
// "21%" is a percentage of the visible width, "80" a number of pixels, and a
// missing or unreadable width an equal part of what the others leave.
// Percentages that add up to more than 100 are scaled down in proportion, so
// that "21%,21%,21%,21%,20%" (104 in all) fills the width exactly and no
// column is pushed out of sight.
std::vector<double> ColumnShares(const std::string& widths, std::size_t columns, double visible);

// The widths of the columns, given their shares and the pixels that the
// widest text of each needs to be shown whole. When all the needs fit into
// `visible`, every column gets at least its need: a column that needs more
// than its share takes the difference from the columns that need less than
// theirs, which give it up in proportion to their shares. When they do not
// all fit, the columns with the shortest texts are shown whole first, as
// many as can be while every other column keeps three quarters of its share,
// and the others share the rest in proportion to their shares. Widths are
// whole pixels and never add up to more than `visible`.
std::vector<std::int32_t> FitColumns(const std::vector<double>& shares, const std::vector<std::int32_t>& needs,
                                     std::int32_t visible);

}  // namespace toolkit
