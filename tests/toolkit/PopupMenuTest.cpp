#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <string>
#include <vector>

#include "Gui.h"
#include "ProbeWindow.h"
#include "toolkit/Native.h"
#include "toolkit/PopupMenu.h"

namespace {

using namespace toolkit;

const std::string kEllipsis = "\xE2\x80\xA6";

class PopupMenuTest : public ProbeWindowTest {};

TEST_F(PopupMenuTest, RaisesChangeWheneverTheSelectionChanges) {
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

TEST_F(PopupMenuTest, ALongRowIsDrawnCutAndReadWhole) {
  ProbeWindow& window = ProbeWindow::Instance();
  auto& popup = window.ControlAs<PopupMenu>("Choice");
  const std::string allele(100000, 'a');
  popup.DeleteAllRows();
  window.chosen.clear();
  popup.AddRows({allele, "b"});

  // Adding the first row selected it: its Change handler read it whole.
  EXPECT_EQ(window.chosen, std::vector<std::string>{allele});
  EXPECT_EQ(popup.Text(), allele);
  EXPECT_EQ(popup.RowText(0), allele);
  EXPECT_EQ(popup.RowText(1), "b");

  auto* combo = qobject_cast<QComboBox*>(NativeWidget(popup));
  EXPECT_EQ(combo->itemText(0).toStdString(), std::string(4000, 'a') + kEllipsis);
  EXPECT_EQ(combo->itemText(1).toStdString(), "b");
  EXPECT_EQ(testsupport::AccessibleText(popup), allele);
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(combo)->child(0);
  ASSERT_NE(list, nullptr);
  ASSERT_NE(list->child(0), nullptr);
  EXPECT_EQ(list->child(0)->text(QAccessible::Name).toStdString(), allele);
}

}  // namespace
