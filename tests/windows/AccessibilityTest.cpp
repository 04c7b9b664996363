// What a screen reader finds in the windows: a name for every control, the
// allele popups called by their genes, the result list described by its count,
// the count announced on every Cross, and a message box's text announced with
// the box.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QMetaEnum>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <string>
#include <utility>

#include "Gui.h"
#include "MessageBoxes.h"
#include "StartedApp.h"
#include "toolkit/MsgBox.h"
#include "toolkit/Native.h"
#include "windows/AboutWindow.h"
#include "windows/EditWindow.h"
#include "windows/HelpWindow.h"

namespace {

using testsupport::Click;

QAccessibleInterface& Accessible(const toolkit::Control& control) {
  return *QAccessible::queryAccessibleInterface(toolkit::NativeWidget(control));
}

std::string Read(const QAccessibleInterface& accessible, QAccessible::Text kind) {
  return accessible.text(kind).toStdString();
}

// Each control of the window as a screen reader meets it, one per line in the
// order they were made: its role and its name.
std::string Controls(const toolkit::Window& window) {
  const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
  std::string out;
  for (QWidget* widget : toolkit::NativeContent(window)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    out += std::string(roles.valueToKey(accessible->role())) + ": " + Read(*accessible, QAccessible::Name) + "\n";
  }
  return out;
}

// Each popup's name and value, and its value read as its text.
std::string Popups(const MainWindow& main) {
  std::string out;
  for (int i = 0; i < 4; ++i) {
    QAccessibleInterface& popup = Accessible(main.wtPopup(i));
    QAccessibleTextInterface* text = popup.textInterface();
    out += Read(popup, QAccessible::Name) + " = [" + Read(popup, QAccessible::Value) + "] text [" +
           text->text(0, text->characterCount()).toStdString() + "]\n";
  }
  return out;
}

class AccessibilityTest : public StartedAppTest {
 protected:
  static void Paste(const std::string& text) {
    testsupport::SetClipboardText(text);
    Click(Main().PasteButton());
  }
};

TEST_F(AccessibilityTest, EveryControlHasAName) {
  EXPECT_EQ(Controls(Main()), R"(EditableText: Parents
Button: Paste
Button: Edit
StaticText: Parents
StaticText: Allele to show on left side
StaticText: Pups
Button: Quit
Button: Help
Button: Cross
ComboBox: Gene 1
ComboBox: Gene 2
ComboBox: Gene 3
ComboBox: Gene 4
Button: Options
Notification: n unique genotypes
Tree: Pups
)");
  EXPECT_EQ(Controls(EditWindow::Instance()), R"(EditableText: Parent 1, gene 1
EditableText: Parent 1, gene 2
EditableText: Parent 1, gene 3
EditableText: Parent 1, gene 4
StaticText: Parent 1
StaticText: Gene1 a/b
StaticText: Gene2 c/d
StaticText: Gene3 e/f
StaticText: Gene4 g/h
EditableText: Parent 2, gene 1
EditableText: Parent 2, gene 2
EditableText: Parent 2, gene 3
EditableText: Parent 2, gene 4
StaticText: Parent 2
StaticText: Enter one space between gene and alleles, and one slash between alleles.
Button: OK
Button: Cancel
StaticText: Multiple characters in alleles are allowed.
)");
  EXPECT_EQ(Controls(HelpWindow::Instance()), "EditableText: Help\nButton: OK\n");
  EXPECT_EQ(Controls(AboutWindow::Instance()),
            "StaticText: Kestrane\nStaticText: version 0.4.1\nButton: OK\nStaticText: kestrane.example.org\n");
}

// A popup is called by the gene it chooses an allele for, once it has one;
// its value is the allele chosen.
TEST_F(AccessibilityTest, PopupsAreCalledByTheirGenes) {
  EXPECT_EQ(Popups(Main()), "Gene 1 = [] text []\nGene 2 = [] text []\nGene 3 = [] text []\nGene 4 = [] text []\n");

  Paste("Tyr c/ch\tKit W/w\rTyr c/c\tKit w/w");
  testsupport::ChooseRow(Main().wtPopup(1), 1);
  EXPECT_EQ(Popups(Main()), "Tyr = [ c] text [ c]\nKit = [ W] text [ W]\nGene 3 = [] text []\nGene 4 = [] text []\n");

  // A text that no longer parses leaves no popup called by an old gene.
  testsupport::AnswerMessageBoxes([] { Paste("Tyr c/ch\rTyr c"); });
  EXPECT_EQ(Popups(Main()), "Gene 1 = [] text []\nGene 2 = [] text []\nGene 3 = [] text []\nGene 4 = [] text []\n");
}

// Counts the times a widget is shown.
class ShowCounter : public QObject {
 public:
  explicit ShowCounter(const toolkit::Control& control) { toolkit::NativeWidget(control)->installEventFilter(this); }

  // The shows since the last call.
  int Shows() { return std::exchange(shows_, 0); }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Show) ++shows_;
    return false;
  }

 private:
  int shows_ = 0;
};

// Every Cross announces the count: screen readers speak a notification as it
// is shown, and the count is shown anew by the second Cross too, although it
// stays the same. The list is described by the count while it shows its
// result.
TEST_F(AccessibilityTest, CrossAnnouncesTheCountAndTheListIsDescribedByIt) {
  const toolkit::Label& count = Main().PupCountLabel();
  ShowCounter counter(count);
  EXPECT_EQ(Accessible(count).role(), QAccessible::Notification);

  Paste("Gene1 w/flox\tGene2 a/b\rGene1 w/w\tGene2 a/b");
  EXPECT_EQ(counter.Shows(), 0);
  EXPECT_EQ(Read(Accessible(Main().PupsListBox()), QAccessible::Description), "");

  Click(Main().CrossButton());
  EXPECT_EQ(counter.Shows(), 1);
  EXPECT_EQ(Read(Accessible(count), QAccessible::Name), "6 possible genotypes");
  EXPECT_EQ(Read(Accessible(Main().PupsListBox()), QAccessible::Description), "6 possible genotypes");

  Click(Main().CrossButton());
  EXPECT_EQ(counter.Shows(), 1);

  testsupport::ChooseRow(Main().wtPopup(0), 1);
  EXPECT_EQ(counter.Shows(), 0);
  EXPECT_EQ(Read(Accessible(Main().PupsListBox()), QAccessible::Description), "");
}

// The box is an alert described by its text, which screen readers speak with
// the alert as it appears; the text view alone is read only when visited.
TEST_F(AccessibilityTest, AMessageBoxIsDescribedByItsText) {
  std::string role;
  std::string description;
  QTimer reader;
  reader.setInterval(5);
  QObject::connect(&reader, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (box == nullptr || box->objectName() != toolkit::kMsgBoxObjectName || !box->isVisible()) return;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    role = QMetaEnum::fromType<QAccessible::Role>().valueToKey(accessible->role());
    description = Read(*accessible, QAccessible::Description);
    box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  reader.start();
  Paste("Gene1 a/b");
  reader.stop();
  EXPECT_EQ(role, "AlertMessage");
  EXPECT_EQ(description, "Error\nEach parent should be on a separate line");
}

}  // namespace
