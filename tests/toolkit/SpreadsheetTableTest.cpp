#include <gtest/gtest.h>

#include <string>

#include "toolkit/SpreadsheetTable.h"

namespace {

using toolkit::GnumericClipboard;
using toolkit::HtmlFormatClipboard;
using toolkit::SpreadsheetTable;

const SpreadsheetTable kTable = {
    {std::string("Gene1 w/w"), std::string("Kit W&v<1>/w"), 0.125},
    {std::string("3 1/2"), std::string("Cre +/-"), 0.00390625},
};

// Each cell says whether it is a number or a text; numbers have a decimal
// point and as many digits as read back as the same double.
TEST(SpreadsheetTableTest, GnumericTakesNumbersAsNumbersAndTextsAsTexts) {
  EXPECT_EQ(GnumericClipboard(kTable), R"(<?xml version="1.0" encoding="UTF-8"?>
<gnm:ClipboardRange xmlns:gnm="http://www.gnumeric.org/v10.dtd" Cols="3" Rows="2" BaseCol="0" BaseRow="0">
  <gnm:Cells>
    <gnm:Cell Row="0" Col="0" ValueType="60">Gene1 w/w</gnm:Cell>
    <gnm:Cell Row="0" Col="1" ValueType="60">Kit W&amp;v&lt;1&gt;/w</gnm:Cell>
    <gnm:Cell Row="0" Col="2" ValueType="40">0.125</gnm:Cell>
    <gnm:Cell Row="1" Col="0" ValueType="60">3 1/2</gnm:Cell>
    <gnm:Cell Row="1" Col="1" ValueType="60">Cre +/-</gnm:Cell>
    <gnm:Cell Row="1" Col="2" ValueType="40">0.00390625</gnm:Cell>
  </gnm:Cells>
</gnm:ClipboardRange>
)");
}

// The header's offsets point at the HTML document and at the table in it.
TEST(SpreadsheetTableTest, HtmlFormatTakesNumbersByValueAndTextsAsText) {
  const std::string html =
      R"(<html><head><meta http-equiv="Content-Type" content="text/html; charset=utf-8"></head><body>
<!--StartFragment--><table>
<tr><td sdnum="1033;0;@">Gene1 w/w</td><td sdnum="1033;0;@">Kit W&amp;v&lt;1&gt;/w</td><td sdval="0.125" sdnum="1033;">0.125</td></tr>
<tr><td sdnum="1033;0;@">3 1/2</td><td sdnum="1033;0;@">Cre +/-</td><td sdval="0.00390625" sdnum="1033;">0.00390625</td></tr>
</table><!--EndFragment-->
</body></html>
)";
  const std::size_t fragmentStart = html.find("<table>");
  const std::size_t fragmentEnd = html.find("<!--EndFragment");
  const auto tenDigits = [](std::size_t offset) {
    const std::string digits = std::to_string(offset);
    return std::string(10 - digits.size(), '0') + digits;
  };
  const std::string clipboard = HtmlFormatClipboard(kTable);
  EXPECT_EQ(clipboard.substr(0, 105), "Version:0.9\r\nStartHTML:0000000105\r\nEndHTML:" + tenDigits(105 + html.size()) +
                                          "\r\nStartFragment:" + tenDigits(105 + fragmentStart) +
                                          "\r\nEndFragment:" + tenDigits(105 + fragmentEnd) + "\r\n");
  EXPECT_EQ(clipboard.substr(105), html);
}

// A character that XML cannot carry would make Gnumeric refuse the whole
// table; it becomes U+FFFD, as does a byte that is no UTF-8. Line breaks are
// kept as references, and every other character as it is.
TEST(SpreadsheetTableTest, TextsKeepEveryCharacterTheMarkupCanCarry) {
  const SpreadsheetTable table = {{std::string("a\x01z \xC3\xA9\xC2\xA0\xE2\x80\xA8 \xFF \xEF\xBF\xBF \"q\"\r\n\tb")}};
  const std::string escaped =
      "a\xEF\xBF\xBDz \xC3\xA9\xC2\xA0\xE2\x80\xA8 \xEF\xBF\xBD \xEF\xBF\xBD &quot;q&quot;&#13;&#10;\tb";
  EXPECT_NE(GnumericClipboard(table).find(">" + escaped + "</gnm:Cell>"), std::string::npos);
  EXPECT_NE(HtmlFormatClipboard(table).find(">" + escaped + "</td>"), std::string::npos);
}

}  // namespace
