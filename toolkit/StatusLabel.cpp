#include "toolkit/StatusLabel.h"

#include <QAccessibleWidget>
#include <QLabel>

#include "toolkit/Accessible.h"

namespace toolkit {
namespace {

class StatusQLabel : public QLabel {};

// Assistive technology sees the label as a notification, which screen readers
// such as Orca speak as it appears; a label's own changes they leave unread
// unless it has the focus, which a label never takes. It is called by its
// text unless it has a name of its own.
class StatusAccessible : public QAccessibleWidget {
 public:
  explicit StatusAccessible(StatusQLabel* label) : QAccessibleWidget(label, QAccessible::Notification) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return static_cast<QLabel*>(widget())->text();
    }
    return QAccessibleWidget::text(kind);
  }
};

QLabel* NewStatusQLabel() {
  ProvideAccessible<StatusQLabel, StatusAccessible>();
  return new StatusQLabel;
}

}  // namespace

StatusLabel::StatusLabel(std::int32_t index) : StatusLabel(NewStatusQLabel(), index) {}

StatusLabel::StatusLabel(QLabel* label, std::int32_t index) : Label(label, index), label_(label) {}

// A label on screen already is shown anew with its new text, also when the
// text is the same as before: the status has been given again.
void StatusLabel::SetText(const std::string& text) {
  Label::SetText(text);
  if (!label_->isVisible()) return;
  label_->hide();
  label_->show();
}

}  // namespace toolkit
