#include "toolkit/NativeMenus.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "toolkit/Application.h"
#include "toolkit/Dispatch.h"
#include "toolkit/EditCommands.h"
#include "toolkit/Menu.h"
#include "toolkit/QtText.h"
#include "toolkit/Text.h"
#include "toolkit/Window.h"

namespace toolkit {
namespace {

bool IsQuit(const MenuItem& item) { return dynamic_cast<const QuitMenuItem*>(&item) != nullptr; }

// Whether choosing the item would do something now.
bool CanChoose(const MenuItem& item, const Window& window) {
  if (!item.AutoEnable() || IsQuit(item)) return true;
  EditCommand command;
  if (EditCommandNamed(item.Name(), command)) return CanPerform(command, QApplication::focusWidget());
  return window.HasMenuHandler(item.Name());
}

void Choose(const MenuItem& item, Window& window) {
  if (IsQuit(item)) {
    Application::Current().Quit(0);
    return;
  }
  EditCommand command;
  if (EditCommandNamed(item.Name(), command)) {
    Perform(command, QApplication::focusWidget());
    return;
  }
  window.HandleMenuItem(item.Name());
}

QKeySequence ShortcutOf(const MenuItem& item) {
  if (!item.KeyboardShortcut()) return {};
  // "Cmd" is the platform's command key, which Qt spells "Ctrl" everywhere.
  return QKeySequence(ToQt(ReplaceAll(*item.KeyboardShortcut(), "Cmd", "Ctrl")), QKeySequence::PortableText);
}

QAction* AddItem(QMenu& menu, const MenuItem& item, Window& window, Qt::ShortcutContext context) {
  QAction* action = item.IsSeparator() ? menu.addSeparator() : menu.addAction(ToQt(item.Text()));
  action->setObjectName(ToQt(item.Name()));
  if (item.IsSeparator()) return action;
  action->setShortcut(ShortcutOf(item));
  action->setShortcutContext(context);
  if (IsQuit(item))
    action->setMenuRole(QAction::QuitRole);
  else if (dynamic_cast<const AppleMenuItem*>(&item) != nullptr)
    action->setMenuRole(QAction::AboutRole);
  else
    action->setMenuRole(QAction::NoRole);
  QObject::connect(action, &QAction::triggered, action, Guarded([&item, &window] { Choose(item, window); }));
  return action;
}

// Enables each item of the menu whose choice would do something now; the
// actions carry their items' names.
void UpdateEnabled(QMenu& menu, const MenuBar& model, const Window& window) {
  for (QAction* action : menu.actions()) {
    if (!action->isSeparator()) action->setEnabled(CanChoose(model.Find(FromQt(action->objectName())), window));
  }
}

}  // namespace

QMenuBar* BuildNativeMenuBar(const MenuBar& model, Window& window, bool applicationMenuBar) {
  // Ctrl+Q quits from the editor too; a text control that takes a standard
  // edit key (Ctrl+C in a field) still handles it itself.
  const Qt::ShortcutContext context = applicationMenuBar ? Qt::ApplicationShortcut : Qt::WindowShortcut;
  auto* bar = new QMenuBar;
  for (std::size_t m = 0; m < model.Count(); ++m) {
    const MenuItem& menuItem = model.Item(m);
    QMenu* menu = bar->addMenu(ToQt(menuItem.Text()));
    menu->setObjectName(ToQt(menuItem.Name()));
    menu->menuAction()->setObjectName(ToQt(menuItem.Name()));

    for (std::size_t i = 0; i < menuItem.Count(); ++i) AddItem(*menu, menuItem.Item(i), window, context);
    const auto updateEnabled = Guarded([menu, &model, &window] { UpdateEnabled(*menu, model, window); });
    // Enabled afresh whenever the menu opens or the focus moves, so that the
    // shortcuts of commands that cannot act stay quiet.
    QObject::connect(menu, &QMenu::aboutToShow, menu, updateEnabled);
    QObject::connect(qApp, &QApplication::focusChanged, menu, updateEnabled);
    updateEnabled();
  }
  return bar;
}

void UpdateMenuEnabling(QMenuBar& bar, const MenuBar& model, const Window& window) {
  for (QMenu* menu : bar.findChildren<QMenu*>()) UpdateEnabled(*menu, model, window);
}

}  // namespace toolkit
