#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <memory>
#include <string>
#include <vector>

#include "Gui.h"
#include "ProbeWindow.h"
#include "toolkit/Menu.h"
#include "toolkit/Native.h"

namespace {

using namespace toolkit;

class MenuTest : public ProbeWindowTest {};

TEST_F(MenuTest, MenuItemsRunTheWindowsHandlerOrTheirOwnCommand) {
  MenuBar bar;
  auto menu = std::make_unique<MenuItem>();
  menu->SetName("Menu");
  menu->SetText("&Menu");
  for (const char* name : {"Probe", "EditSelectAll", "Unhandled"}) {
    auto item = std::make_unique<MenuItem>();
    item->SetName(name);
    item->SetText(name);
    item->SetAutoEnable(true);
    menu->Append(std::move(item));
  }
  bar.Append(std::move(menu));

  ProbeWindow& window = ProbeWindow::Instance();
  window.SetMenuBar(&bar);
  auto& field = window.ControlAs<TextField>("Field", 0);
  field.SetText("select me");
  field.SetFocus();
  ASSERT_TRUE(testsupport::Activate(window));

  auto* native = NativeWindow(window)->findChild<QMenu*>("Menu");
  ASSERT_NE(native, nullptr);
  emit native->aboutToShow();
  const auto actions = native->actions();
  EXPECT_TRUE(actions[0]->isEnabled());
  EXPECT_TRUE(actions[1]->isEnabled());
  EXPECT_FALSE(actions[2]->isEnabled());  // no handler: nothing to do
  window.log.clear();
  actions[0]->trigger();
  actions[1]->trigger();
  EXPECT_EQ(window.log, std::vector<std::string>{"menu Probe"});
  EXPECT_EQ(qobject_cast<QLineEdit*>(NativeWidget(field))->selectedText(), "select me");
  window.SetMenuBar(nullptr);
}

}  // namespace
