#include "windows/EditWindow.h"

#include <string_view>
#include <utility>

#include "engine/Genotype.h"
#include "engine/Globals.h"
#include "toolkit/Application.h"
#include "toolkit/Text.h"
#include "windows/MainWindow.h"

namespace {

using namespace toolkit;

using engine::kEntrySeparator;
using engine::kLineSeparator;
using engine::kMaxGenes;

// Two parents by one column per gene.
constexpr std::int32_t kParents = 2;
constexpr std::int32_t kFields = kParents * kMaxGenes;

// The member of Field for a parent (0 or 1) and a gene column (0 to 3).
constexpr std::int32_t FieldIndex(std::int32_t parent, std::int32_t column) { return kMaxGenes * parent + column; }

const WindowSettings kSettings = {
    .placement = 0,
    .width = 602,
    .height = 193,
    .minWidth = 64,
    .minHeight = 64,
    .maxWidth = 32000,
    .maxHeight = 32000,
    .frame = 0,
    .composite = false,
    .hasBackColor = false,
    .backColor = RGB(255, 255, 255),
    .title = "Parent Genotype Editor",
    .visible = true,
    .fullScreen = false,
    .menuBarVisible = true,
    .closeButton = true,
    .resizeable = false,
    .liveResize = true,
    .maximizeButton = true,
    .minimizeButton = true,
    .fullScreenButton = false,
    .macProcID = 0,
};

ControlSpec LabelRow(const char* name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t tabIndex,
                     const char* text) {
  return {.create = Make<Label>,
          .name = name,
          .bounds = {left, top, width, 20},
          .lock = kLeftTop,
          .tabIndex = tabIndex,
          .text = text};
}

// Field(index) stands in row index / 4 (a parent) and column index % 4 (a
// gene); its tab index is its index, so Tab runs through parent 1's genes,
// then parent 2's.
ControlSpec FieldRow(std::int32_t index, std::int32_t left, std::int32_t width) {
  return {.create = Make<EditWindow::FieldControl>,
          .name = "Field",
          .index = index,
          .bounds = {left, index < kMaxGenes ? 43 : 77, width, 22},
          .lock = kLeftTop,
          .tabIndex = index,
          .accessibleName = "Parent " + Str(index / kMaxGenes + 1) + ", gene " + Str(index % kMaxGenes + 1)};
}

const std::vector<ControlSpec> kControls = {
    FieldRow(0, 86, 118),
    FieldRow(1, 210, 120),
    FieldRow(2, 336, 120),
    FieldRow(3, 462, 120),
    LabelRow("Parent1Label", 20, 44, 54, 4, "Parent 1"),
    LabelRow("Gene1Label", 88, 20, 100, 5, "Gene1 a/b"),
    LabelRow("Gene2Label", 214, 20, 100, 6, "Gene2 c/d"),
    LabelRow("Gene3Label", 339, 20, 100, 7, "Gene3 e/f"),
    LabelRow("Gene4Label", 464, 20, 100, 8, "Gene4 g/h"),
    FieldRow(4, 86, 118),
    FieldRow(5, 210, 120),
    FieldRow(6, 336, 120),
    FieldRow(7, 462, 120),
    LabelRow("Parent2Label", 20, 78, 54, 13, "Parent 2"),
    LabelRow("Help1Label", 86, 109, 485, 14,
             "Enter one space between gene and alleles, and one slash between alleles."),
    {.create = Make<PushButton>,
     .name = "OK_Button",
     .bounds = {502, 148, 80, 20},
     .lock = kLeftTop,
     .tabIndex = 16,
     .text = "OK",
     .isDefault = true,
     .events = {OnAction(&EditWindow::OK_Button_Action)}},
    {.create = Make<PushButton>,
     .name = "CancelButton",
     .bounds = {410, 148, 80, 20},
     .lock = kLeftTop,
     .tabIndex = 17,
     .text = "Cancel",
     .isCancel = true,
     .events = {OnAction(&EditWindow::CancelButton_Action)}},
    LabelRow("Help2Label1", 86, 131, 275, 18, "Multiple characters in alleles are allowed."),
};

TextArea& ParentsArea() { return MainWindow::Instance().ParentsArea(); }

}  // namespace

EditWindow& EditWindow::Instance() { return ImplicitInstance<EditWindow>(); }

void EditWindow::Layout() { SetProperties(kSettings); }

void EditWindow::CreateControls() { CreateControls0(); }

void EditWindow::CreateControls0() { CreateControlTable(kControls); }

TextField& EditWindow::Field(std::int32_t index) const { return ControlAs<TextField>("Field", index); }
Label& EditWindow::Parent1Label() const { return ControlAs<Label>("Parent1Label"); }
Label& EditWindow::Gene1Label() const { return ControlAs<Label>("Gene1Label"); }
Label& EditWindow::Gene2Label() const { return ControlAs<Label>("Gene2Label"); }
Label& EditWindow::Gene3Label() const { return ControlAs<Label>("Gene3Label"); }
Label& EditWindow::Gene4Label() const { return ControlAs<Label>("Gene4Label"); }
Label& EditWindow::Parent2Label() const { return ControlAs<Label>("Parent2Label"); }
Label& EditWindow::Help1Label() const { return ControlAs<Label>("Help1Label"); }
PushButton& EditWindow::OK_Button() const { return ControlAs<PushButton>("OK_Button"); }
PushButton& EditWindow::CancelButton() const { return ControlAs<PushButton>("CancelButton"); }
Label& EditWindow::Help2Label1() const { return ControlAs<Label>("Help2Label1"); }

// Both parents get as many entries as the parent with more filled columns
// has; an empty field becomes an empty entry, so every entry keeps its column
// and the parser names the gene that is missing.
void EditWindow::OK_Button_Action(PushButton& /*button*/) {
  Globals::geneCount = static_cast<std::int32_t>(Max(FilledColumns(0), FilledColumns(1)));

  // The joined text is made in one piece: an entry can be a hundred megabytes.
  std::size_t size = kParents * kMaxGenes;
  for (std::int32_t index = 0; index < kFields; ++index) size += Field(index).Text().size();
  std::string text;
  text.reserve(size);
  for (std::int32_t parent = 0; parent < kParents; ++parent) {
    for (std::int32_t column = 0; column < Globals::geneCount; ++column) {
      text += Field(FieldIndex(parent, column)).Text();
      if (column < Globals::geneCount - 1) text += kEntrySeparator;
    }
    if (parent == 0) text += kLineSeparator;
  }
  ParentsArea().SetText(std::move(text));

  Hide();
  MainWindow::Instance().ParseNewInput();
}

void EditWindow::CancelButton_Action(PushButton& /*button*/) { Hide(); }

// Coming back from another window keeps what the user typed; only a new text
// in the main window (a Paste meanwhile) replaces it. A new editor is loaded
// by the Edit request that follows its building.
void EditWindow::Event_Activate() {
  if (reloadRequested_ || (loadedChanges_ && *loadedChanges_ != ParentsArea().ChangeCount())) LoadFields();
}

void EditWindow::ReloadOnActivate() {
  if (IsActive()) {
    LoadFields();
  } else {
    reloadRequested_ = true;
  }
}

// Only the first two lines and their first four entries are read, where the
// text stands: a line can be a hundred megabytes of entries. An empty entry
// leaves its field empty, so every entry stays in its own column. The parents'
// area gives its text back with carriage returns as its only line endings
// already, so the text needs no rewriting of them.
void EditWindow::LoadFields() {
  reloadRequested_ = false;
  for (std::int32_t index = 0; index < kFields; ++index) Field(index).SetText("");

  const std::string& text = ParentsArea().Text();
  for (std::int32_t parent = 0; parent < kParents; ++parent) {
    const std::string_view line = NthField(text, kLineSeparator, parent + 1);
    for (std::int32_t column = 0; column < kMaxGenes; ++column) {
      const std::string_view entry = NthField(line, kEntrySeparator, column + 1);
      if (!entry.empty()) Field(FieldIndex(parent, column)).SetText(std::string(entry));
    }
  }
  loadedChanges_ = ParentsArea().ChangeCount();
  Field(0).SetFocus();
}

std::int32_t EditWindow::FilledColumns(std::int32_t parent) const {
  for (std::int32_t column = kMaxGenes - 1; column >= 0; --column) {
    if (!Field(FieldIndex(parent, column)).Text().empty()) return column + 1;
  }
  return 0;
}
