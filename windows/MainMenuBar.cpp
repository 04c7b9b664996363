#include "windows/MainMenuBar.h"

#include <optional>
#include <string>
#include <vector>

namespace {

enum class ItemKind { Menu, About, Quit };

struct ItemRow {
  const char* menu;  // the menu it goes into; nullptr for a menu of the bar
  ItemKind kind;
  const char* name;
  const char* text;
  std::optional<const char*> shortcut;  // unset: none assigned at all
};

const std::vector<ItemRow> kFileMenu = {
    {nullptr, ItemKind::Menu, "FileMenu", "&File", ""},
    {"FileMenu", ItemKind::About, "About", "About Kestrane", ""},
    {"FileMenu", ItemKind::Quit, "FileQuit", "&Quit", "Cmd+Q"},
};

const std::vector<ItemRow> kEditMenu = {
    {nullptr, ItemKind::Menu, "EditMenu", "&Edit", ""},
    {"EditMenu", ItemKind::Menu, "EditUndo", "&Undo", "Cmd+Z"},
    {"EditMenu", ItemKind::Menu, "EditSeparator1", "-", std::nullopt},
    {"EditMenu", ItemKind::Menu, "EditCut", "Cu&t", "Cmd+X"},
    {"EditMenu", ItemKind::Menu, "EditCopy", "&Copy", "Cmd+C"},
    {"EditMenu", ItemKind::Menu, "EditPaste", "&Paste", "Cmd+V"},
    {"EditMenu", ItemKind::Menu, "EditClear", "&Delete", ""},
    {"EditMenu", ItemKind::Menu, "EditSeparator2", "-", std::nullopt},
    {"EditMenu", ItemKind::Menu, "EditSelectAll", "Select &All", "Cmd+A"},
};

std::unique_ptr<toolkit::MenuItem> NewItem(ItemKind kind) {
  switch (kind) {
    case ItemKind::Menu: return std::make_unique<toolkit::MenuItem>();
    case ItemKind::About: return std::make_unique<toolkit::AppleMenuItem>();
    case ItemKind::Quit: return std::make_unique<toolkit::QuitMenuItem>();
  }
  return nullptr;
}

void Build(toolkit::MenuBar& bar, const std::vector<ItemRow>& rows) {
  for (const ItemRow& row : rows) {
    std::unique_ptr<toolkit::MenuItem> item = NewItem(row.kind);
    item->SetName(row.name);
    item->SetAutoEnable(true);
    item->SetText(row.text);
    if (row.shortcut) item->SetKeyboardShortcut(*row.shortcut);
    toolkit::MenuItem* parent = row.menu == nullptr ? &bar : bar.Child(row.menu);
    parent->Append(std::move(item));
  }
}

}  // namespace

std::unique_ptr<MainMenuBar> MainMenuBar::_implicitInstance;

MainMenuBar& MainMenuBar::Instance() {
  if (!_implicitInstance) _implicitInstance = std::make_unique<MainMenuBar>();
  return *_implicitInstance;
}

void MainMenuBar::Release() {
  std::unique_ptr<MainMenuBar> released = std::move(_implicitInstance);
  released.reset();
}

MainMenuBar::MainMenuBar() {
  Untitled0();
  Untitled1();
}

void MainMenuBar::Untitled0() { Build(*this, kFileMenu); }

void MainMenuBar::Untitled1() { Build(*this, kEditMenu); }
