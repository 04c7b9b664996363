#include "toolkit/StatusLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace toolkit {
namespace {

class StatusQLabel : public QLabel {};

// Assistive technology sees the label as a notification, which screen readers
// such as Orca speak as it appears; a label's own changes they leave unread
// unless it has the focus, which a label never takes. It is called by its
// text unless it has a name of its own.
class StatusAccessible : public QAccessibleWidget {
 public:
  explicit StatusAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Notification) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return static_cast<QLabel*>(widget())->text();
    }
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* StatusAccessibleFor(const QString& key, QObject* object) {
  if (key != QLatin1String("QLabel")) return nullptr;
  auto* label = dynamic_cast<StatusQLabel*>(object);
  return label != nullptr ? new StatusAccessible(label) : nullptr;
}

// The factory goes in once the application exists: Qt asks the factories
// installed last first, and the application installs Qt's own on creation.
QLabel* NewStatusQLabel() {
  static const bool factoryInstalled = (QAccessible::installFactory(StatusAccessibleFor), true);
  (void)factoryInstalled;
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
