#include "toolkit/PopupMenu.h"

#include <QComboBox>

#include "toolkit/QtText.h"
#include "toolkit/Text.h"

namespace toolkit {

PopupMenu::PopupMenu(std::int32_t index) : PopupMenu(new QComboBox, index) {}

PopupMenu::PopupMenu(QComboBox* combo, std::int32_t index) : Control(combo, index), combo_(combo) {
  QObject::connect(combo_, &QComboBox::currentIndexChanged, combo_, [this] { Raise(ControlEvent::Change); });
}

void PopupMenu::DeleteAllRows() { combo_->clear(); }

void PopupMenu::AddRow(const std::string& text) { combo_->addItem(ToQt(text)); }

void PopupMenu::AddRows(const std::vector<std::string>& texts) {
  for (const std::string& text : texts) AddRow(text);
}

std::int32_t PopupMenu::RowCount() const { return static_cast<std::int32_t>(combo_->count()); }

std::string PopupMenu::RowText(std::int32_t row) const { return FromQt(combo_->itemText(row)); }

std::int32_t PopupMenu::ListIndex() const { return static_cast<std::int32_t>(combo_->currentIndex()); }

void PopupMenu::SetListIndex(std::int32_t row) { combo_->setCurrentIndex(row); }

std::string PopupMenu::Text() const { return FromQt(combo_->currentText()); }

void PopupMenu::SetProperties(const ControlSpec& spec) {
  Control::SetProperties(spec);
  // The initial rows, one per line.
  AddRows(Split(ReplaceLineEndings(spec.text, "\r"), "\r"));
  SetListIndex(0);
}

}  // namespace toolkit
