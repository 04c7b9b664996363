#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
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

}  // namespace
