// What a Cross puts on the clipboard for other programs: the text as it always
// was, and the same table in the formats that spreadsheets paste in preference
// to text, with its numbers written the same in every locale.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QMimeData>
#include <string>

#include "Gui.h"
#include "StartedApp.h"

namespace {

using testsupport::Click;

class ResultClipboardTest : public StartedAppTest {
 protected:
  void SetUp() override {
    StartedAppTest::SetUp();
    // Numbers stay written with a decimal point in a decimal-comma locale.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  }
  void TearDown() override {
    QLocale::setDefault(QLocale::c());
    StartedAppTest::TearDown();
  }

  static void PasteAndCross(const std::string& parents) {
    testsupport::SetClipboardText(parents);
    Click(Main().PasteButton());
    Click(Main().CrossButton());
  }
  static std::string Format(const char* format) {
    return QApplication::clipboard()->mimeData()->data(QString::fromLatin1(format)).toStdString();
  }
};

TEST_F(ResultClipboardTest, CrossOffersTheTextAndTheTableForSpreadsheets) {
  PasteAndCross("Gene1 w/flox\tKit W/w\rGene1 w/w\tKit W&v/w");

  const QMimeData& data = *QApplication::clipboard()->mimeData();
  EXPECT_EQ(data.formats().join(' ').toStdString(),
            "text/plain application/x-gnumeric "
            "application/x-openoffice-html-simple;windows_formatname=\"HTML Format\"");
  EXPECT_EQ(data.text().toStdString(),
            "Gene1 w/w\tKit W/W&v\t  0.125\n"
            "Gene1 w/w\tKit w/W\t  0.125\n"
            "Gene1 w/w\tKit w/W&v\t  0.125\n"
            "Gene1 w/w\tKit w/w\t  0.125\n"
            "Gene1 w/flox\tKit W/W&v\t  0.125\n"
            "Gene1 w/flox\tKit w/W\t  0.125\n"
            "Gene1 w/flox\tKit w/W&v\t  0.125\n"
            "Gene1 w/flox\tKit w/w\t  0.125\n");
  const std::string gnumeric = Format("application/x-gnumeric");
  EXPECT_NE(gnumeric.find("Cols=\"3\" Rows=\"8\""), std::string::npos) << gnumeric;
  EXPECT_NE(gnumeric.find("<gnm:Cell Row=\"7\" Col=\"1\" ValueType=\"60\">Kit w/w</gnm:Cell>\n"
                          "    <gnm:Cell Row=\"7\" Col=\"2\" ValueType=\"40\">0.125</gnm:Cell>"),
            std::string::npos)
      << gnumeric;
  const std::string html = Format("application/x-openoffice-html-simple;windows_formatname=\"HTML Format\"");
  EXPECT_NE(html.find("<tr><td sdnum=\"1033;0;@\">Gene1 w/w</td><td sdnum=\"1033;0;@\">Kit W/W&amp;v</td>"
                      "<td sdval=\"0.125\" sdnum=\"1033;\">0.125</td></tr>"),
            std::string::npos)
      << html;
}

}  // namespace
