#pragma once

// A table of texts and numbers for spreadsheets, and the two clipboard formats
// in which spreadsheets take one on paste in preference to plain text:
// Gnumeric's own XML, and the HTML that LibreOffice takes from Windows
// programs ("HTML Format"). Both say of each cell whether it is a number or a
// text, and write numbers with a decimal point whatever the locale, so a
// number is pasted as that number and a text stays that text. From plain text
// a spreadsheet reads "0.125" by its locale's rules, which in a decimal-comma
// locale make it 125.
//
// Both are written for the clipboard of one program; putting them there is
// the clipboard's job.

#include <string>
#include <variant>
#include <vector>

namespace toolkit {

using TableCell = std::variant<std::string, double>;
using TableRow = std::vector<TableCell>;
using SpreadsheetTable = std::vector<TableRow>;

// The table as Gnumeric copies a range of cells: an XML document whose cells
// start at A1, numbers of value type 40 as their shortest decimal text that
// reads back as the same double, texts of value type 60.
std::string GnumericClipboard(const SpreadsheetTable& table);

// The table as Windows' HTML clipboard format: a header of byte offsets, then
// an HTML document in UTF-8 whose fragment is a <table>. A number's cell gives
// its value in LibreOffice's sdval attribute, with the standard number format
// of US English (sdnum "1033;"); a text's cell has the text format "@", so that
// no text is read as a number or a date.
std::string HtmlFormatClipboard(const SpreadsheetTable& table);

}  // namespace toolkit
