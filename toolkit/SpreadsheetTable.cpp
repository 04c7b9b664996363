#include "toolkit/SpreadsheetTable.h"

#include <algorithm>

#include "toolkit/Text.h"

namespace toolkit {
namespace {

const std::string kReplacementCharacter = "\xEF\xBF\xBD";

// Whether XML 1.0 (and so Gnumeric's reader) takes the character: tabs and
// line breaks, and everything from the blank on except surrogates, U+FFFE and
// U+FFFF; surrogates cannot occur in valid UTF-8.
bool IsXmlCharacter(std::string_view character) {
  const auto lead = static_cast<unsigned char>(character[0]);
  if (character.size() == 1) return lead >= 0x20U || lead == '\t' || lead == '\n' || lead == '\r';
  return character != "\xEF\xBF\xBE" && character != "\xEF\xBF\xBF";
}

// The text as markup: the characters that mark up escaped, line breaks kept
// as references (a reader would turn a carriage return into a line feed), and
// what the markup cannot carry (a control character, a byte that is no UTF-8)
// as U+FFFD, so that one odd character never makes a spreadsheet refuse the
// whole table.
void AppendEscaped(std::string& out, std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = CharLength(text, at);
    const std::string_view character = text.substr(at, length);
    at += length;
    const bool valid = length > 1 || static_cast<unsigned char>(character[0]) < 0x80U;
    if (!valid || !IsXmlCharacter(character)) {
      out += kReplacementCharacter;
    } else if (character == "&") {
      out += "&amp;";
    } else if (character == "<") {
      out += "&lt;";
    } else if (character == ">") {
      out += "&gt;";
    } else if (character == "\"") {
      out += "&quot;";
    } else if (character == "\r") {
      out += "&#13;";
    } else if (character == "\n") {
      out += "&#10;";
    } else {
      out += character;
    }
  }
}

// Room for the cells' texts and a little markup around each.
std::size_t EstimatedSize(const SpreadsheetTable& table) {
  std::size_t size = 512;
  for (const TableRow& row : table) {
    for (const TableCell& cell : row) {
      const auto* text = std::get_if<std::string>(&cell);
      size += 64 + (text != nullptr ? text->size() : 24);
    }
  }
  return size;
}

// Ten digits, zeros first.
std::string TenDigits(std::size_t number) {
  const std::string digits = std::to_string(number);
  return std::string(10 - std::min<std::size_t>(10, digits.size()), '0') + digits;
}

std::string HtmlFormatHeader(std::size_t htmlStart, std::size_t htmlEnd, std::size_t fragmentStart,
                             std::size_t fragmentEnd) {
  return "Version:0.9\r\nStartHTML:" + TenDigits(htmlStart) + "\r\nEndHTML:" + TenDigits(htmlEnd) +
         "\r\nStartFragment:" + TenDigits(fragmentStart) + "\r\nEndFragment:" + TenDigits(fragmentEnd) + "\r\n";
}

std::size_t ColumnCount(const SpreadsheetTable& table) {
  std::size_t columns = 0;
  for (const TableRow& row : table) columns = std::max(columns, row.size());
  return columns;
}

}  // namespace

std::string GnumericClipboard(const SpreadsheetTable& table) {
  std::string out;
  out.reserve(EstimatedSize(table));
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<gnm:ClipboardRange xmlns:gnm=\"http://www.gnumeric.org/v10.dtd\" Cols=\"" +
         std::to_string(ColumnCount(table)) + "\" Rows=\"" + std::to_string(table.size()) +
         "\" BaseCol=\"0\" BaseRow=\"0\">\n";
  out += "  <gnm:Cells>\n";
  for (std::size_t row = 0; row < table.size(); ++row) {
    for (std::size_t column = 0; column < table[row].size(); ++column) {
      const TableCell& cell = table[row][column];
      const auto* text = std::get_if<std::string>(&cell);
      out += "    <gnm:Cell Row=\"" + std::to_string(row) + "\" Col=\"" + std::to_string(column) + "\" ValueType=\"";
      if (text != nullptr) {
        out += "60\">";
        AppendEscaped(out, *text);
      } else {
        out += "40\">" + Str(std::get<double>(cell));
      }
      out += "</gnm:Cell>\n";
    }
  }
  out += "  </gnm:Cells>\n";
  out += "</gnm:ClipboardRange>\n";
  return out;
}

std::string HtmlFormatClipboard(const SpreadsheetTable& table) {
  // The header comes first and gives byte offsets into the whole; as each is
  // written with ten digits, it is written once with zeros to make its room
  // and again once the offsets are known.
  const std::size_t headerSize = HtmlFormatHeader(0, 0, 0, 0).size();
  std::string out(headerSize, '0');
  out.reserve(headerSize + EstimatedSize(table));
  out +=
      "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"></head><body>\n"
      "<!--StartFragment-->";
  const std::size_t fragmentStart = out.size();
  out += "<table>\n";
  for (const TableRow& row : table) {
    out += "<tr>";
    for (const TableCell& cell : row) {
      if (const auto* text = std::get_if<std::string>(&cell)) {
        out += "<td sdnum=\"1033;0;@\">";
        AppendEscaped(out, *text);
      } else {
        const std::string number = Str(std::get<double>(cell));
        out += "<td sdval=\"" + number + "\" sdnum=\"1033;\">" + number;
      }
      out += "</td>";
    }
    out += "</tr>\n";
  }
  out += "</table>";
  const std::size_t fragmentEnd = out.size();
  out += "<!--EndFragment-->\n</body></html>\n";
  out.replace(0, headerSize, HtmlFormatHeader(headerSize, out.size(), fragmentStart, fragmentEnd));
  return out;
}

}  // namespace toolkit
