#include "toolkit/PopupMenu.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QStandardItemModel>

#include "toolkit/Accessible.h"
#include "toolkit/Dispatch.h"
#include "toolkit/QtText.h"
#include "toolkit/ShortenedText.h"
#include "toolkit/Text.h"

namespace toolkit {
namespace {

// A row shows the display text and keeps the whole text, which it hands
// assistive technology: a row's accessible text is read before its display
// text.
class Row : public QStandardItem {
 public:
  explicit Row(std::string whole) : QStandardItem(BoundedText(whole).text), whole_(std::move(whole)) {}

  const std::string& Whole() const { return whole_; }

  QVariant data(int role) const override {
    return role == Qt::AccessibleTextRole ? QVariant(ToQt(whole_)) : QStandardItem::data(role);
  }

 private:
  std::string whole_;
};

class WholeTextCombo : public QComboBox {};

QStandardItemModel& ModelOf(const QComboBox& combo) { return *qobject_cast<QStandardItemModel*>(combo.model()); }

const std::string& WholeText(const QComboBox& combo, int row) {
  static const std::string kNoRow;
  const auto* item = static_cast<const Row*>(ModelOf(combo).item(row));
  return item != nullptr ? item->Whole() : kNoRow;
}

// What a screen reader says for the popup's value is its selected row's whole
// text; Qt's own would read the shortened display text. It calls the popup by
// its accessible name, or without one by that text, as Qt's own popups are
// called on Linux. The popup's list is its one child, as in Qt's own.
//
// The value is also the popup's read-only text, without caret or selection:
// Orca reads a popup's value from its text or from the row its list reports
// selected, and Qt 6.4's list reports none.
class PopupAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit PopupAccessible(WholeTextCombo* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text kind) const override {
    const bool named = !widget()->accessibleName().isEmpty();
    if (kind == QAccessible::Value || (kind == QAccessible::Name && !named)) {
      const QString whole = Value();
      if (!whole.isEmpty()) return whole;
    }
    return QAccessibleWidget::text(kind);
  }
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(Combo().view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && child->object() == Combo().view() ? 0 : -1;
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = Combo().view()->isVisible();
    return state;
  }
  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& action) override {
    if (action != showMenuAction() && action != pressAction()) return QAccessibleWidget::doAction(action);
    if (Combo().view()->isVisible()) {
      Combo().hidePopup();
    } else {
      Combo().showPopup();
    }
  }

  QString text(int start, int end) const override { return Value().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Value().size()); }
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int /*position*/) override {}
  void selection(int /*index*/, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int /*start*/, int /*end*/) override {}
  void removeSelection(int /*index*/) override {}
  void setSelection(int /*index*/, int /*start*/, int /*end*/) override {}
  QRect characterRect(int /*offset*/) const override { return {}; }
  int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
  void scrollToSubstring(int /*start*/, int /*end*/) override {}
  QString attributes(int /*offset*/, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  QComboBox& Combo() const { return static_cast<QComboBox&>(*widget()); }
  QString Value() const { return ToQt(WholeText(Combo(), Combo().currentIndex())); }
};

QComboBox* NewCombo() {
  ProvideAccessible<WholeTextCombo, PopupAccessible>();
  return new WholeTextCombo;
}

}  // namespace

PopupMenu::PopupMenu(std::int32_t index) : PopupMenu(NewCombo(), index) {}

PopupMenu::PopupMenu(QComboBox* combo, std::int32_t index) : Control(combo, index), combo_(combo) {
  QObject::connect(combo_, &QComboBox::currentIndexChanged, combo_, Guarded([this] { Raise(ControlEvent::Change); }));
}

void PopupMenu::DeleteAllRows() { combo_->clear(); }

// The row goes in with both its texts at once: adding the first row selects
// it, and the Change handler may read it.
void PopupMenu::AddRow(std::string text) { ModelOf(*combo_).appendRow(new Row(std::move(text))); }

void PopupMenu::AddRows(std::vector<std::string> texts) {
  for (std::string& text : texts) AddRow(std::move(text));
}

std::int32_t PopupMenu::RowCount() const { return static_cast<std::int32_t>(combo_->count()); }

const std::string& PopupMenu::RowText(std::int32_t row) const { return WholeText(*combo_, row); }

std::int32_t PopupMenu::ListIndex() const { return static_cast<std::int32_t>(combo_->currentIndex()); }

void PopupMenu::SetListIndex(std::int32_t row) { combo_->setCurrentIndex(row); }

const std::string& PopupMenu::Text() const { return RowText(ListIndex()); }

void PopupMenu::SetProperties(const ControlSpec& spec) {
  Control::SetProperties(spec);
  // The initial rows, one per line.
  AddRows(Split(ReplaceLineEndings(spec.text, "\r"), "\r"));
  SetListIndex(0);
}

}  // namespace toolkit
