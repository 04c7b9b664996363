#include "toolkit/Window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Gui.h"
#include "MessageBoxes.h"
#include "toolkit/Application.h"
#include "toolkit/Dispatch.h"
#include "toolkit/Label.h"
#include "toolkit/Listbox.h"
#include "toolkit/Menu.h"
#include "toolkit/Native.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/PushButton.h"
#include "toolkit/TextArea.h"
#include "toolkit/TextField.h"

namespace {

using namespace toolkit;
using testsupport::Click;

// A window that records the events it receives.
class ProbeWindow : public Window {
 public:
  static constexpr const char* kClassName = "ProbeWindow.ProbeWindow";
  static ProbeWindow& Instance() { return ImplicitInstance<ProbeWindow>(); }

  std::vector<std::string> log;
  bool acceptBackgroundPress = true;

  void Layout() override {
    log.push_back("Layout");
    SetProperties({.width = 300, .height = 200, .minWidth = 200, .minHeight = 150, .title = "Probe"});
  }
  void CreateControls() override {
    log.push_back("CreateControls");
    for (const ControlSpec& spec : Controls()) CreateControl(spec);
  }
  void AddMenuHandlers() override {
    log.push_back("AddMenuHandlers");
    AddMenuHandler("Probe", [this] {
      log.push_back("menu Probe");
      return true;
    });
  }
  void Event_Open() override { log.push_back("Open"); }
  void Event_Activate() override { log.push_back("Activate"); }
  void Event_Close() override { log.push_back("Close"); }
  bool Event_MouseDown(std::int32_t, std::int32_t) override {
    log.push_back("window down");
    return acceptBackgroundPress;
  }
  void Event_MouseUp(std::int32_t, std::int32_t) override { log.push_back("window up"); }

  void OK_Action(PushButton&) { log.push_back("OK"); }
  void Cancel_Action(PushButton&) { log.push_back("Cancel"); }
  void Boom_Action(PushButton&) { ControlByName("Missing"); }
  void Field_Open(TextField& field) { log.push_back("Field open " + std::to_string(field.Index())); }
  bool Link_MouseDown(Label&, std::int32_t, std::int32_t) {
    log.push_back("link down");
    return true;
  }
  void Link_MouseUp(Label&, std::int32_t, std::int32_t) { log.push_back("link up"); }
  void Choice_Change(PopupMenu& popup) { log.push_back("change " + std::to_string(popup.ListIndex())); }

  PushButton& OK() const { return ControlAs<PushButton>("OK"); }

 private:
  static const std::vector<ControlSpec>& Controls() {
    static const std::vector<ControlSpec> controls = {
        {.create = Make<TextField>, .name = "Field", .index = 1, .bounds = {10, 10, 100, 22}, .tabIndex = 1,
         .events = {OnOpen(&ProbeWindow::Field_Open)}},
        {.create = Make<TextField>, .name = "Field", .index = 0, .bounds = {120, 10, 100, 22}, .tabIndex = 0,
         .events = {OnOpen(&ProbeWindow::Field_Open)}},
        {.create = Make<PushButton>, .name = "OK", .bounds = {210, 170, 80, 20}, .lock = {false, false, true, true},
         .tabIndex = 2, .text = "OK", .isDefault = true, .events = {OnAction(&ProbeWindow::OK_Action)}},
        {.create = Make<PushButton>, .name = "Cancel", .bounds = {120, 170, 80, 20}, .lock = {true, false, false, true},
         .tabIndex = 3, .text = "Cancel", .isCancel = true, .events = {OnAction(&ProbeWindow::Cancel_Action)}},
        {.create = Make<PushButton>, .name = "Boom", .bounds = {10, 170, 80, 20}, .tabIndex = 4, .text = "Boom",
         .events = {OnAction(&ProbeWindow::Boom_Action)}},
        {.create = Make<Label>, .name = "Link", .bounds = {10, 40, 100, 20}, .text = "link",
         .events = {OnMouseDown(&ProbeWindow::Link_MouseDown), OnMouseUp(&ProbeWindow::Link_MouseUp)}},
        {.create = Make<Label>, .name = "Plain", .bounds = {10, 70, 100, 20}, .text = "plain"},
        {.create = Make<TextArea>, .name = "Area", .bounds = {120, 40, 170, 100}, .lock = {true, true, true, true},
         .tabIndex = 5, .multiline = true},
        {.create = Make<PopupMenu>, .name = "Choice", .bounds = {10, 100, 100, 20}, .tabIndex = 6, .text = "a\rb",
         .events = {OnChange(&ProbeWindow::Choice_Change)}},
        {.create = Make<Listbox>, .name = "List", .bounds = {10, 130, 100, 30}, .lock = {true, true, true, false},
         .tabIndex = 7},
    };
    return controls;
  }
};

class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override { testsupport::ProcessEvents(); }
  Application app_{"Probe"};
};

TEST_F(WindowTest, ConstructionRaisesItsEventsInOrder) {
  ProbeWindow& window = ProbeWindow::Instance();
  EXPECT_EQ(window.log, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Field open 1",
                                                  "Field open 0", "Open", "Activate"}));
  EXPECT_TRUE(window.Visible());
  EXPECT_EQ(window.Title(), "Probe");
  EXPECT_EQ(window.Width(), 300);
  EXPECT_EQ(window.Height(), 200);
}

TEST_F(WindowTest, ImplicitInstanceIsTheOpenWindowHiddenOrNot) {
  ProbeWindow& first = ProbeWindow::Instance();
  EXPECT_EQ(&ProbeWindow::Instance(), &first);
  first.Hide();
  EXPECT_FALSE(first.Visible());
  EXPECT_EQ(&ProbeWindow::Instance(), &first);
  first.Show();
  EXPECT_EQ(first.log.back(), "Activate");

  first.Close();
  EXPECT_EQ(first.log.back(), "Close");
  EXPECT_EQ(app_.GetImplicitWindow(ProbeWindow::kClassName), nullptr);
  testsupport::ProcessEvents();
  ProbeWindow& second = ProbeWindow::Instance();
  EXPECT_EQ(second.log.front(), "Layout");
  EXPECT_EQ(app_.OpenWindows().size(), 1U);
}

TEST_F(WindowTest, ControlsAreFoundByNameAndIndex) {
  ProbeWindow& window = ProbeWindow::Instance();
  EXPECT_EQ(window.ControlByNameIndex("Field", 0).Bounds(), (Rect{120, 10, 100, 22}));
  EXPECT_EQ(window.ControlByNameIndex("Field", 1).Bounds(), (Rect{10, 10, 100, 22}));
  EXPECT_EQ(window.ControlByName("OK").Name(), "OK");
  EXPECT_THROW(window.ControlByName("Missing"), std::out_of_range);
  EXPECT_THROW(window.ControlByNameIndex("Field", 2), std::out_of_range);
  EXPECT_THROW(window.ControlAs<Label>("OK"), std::bad_cast);
}

TEST_F(WindowTest, ReturnAndEscapePressTheDefaultAndCancelButtons) {
  ProbeWindow& window = ProbeWindow::Instance();
  window.log.clear();
  window.ControlByNameIndex("Field", 0).SetFocus();
  testsupport::PressKey(window, Qt::Key_Return);
  testsupport::PressKeypadEnter(window);
  testsupport::PressKey(window, Qt::Key_Escape);
  // Held with another modifier, Return is some other command.
  testsupport::PressKey(window, Qt::Key_Return, Qt::ControlModifier);
  window.OK().SetEnabled(false);
  testsupport::PressKey(window, Qt::Key_Return);
  testsupport::PressKeypadEnter(window);
  EXPECT_EQ(window.log, (std::vector<std::string>{"OK", "OK", "Cancel"}));
}

// A table that gives the default button's role to a label is a fault that
// shows as the window is built, not when Return is first pressed.
class LabelAsDefaultWindow : public Window {
 public:
  static constexpr const char* kClassName = "LabelAsDefaultWindow.LabelAsDefaultWindow";
  void CreateControls() override {
    CreateControl({.create = Make<Label>, .name = "Label", .bounds = {10, 10, 100, 20}, .isDefault = true});
  }
};

TEST_F(WindowTest, OnlyAPushButtonCanBeTheDefaultButton) {
  EXPECT_THROW(ImplicitInstance<LabelAsDefaultWindow>(), std::logic_error);
}

TEST_F(WindowTest, TabMovesTheFocusInTabIndexOrder) {
  ProbeWindow& window = ProbeWindow::Instance();
  const std::vector<std::pair<std::string, const Control*>> controls = {
      {"Field 0", &window.ControlByNameIndex("Field", 0)}, {"Field 1", &window.ControlByNameIndex("Field", 1)},
      {"OK", &window.ControlByName("OK")},          {"Cancel", &window.ControlByName("Cancel")},
      {"Boom", &window.ControlByName("Boom")},      {"Area", &window.ControlByName("Area")},
      {"Choice", &window.ControlByName("Choice")},  {"List", &window.ControlByName("List")},
  };
  const auto focused = [&] {
    for (const auto& [name, control] : controls) {
      if (control->HasFocus()) return name;
    }
    return std::string("none");
  };
  window.ControlByNameIndex("Field", 0).SetFocus();
  for (const char* expected : {"Field 1", "OK", "Cancel", "Boom", "Area", "Choice", "List", "Field 0"}) {
    testsupport::PressKey(window, Qt::Key_Tab);
    EXPECT_EQ(focused(), expected);
  }
}

TEST_F(WindowTest, ControlsKeepTheirDistanceToTheEdgesTheyAreLockedTo) {
  ProbeWindow& window = ProbeWindow::Instance();
  testsupport::ResizeContent(window, 400, 260);
  EXPECT_EQ(window.ControlByName("OK").Bounds(), (Rect{310, 230, 80, 20}));      // right and bottom: moves
  EXPECT_EQ(window.ControlByName("Cancel").Bounds(), (Rect{120, 230, 80, 20}));  // left and bottom
  EXPECT_EQ(window.ControlByName("Area").Bounds(), (Rect{120, 40, 270, 160}));   // all four: grows
  EXPECT_EQ(window.ControlByName("Plain").Bounds(), (Rect{10, 70, 100, 20}));    // left and top: stays
  testsupport::ResizeContent(window, 10, 10);
  EXPECT_EQ(window.Width(), 200);
  EXPECT_EQ(window.Height(), 150);
}

TEST_F(WindowTest, AnExceptionLeavingAHandlerIsReportedAndEndsTheApplication) {
  ProbeWindow& window = ProbeWindow::Instance();
  const auto messages = testsupport::AnswerMessageBoxes([&] { Click(window.ControlByName("Boom")); });
  EXPECT_EQ(messages, std::vector<std::string>{"Unhandled exception\nwindow \"Probe\" has no control named Missing\n"
                                               "The application will now end."});
  EXPECT_TRUE(app_.QuitRequested());
  EXPECT_EQ(app_.ExitStatus(), kUnhandledExceptionStatus);
}

TEST_F(WindowTest, PressesOnAControlDoNotReachTheWindowBehind) {
  ProbeWindow& window = ProbeWindow::Instance();
  window.log.clear();
  Click(window.ControlByName("Link"));
  Click(window.ControlByName("Plain"));
  QTest::mouseClick(NativeContent(window), Qt::LeftButton, {}, QPoint(150, 155));
  window.acceptBackgroundPress = false;
  QTest::mouseClick(NativeContent(window), Qt::LeftButton, {}, QPoint(150, 155));
  EXPECT_EQ(window.log, (std::vector<std::string>{"link down", "link up", "window down", "window up", "window down"}));
}

TEST_F(WindowTest, PopupRaisesChangeWheneverTheSelectionChanges) {
  ProbeWindow& window = ProbeWindow::Instance();
  auto& choice = window.ControlAs<PopupMenu>("Choice");
  EXPECT_EQ(choice.RowCount(), 2);
  EXPECT_EQ(choice.Text(), "a");
  window.log.clear();
  testsupport::ChooseRow(choice, 1);
  choice.DeleteAllRows();
  EXPECT_EQ(choice.Text(), "");
  EXPECT_EQ(window.log, (std::vector<std::string>{"change 1", "change -1"}));
}

TEST_F(WindowTest, TextAreasGiveLineEndingsBackAsCarriageReturns) {
  ProbeWindow& window = ProbeWindow::Instance();
  auto& area = window.ControlAs<TextArea>("Area");
  const std::string odd = "a\xC2\xA0" "b\xE2\x80\xA8" "c\xE2\x80\xA9" "d";  // no-break space, U+2028, U+2029
  area.SetText("1\r\n2\n3\r" + odd);
  EXPECT_EQ(area.Text(), "1\r2\r3\r" + odd);

  // What the user types into an editable area reads back the same way.
  area.SetText("");
  testsupport::Type(area, "ab");
  testsupport::PressKey(area, Qt::Key_Return);
  testsupport::Type(area, "c");
  EXPECT_EQ(area.Text(), "ab\rc");
}

// Whoever puts a tab or a line break into a field, it shows and gives back a
// blank; a run of them is one blank, and the cursor stays after what was put
// in.
TEST_F(WindowTest, FieldsHoldOneLine) {
  auto& field = ProbeWindow::Instance().ControlAs<TextField>("Field", 0);
  QLineEdit* edit = qobject_cast<QLineEdit*>(NativeWidget(field));
  struct Case {
    const char* name;
    std::function<void()> enter;
    std::string text;
  };
  const Case cases[] = {
      {"set by the program", [&] { field.SetText("x\r\ny\tz\n"); }, "x y z "},
      {"pasted with the paste key",
       [&] {
         field.SetText("[]");
         edit->setCursorPosition(1);
         testsupport::SetClipboardText("a\t\tb\r\n\r\nc");
         QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
         testsupport::Type(field, "d");
       },
       "[a b cd]"},
      {"inserted where the cursor stands",
       [&] {
         field.SetText("ab");
         edit->setCursorPosition(1);
         edit->insert("\n\t");
         testsupport::Type(field, "c");
       },
       "a cb"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.enter();
    EXPECT_EQ(field.Text(), c.text);
    EXPECT_EQ(edit->text().toStdString(), c.text);
  }
}

// A paste reads the clipboard once; when that gives no text, the field keeps
// its text and its selection, where Qt's own paste would delete the selection.
TEST_F(WindowTest, APasteThatFindsNoTextChangesNothing) {
  auto& field = ProbeWindow::Instance().ControlAs<TextField>("Field", 0);
  QLineEdit* edit = qobject_cast<QLineEdit*>(NativeWidget(field));
  field.SetText("keep me");
  edit->selectAll();
  testsupport::ClearClipboard();
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field.Text(), "keep me");
  EXPECT_EQ(edit->selectedText().toStdString(), "keep me");
}

TEST_F(WindowTest, FieldsHoldTextsOfAnyLength) {
  auto& field = ProbeWindow::Instance().ControlAs<TextField>("Field", 0);
  const std::string longText(100000, 'x');
  field.SetText(longText);
  testsupport::Type(field, "y");
  EXPECT_EQ(field.Text(), longText + "y");
}

TEST_F(WindowTest, MenuItemsRunTheWindowsHandlerOrTheirOwnCommand) {
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
  QApplication::setActiveWindow(NativeWindow(window));
  testsupport::ProcessEvents();

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
