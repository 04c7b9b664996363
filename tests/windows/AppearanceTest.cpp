#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <vector>

#include "Appearance.h"
#include "Gui.h"
#include "MessageBoxes.h"
#include "StartedApp.h"
#include "toolkit/Contrast.h"
#include "toolkit/Native.h"
#include "windows/AboutWindow.h"
#include "windows/EditWindow.h"
#include "windows/HelpWindow.h"

namespace {

using testsupport::Click;
using toolkit::NativeContent;

const std::string kTwoGenes = "Gene1 w/flox\tGene2 a/b\rGene1 w/w\tGene2 a/b";

toolkit::Color ColorOf(const QColor& color) {
  return toolkit::RGB(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                      static_cast<std::uint8_t>(color.blue()));
}

// The colour a label draws its text in, and the colour of the window area
// behind it.
toolkit::Color DrawnText(const QLabel& label) { return ColorOf(label.palette().color(label.foregroundRole())); }
toolkit::Color Background(const toolkit::Window& window) {
  const QWidget* content = NativeContent(window);
  return ColorOf(content->palette().color(content->backgroundRole()));
}

std::string Described(const QWidget& widget, const QString& text) {
  return widget.metaObject()->className() + std::string(" \"") + text.toStdString() + "\"";
}

// What of the window's texts is cut or runs into another text: each label's
// text, placed as the label aligns it, must lie within the label and clear of
// every other label's; each button must have room for its caption, and
// fields and popups for a line of text.
std::vector<std::string> CutTexts(const toolkit::Window& window) {
  std::vector<std::string> cut;
  std::vector<std::pair<const QLabel*, QRect>> placed;
  for (const QLabel* label : NativeContent(window)->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (label->isHidden()) continue;
    const QRect inside = label->contentsRect();
    const QRect text = label->style()->itemTextRect(label->fontMetrics(), inside, static_cast<int>(label->alignment()),
                                                    true, label->text());
    if (!inside.contains(text)) cut.push_back(Described(*label, label->text()) + " is cut");
    for (const auto& [other, otherText] : placed) {
      if (otherText.intersects(text.translated(label->pos()))) {
        cut.push_back(Described(*label, label->text()) + " runs into " + Described(*other, other->text()));
      }
    }
    placed.emplace_back(label, text.translated(label->pos()));
  }
  for (const QPushButton* button : NativeContent(window)->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
    if (button->sizeHint().width() > button->width() || button->fontMetrics().height() > button->height()) {
      cut.push_back(Described(*button, button->text()) + " is cut");
    }
  }
  for (const QLineEdit* field : NativeContent(window)->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
    if (field->sizeHint().height() > field->height()) cut.push_back(Described(*field, field->text()) + " is cut");
  }
  for (const QComboBox* popup : NativeContent(window)->findChildren<QComboBox*>(Qt::FindDirectChildrenOnly)) {
    if (popup->fontMetrics().height() > popup->height()) {
      cut.push_back(Described(*popup, popup->currentText()) + " is cut");
    }
  }
  return cut;
}

class AppearanceTest : public StartedAppTest {
 protected:
  struct Shown {
    const toolkit::Window* window;
    int tableWidth, tableHeight;  // the size its table gives
  };

  // Every window as the user meets it: the main window after a cross of two
  // genes, the editor, Help and About.
  std::vector<Shown> OpenEveryWindow() const {
    testsupport::SetClipboardText(kTwoGenes);
    Click(Main().PasteButton());
    Click(Main().CrossButton());
    if (Main().PupsListBox().RowCount() != 6) throw std::logic_error("the cross gave no result");
    Click(Main().EditButton());
    Click(Main().HelpButton());
    toolkit::NativeWindow(Main())->findChild<QAction*>("About")->trigger();
    testsupport::ProcessEvents();
    return {{&Main(), 396, 472},
            {OpenWindow<EditWindow>(), 602, 193},
            {OpenWindow<HelpWindow>(), 436, 400},
            {OpenWindow<AboutWindow>(), 254, 205}};
  }
};

// In the light palette the labels draw the tables' colours; under a dark one
// every label reads on its window, the link still in a colour of its own;
// and they follow the palette as it changes, back to the light look.
TEST_F(AppearanceTest, EveryLabelReadsUnderADarkPaletteAndTheLightLookStays) {
  const std::vector<Shown> windows = OpenEveryWindow();
  const QLabel* link = qobject_cast<QLabel*>(toolkit::NativeWidget(OpenWindow<AboutWindow>()->URL_Label()));
  const QLabel* name = qobject_cast<QLabel*>(toolkit::NativeWidget(OpenWindow<AboutWindow>()->KestraneLabel()));
  const auto expectTableColours = [&] {
    for (const Shown& shown : windows) {
      for (const QLabel* label : NativeContent(*shown.window)->findChildren<QLabel*>()) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_EQ(DrawnText(*label), label == link ? toolkit::RGB(0, 0, 255) : toolkit::kBlack);
      }
    }
  };
  expectTableColours();
  {
    testsupport::ScopedPalette dark(testsupport::DarkPalette());
    testsupport::ProcessEvents();
    for (const Shown& shown : windows) {
      for (const QLabel* label : NativeContent(*shown.window)->findChildren<QLabel*>()) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_GE(toolkit::ContrastRatio(DrawnText(*label), Background(*shown.window)), 4.5);
      }
    }
    EXPECT_NE(DrawnText(*link), DrawnText(*name));
    EXPECT_GT(DrawnText(*link).blue, DrawnText(*link).red);
  }
  testsupport::ProcessEvents();
  expectTableColours();
}

// From the design font up to 14 points every window grows in proportion,
// and no text is cut or runs into another; the font coming back brings the
// tables' sizes back.
TEST_F(AppearanceTest, NothingIsCutAtLargerDesktopFonts) {
  const std::vector<Shown> windows = OpenEveryWindow();
  for (const double points : {9.0, 10.0, 11.0, 12.0, 14.0}) {
    testsupport::ScopedFontSize font(points);
    testsupport::ProcessEvents();
    for (const Shown& shown : windows) {
      SCOPED_TRACE(shown.window->Title() + " at " + std::to_string(points) + " points");
      EXPECT_NEAR(shown.window->Width(), shown.tableWidth * points / 9, 1.0);
      EXPECT_NEAR(shown.window->Height(), shown.tableHeight * points / 9, 1.0);
      EXPECT_EQ(CutTexts(*shown.window), std::vector<std::string>{});
    }
  }
  testsupport::ProcessEvents();
  for (const Shown& shown : windows) {
    EXPECT_EQ(shown.window->Width(), shown.tableWidth);
    EXPECT_EQ(shown.window->Height(), shown.tableHeight);
  }
}

}  // namespace
