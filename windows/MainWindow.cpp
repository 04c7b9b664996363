#include "windows/MainWindow.h"

#include <stdexcept>
#include <utility>

#include "engine/AlleleChoice.h"
#include "engine/CrossResult.h"
#include "engine/Globals.h"
#include "engine/ParentsParser.h"
#include "toolkit/Application.h"
#include "toolkit/Clipboard.h"
#include "toolkit/MsgBox.h"
#include "toolkit/StatusLabel.h"
#include "toolkit/Text.h"
#include "windows/AboutWindow.h"
#include "windows/EditWindow.h"
#include "windows/HelpWindow.h"
#include "windows/MainMenuBar.h"

namespace {

using namespace toolkit;

constexpr auto kResultColumns = static_cast<std::int32_t>(engine::kResultColumns);
const std::string kBlankHeading = " ";

const WindowSettings kSettings = {
    .placement = 0,
    .width = 396,
    .height = 472,
    .minWidth = 396,
    .minHeight = 350,
    .maxWidth = 32000,
    .maxHeight = 32000,
    .frame = 0,
    .composite = false,
    .hasBackColor = false,
    .backColor = RGB(255, 255, 255),
    .title = "Kestrane",
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

// What screen readers call a popup until it offers a gene's alleles; then it
// is called by the gene's name.
std::string PopupName(std::int32_t index) { return "Gene " + Str(index + 1); }

ControlSpec PopupRow(std::int32_t index, std::int32_t left) {
  return {.create = Make<MainWindow::wtPopupControl>,
          .name = "wtPopup",
          .index = index,
          .bounds = {left, 94, 80, 20},
          .lock = kLeftTop,
          .tabIndex = 14 + index,
          .accessibleName = PopupName(index),
          .events = {OnChange(&MainWindow::wtPopup_Change)}};
}

const std::vector<ControlSpec> kControls = {
    {.create = Make<TextArea>,
     .name = "ParentsArea",
     .bounds = {20, 43, 356, 43},
     .lock = kLeftTopRight,
     .tabIndex = 0,
     .accessibleName = "Parents",
     .textUnit = 2,
     .lineSpacing = 1.0,
     .readOnly = true,
     .multiline = true,
     .border = true,
     .styled = false,
     .scrollbarVertical = false,
     .scrollbarHorizontal = false,
     .useFocusRing = false},
    {.create = Make<PushButton>,
     .name = "PasteButton",
     .bounds = {112, 14, 80, 20},
     .lock = kLeftTop,
     .tabIndex = 1,
     .text = "Paste",
     .events = {OnAction(&MainWindow::PasteButton_Action)}},
    {.create = Make<PushButton>,
     .name = "EditButton",
     .bounds = {204, 14, 80, 20},
     .lock = kLeftTop,
     .tabIndex = 2,
     .text = "Edit",
     .events = {OnAction(&MainWindow::EditButton_Action)}},
    {.create = Make<Label>,
     .name = "ParentsLabel",
     .bounds = {20, 20, 56, 20},
     .lock = kLeftTop,
     .tabIndex = 3,
     .text = "Parents",
     .bold = true},
    {.create = Make<Label>,
     .name = "WildTypeLabel",
     .bounds = {118, 120, 162, 20},
     .lock = kLeftTop,
     .tabIndex = 8,
     .text = "Allele to show on left side"},
    {.create = Make<Label>,
     .name = "PupsLabel",
     .bounds = {20, 148, 100, 20},
     .lock = kLeftTop,
     .tabIndex = 9,
     .text = "Pups",
     .bold = true},
    {.create = Make<PushButton>,
     .name = "QuitButton",
     .bounds = {26, 432, 80, 20},
     .lock = kLeftBottom,
     .tabIndex = 11,
     .text = "Quit",
     .events = {OnAction(&MainWindow::QuitButton_Action)}},
    {.create = Make<PushButton>,
     .name = "HelpButton",
     .bounds = {158, 432, 80, 20},
     .lock = kLeftBottom,
     .tabIndex = 12,
     .text = "Help",
     .events = {OnAction(&MainWindow::HelpButton_Action)}},
    {.create = Make<PushButton>,
     .name = "CrossButton",
     .bounds = {296, 432, 80, 20},
     .lock = kLeftBottom,
     .tabIndex = 13,
     .text = "Cross",
     .isDefault = true,
     .events = {OnAction(&MainWindow::CrossButton_Action)}},
    PopupRow(0, 20),
    PopupRow(1, 112),
    PopupRow(2, 204),
    PopupRow(3, 296),
    {.create = Make<PushButton>,
     .name = "OptionsButton",
     .bounds = {296, 14, 80, 20},
     .lock = kLeftTop,
     .tabIndex = 18,
     .text = "Options",
     .enabled = false},
    {.create = Make<StatusLabel>,
     .name = "PupCountLabel",
     .bounds = {61, 148, 201, 20},
     .lock = kLeftTop,
     .tabIndex = 19,
     .text = "n unique genotypes",
     .visible = false},
    {.create = Make<Listbox>,
     .name = "PupsListBox",
     .bounds = {20, 169, 356, 251},
     .lock = kAllEdges,
     .tabIndex = 20,
     .accessibleName = "Pups",
     .border = true,
     .scrollbarVertical = true,
     .scrollbarHorizontal = false,
     .useFocusRing = true,
     .events = {OnOpen(&MainWindow::PupsListBox_Open)}},
};

const breederPair& Parents() {
  if (!Globals::parents) throw std::logic_error("no parents have been parsed");
  return *Globals::parents;
}

}  // namespace

MainWindow& MainWindow::Instance() { return ImplicitInstance<MainWindow>(); }

void MainWindow::Layout() {
  SetMenuBar(&MainMenuBar::Instance());
  SetProperties(kSettings);
}

void MainWindow::CreateControls() { CreateControls0(); }

void MainWindow::CreateControls0() { CreateControlTable(kControls); }

TextArea& MainWindow::ParentsArea() const { return ControlAs<TextArea>("ParentsArea"); }
PushButton& MainWindow::PasteButton() const { return ControlAs<PushButton>("PasteButton"); }
PushButton& MainWindow::EditButton() const { return ControlAs<PushButton>("EditButton"); }
Label& MainWindow::ParentsLabel() const { return ControlAs<Label>("ParentsLabel"); }
Label& MainWindow::WildTypeLabel() const { return ControlAs<Label>("WildTypeLabel"); }
Label& MainWindow::PupsLabel() const { return ControlAs<Label>("PupsLabel"); }
PushButton& MainWindow::QuitButton() const { return ControlAs<PushButton>("QuitButton"); }
PushButton& MainWindow::HelpButton() const { return ControlAs<PushButton>("HelpButton"); }
PushButton& MainWindow::CrossButton() const { return ControlAs<PushButton>("CrossButton"); }
PopupMenu& MainWindow::wtPopup(std::int32_t index) const { return ControlAs<PopupMenu>("wtPopup", index); }
PushButton& MainWindow::OptionsButton() const { return ControlAs<PushButton>("OptionsButton"); }
Label& MainWindow::PupCountLabel() const { return ControlAs<Label>("PupCountLabel"); }
Listbox& MainWindow::PupsListBox() const { return ControlAs<Listbox>("PupsListBox"); }

void MainWindow::PasteButton_Action(PushButton& /*button*/) {
  Clipboard clipboard;
  if (!clipboard.TextAvailable()) return;
  ParentsArea().SetText(clipboard.TakeText());
  clipboard.Close();
  Globals::geneCount = 0;
  ParseNewInput();
}

// Edit always shows the parents' text as the main window holds it: entries
// typed earlier and not committed with OK are dropped.
void MainWindow::EditButton_Action(PushButton& /*button*/) {
  EditWindow& editor = EditWindow::Instance();
  editor.ReloadOnActivate();
  editor.Show();
}

void MainWindow::QuitButton_Action(PushButton& /*button*/) { Quit(0); }

void MainWindow::HelpButton_Action(PushButton& /*button*/) { HelpWindow::Instance().Show(); }

void MainWindow::CrossButton_Action(PushButton& /*button*/) { MixAlleles(); }

// Whatever changed, the result shown no longer matches the choice; it comes
// back with the next Cross.
void MainWindow::wtPopup_Change(PopupMenu& /*popup*/) {
  ResetResultList();
  HidePupCount();
}

void MainWindow::PupsListBox_Open(Listbox& list) {
  list.SetColumnCount(kResultColumns);
  list.SetColumnWidths("21%,21%,21%,21%,20%");
  list.SetHasHeading(true);
  for (std::int32_t column = 0; column < kResultColumns; ++column) list.SetHeading(column, kBlankHeading);
  list.SetHeaderType(-1, 1);
}

MenuItem& MainWindow::MenuItemNamed(const std::string& name) const {
  if (MenuBar() == nullptr) throw std::logic_error("the main window has no menu bar");
  return MenuBar()->Find(name);
}

MenuItem& MainWindow::EditMenu() const { return MenuItemNamed("EditMenu"); }
MenuItem& MainWindow::EditSelectAll() const { return MenuItemNamed("EditSelectAll"); }
MenuItem& MainWindow::EditSeparator2() const { return MenuItemNamed("EditSeparator2"); }
MenuItem& MainWindow::EditClear() const { return MenuItemNamed("EditClear"); }
MenuItem& MainWindow::EditPaste() const { return MenuItemNamed("EditPaste"); }
MenuItem& MainWindow::EditCopy() const { return MenuItemNamed("EditCopy"); }
MenuItem& MainWindow::EditCut() const { return MenuItemNamed("EditCut"); }
MenuItem& MainWindow::EditSeparator1() const { return MenuItemNamed("EditSeparator1"); }
MenuItem& MainWindow::EditUndo() const { return MenuItemNamed("EditUndo"); }
MenuItem& MainWindow::FileMenu() const { return MenuItemNamed("FileMenu"); }
QuitMenuItem& MainWindow::FileQuit() const { return dynamic_cast<QuitMenuItem&>(MenuItemNamed("FileQuit")); }
AppleMenuItem& MainWindow::About() const { return dynamic_cast<AppleMenuItem&>(MenuItemNamed("About")); }

void MainWindow::AddMenuHandlers() {
  AddMenuHandler("About", [this] { return About_Action(); });
}

void MainWindow::Event_Open() {
  Globals::geneCount = 0;
  Initialize();
}

void MainWindow::Event_Close() { Quit(0); }

bool MainWindow::About_Action() {
  AboutWindow::Instance().Show();
  return true;
}

void MainWindow::ParseInput() {
  Globals::parents = std::make_shared<breederPair>();
  // The text is parsed where the area holds it: a pasted one can be a hundred
  // megabytes, of which the parse keeps two lines.
  engine::ParseOutcome outcome = engine::ParseParentsText(ParentsArea().Text());

  if (outcome.text) ParentsArea().SetText(std::move(*outcome.text));
  if (outcome.focusResultList) PupsListBox().SetFocus();
  Globals::parents->genotype = std::move(outcome.parents.genotype);
  if (outcome.geneCount) Globals::geneCount = *outcome.geneCount;

  switch (outcome.status) {
    case engine::ParseStatus::Success: SetPopups(); return;
    case engine::ParseStatus::Failed: MsgBox(outcome.message); return;
    case engine::ParseStatus::SilentStop: return;
  }
}

void MainWindow::Initialize() {
  for (std::int32_t i = 0; i < engine::kMaxGenes; ++i) {
    wtPopup(i).DeleteAllRows();
    wtPopup(i).SetEnabled(false);
    wtPopup(i).SetAccessibleName(PopupName(i));
  }
  WildTypeLabel().SetVisible(false);
  CrossButton().SetEnabled(false);
  HidePupCount();
}

std::vector<std::string> MainWindow::CalcPopup(std::span<const std::string> alleles) const {
  return engine::CalcPopup(alleles);
}

void MainWindow::SetPopups() {
  Initialize();
  for (std::int32_t i = 0; i < Globals::geneCount; ++i) {
    const gene& locus = Parents().genotype.at(static_cast<std::size_t>(i));
    wtPopup(i).AddRows(CalcPopup(locus.allele));
    wtPopup(i).SetListIndex(0);
    wtPopup(i).SetEnabled(true);
    wtPopup(i).SetAccessibleName(locus.name);
  }
  WildTypeLabel().SetVisible(true);
  CrossButton().SetEnabled(true);
}

void MainWindow::MixAlleles() {
  Mixers.clear();
  for (std::int32_t i = 0; i < Globals::geneCount; ++i) {
    Mixers.push_back(engine::MixGene(Parents().genotype.at(static_cast<std::size_t>(i)), wtPopup(i).Text()));
  }
  CalcResult();
}

void MainWindow::CalcResult() {
  engine::CrossResult result = engine::CalcResult(Parents(), Globals::geneCount, Mixers);

  ShowPupCount(result.countText);

  Listbox& list = PupsListBox();
  list.DeleteAllRows();
  for (std::size_t column = 0; column < result.headings.size(); ++column) {
    if (result.headings[column]) list.SetHeading(static_cast<std::int32_t>(column), *result.headings[column]);
  }
  for (const engine::ResultRow& row : result.rows) {
    list.AddRow();
    const std::int32_t added = list.LastIndex();
    for (std::size_t g = 0; g < row.genotypes.size(); ++g)
      list.SetCell(added, static_cast<std::int32_t>(g), row.genotypes[g]);
    list.SetCell(added, static_cast<std::int32_t>(engine::kProbabilityColumn), row.probabilityText);
  }

  Clipboard clipboard;
  clipboard.SetTextAndTable(result.clipboardText, engine::ResultTable(std::move(result.rows)));
  clipboard.Close();
}

void MainWindow::ParseNewInput() {
  ResetResultList();
  Initialize();
  ParseInput();
}

// The count label announces the count to screen readers as it shows it, and
// describes the list to them, which is what it counts.
void MainWindow::ShowPupCount(const std::string& countText) {
  PupCountLabel().SetText(countText);
  PupCountLabel().SetVisible(true);
  PupsListBox().SetAccessibleDescription(countText);
}

void MainWindow::HidePupCount() {
  PupCountLabel().SetVisible(false);
  PupsListBox().SetAccessibleDescription("");
}

void MainWindow::ResetResultList() {
  Listbox& list = PupsListBox();
  list.DeleteAllRows();
  for (std::int32_t column = 0; column < kResultColumns; ++column) list.SetHeading(column, kBlankHeading);
}
