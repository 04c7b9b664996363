// The application's one menu bar serves every window: its shortcuts work
// wherever the user is, its About item shows the About window whichever
// window is active, and its Edit items act on the focused text control of
// the active window. Enabling the items answers at once: it never waits for
// the program that owns the clipboard.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "FakeClipboard.h"
#include "Gui.h"
#include "StartedApp.h"
#include "toolkit/Native.h"
#include "windows/AboutWindow.h"
#include "windows/EditWindow.h"
#include "windows/HelpWindow.h"
#include "windows/MainWindow.h"

namespace {

using testsupport::Click;
using testsupport::ProcessEvents;

class MenuBarTest : public StartedAppTest {
 protected:
  // The item of the menu bar that the main window shows.
  static QAction& Item(const char* name) {
    auto* action = toolkit::NativeWindow(Main())->findChild<QAction*>(name);
    if (action == nullptr) throw std::logic_error(std::string("no menu item ") + name);
    return *action;
  }
  // Enables the Edit menu's items as opening the menu does.
  static void OpenEditMenu() {
    auto* menu = toolkit::NativeWindow(Main())->findChild<QMenu*>("EditMenu");
    if (menu == nullptr) throw std::logic_error("no Edit menu");
    emit menu->aboutToShow();
  }
  static EditWindow& OpenEditor() {
    Click(Main().EditButton());
    ProcessEvents();
    return EditWindow::Instance();
  }
  static QLineEdit& NativeField(const EditWindow& editor, int index) {
    return *qobject_cast<QLineEdit*>(toolkit::NativeWidget(editor.Field(index)));
  }
};

struct WindowCase {
  const char* name;
  std::function<toolkit::Window&()> open;  // opens the window, which becomes the active one
};

void PrintTo(const WindowCase& row, std::ostream* out) { *out << row.name; }

class QuitShortcutTest : public MenuBarTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(QuitShortcutTest, CtrlQQuitsWithStatus0) {
  toolkit::Window& window = GetParam().open();
  ProcessEvents();
  ASSERT_TRUE(window.IsActive());
  const int status = RunEventLoopWith([&window] {
    QWidget* frame = toolkit::NativeWindow(window);
    QWidget* focus = frame->focusWidget();
    QTest::keyClick(focus != nullptr ? focus : frame, Qt::Key_Q, Qt::ControlModifier);
  });
  EXPECT_EQ(status, 0);
}

INSTANTIATE_TEST_SUITE_P(Windows, QuitShortcutTest,
                         ::testing::Values(WindowCase{"Main",
                                                      []() -> toolkit::Window& { return MainWindow::Instance(); }},
                                           WindowCase{"Editor",
                                                      []() -> toolkit::Window& {
                                                        Click(MainWindow::Instance().EditButton());
                                                        return EditWindow::Instance();
                                                      }},
                                           WindowCase{"Help",
                                                      []() -> toolkit::Window& {
                                                        Click(MainWindow::Instance().HelpButton());
                                                        return HelpWindow::Instance();
                                                      }},
                                           WindowCase{"About",
                                                      []() -> toolkit::Window& {
                                                        MainWindow::Instance().About_Action();
                                                        return AboutWindow::Instance();
                                                      }}),
                         [](const ::testing::TestParamInfo<WindowCase>& row) { return std::string(row.param.name); });

TEST_F(MenuBarTest, AboutShowsTheAboutWindowWhileTheEditorIsActive) {
  const EditWindow& editor = OpenEditor();
  ASSERT_TRUE(editor.IsActive());
  EXPECT_TRUE(Item("About").isEnabled());
  Item("About").trigger();
  const auto* about = OpenWindow<AboutWindow>();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->Visible());
}

TEST_F(MenuBarTest, EditItemsActOnTheFocusedFieldOfTheActiveWindow) {
  EditWindow& editor = OpenEditor();
  ASSERT_TRUE(editor.IsActive());
  editor.Field(0).SetText("Gene1 a/b");
  editor.Field(0).SetFocus();
  NativeField(editor, 0).deselect();
  const auto enabled = [] {
    OpenEditMenu();
    std::string items;
    for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"}) {
      if (Item(name).isEnabled()) items += std::string(items.empty() ? "" : " ") + name;
    }
    return items;
  };
  testsupport::SetClipboardText("Gene2 c/d");
  EXPECT_EQ(enabled(), "EditPaste EditSelectAll");

  Item("EditSelectAll").trigger();
  EXPECT_EQ(NativeField(editor, 0).selectedText().toStdString(), "Gene1 a/b");
  EXPECT_EQ(enabled(), "EditCut EditCopy EditPaste EditClear EditSelectAll");
  Item("EditCopy").trigger();
  EXPECT_EQ(testsupport::ClipboardText(), "Gene1 a/b");

  editor.Field(4).SetFocus();
  Item("EditPaste").trigger();
  EXPECT_EQ(editor.Field(4).Text(), "Gene1 a/b");
  EXPECT_EQ(enabled(), "EditUndo EditPaste EditSelectAll");
  Item("EditUndo").trigger();
  EXPECT_EQ(editor.Field(4).Text(), "");

  // A control that is not a text control can do none of them.
  editor.OK_Button().SetFocus();
  EXPECT_EQ(enabled(), "");
}

// A clipboard owner that never answers makes every question wait for Qt's
// time-out (seconds): moving the focus, showing windows and opening the Edit
// menu ask it nothing; a paste asks once.
TEST_F(MenuBarTest, MovingAroundNeverAsksTheClipboardsOwnerAndAPasteAsksOnce) {
  const auto questions = testsupport::PutClipboardOwner(testsupport::ClipboardOwner::Silent);
  EditWindow& editor = OpenEditor();
  editor.Field(0).SetText("keep me");
  editor.Field(0).SetFocus();
  for (int tab = 0; tab < 10; ++tab) testsupport::PressKey(editor, Qt::Key_Tab);
  OpenEditMenu();
  Click(Main().HelpButton());
  Main().About_Action();
  ProcessEvents();
  EXPECT_EQ(questions->formats, 0);
  EXPECT_EQ(questions->data, 0);

  editor.Show();
  ProcessEvents();
  editor.Field(0).SetFocus();
  NativeField(editor, 0).selectAll();
  QTest::keyClick(&NativeField(editor, 0), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(questions->formats, 1);
  EXPECT_EQ(editor.Field(0).Text(), "keep me");
}

}  // namespace
