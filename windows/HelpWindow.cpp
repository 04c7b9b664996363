#include "windows/HelpWindow.h"

#include <string>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/Text.h"

namespace {

using namespace toolkit;

const WindowSettings kSettings = {
    .placement = 0,
    .width = 436,
    .height = 400,
    .minWidth = 350,
    .minHeight = 300,
    .maxWidth = 32000,
    .maxHeight = 32000,
    .frame = 0,
    .composite = false,
    .hasBackColor = false,
    .backColor = RGB(255, 255, 255),
    .title = "Help",
    .visible = true,
    .fullScreen = false,
    .menuBarVisible = true,
    .closeButton = true,
    .resizeable = true,
    .liveResize = true,
    .maximizeButton = true,
    .minimizeButton = true,
    .fullScreenButton = false,
    .macProcID = 0,
};

const std::vector<ControlSpec> kControls = {
    {.create = Make<TextArea>,
     .name = "HelpArea",
     .bounds = {20, 14, 396, 340},
     .lock = kAllEdges,
     .tabIndex = 0,
     .accessibleName = "Help",
     .textUnit = 0,
     .lineSpacing = 1.0,
     .readOnly = true,
     .multiline = true,
     .border = true,
     .styled = true,
     .scrollbarVertical = true,
     .scrollbarHorizontal = false,
     .useFocusRing = true,
     .events = {OnOpen(&HelpWindow::HelpArea_Open)}},
    {.create = Make<PushButton>,
     .name = "OK_Button",
     .bounds = {178, 366, 80, 20},
     .lock = kLeftBottom,
     .tabIndex = 1,
     .text = "OK",
     .textUnit = 0,
     .isDefault = true,
     .isCancel = true,  // Escape, like OK, puts the window away
     .events = {OnAction(&HelpWindow::OK_Button_Action)}},
};

}  // namespace

HelpWindow& HelpWindow::Instance() { return ImplicitInstance<HelpWindow>(); }

void HelpWindow::Layout() { SetProperties(kSettings); }

void HelpWindow::CreateControls() { CreateControls0(); }

void HelpWindow::CreateControls0() { CreateControlTable(kControls); }

TextArea& HelpWindow::HelpArea() const { return ControlAs<TextArea>("HelpArea"); }
PushButton& HelpWindow::OK_Button() const { return ControlAs<PushButton>("OK_Button"); }

void HelpWindow::HelpArea_Open(TextArea& /*area*/) {
  const std::string lineEnd = EndOfLine();
  std::string text = "This software calculates possible pup genotypes and their probabilities from parent genotypes. ";
  text += "To enter parent genotypes, click the Edit or Paste buttons at the top. ";
  text += "Genotypes can be formattted using a spreadsheet or text editor as in this example:";
  text += lineEnd + lineEnd;
  text += "    Gene1 a/b   Gene2 Y/+   Gene3 0/0   Gene4 w/flox";
  text += lineEnd;
  text += "    Gene1 c/d   Gene2 X/-    Gene3 0/+  Gene4 w/w";
  text += lineEnd + lineEnd;
  text += "One line per parent and one column (tab) per gene.";
  text += lineEnd;
  text += "One space between gene and alleles.";
  text += lineEnd;
  text += "One slash between alleles.";
  text += lineEnd + lineEnd;
  text += "Select from each popup menu one allele to show on the left side in results.";
  text += lineEnd + lineEnd;
  text += "Click the Cross button at the bottom to display and copy results to the Clipboard.";
  HelpArea().SetText(text);
}

void HelpWindow::OK_Button_Action(PushButton& /*button*/) { Hide(); }
