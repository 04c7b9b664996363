#pragma once

// How the toolkit's own widgets give assistive technology their own
// accessible interfaces. Internal to the toolkit.

#include <QAccessible>

namespace toolkit {

// From now on, Qt asks an `Interface`, built from the widget, for every
// widget whose C++ class is `Widget` or derives from it. The widget is known
// by its type, so Qt's own widgets of the same Qt class keep their interfaces.
template <class Widget, class Interface>
void ProvideAccessible() {
  static const bool installed = [] {
    QAccessible::installFactory([](const QString& /*className*/, QObject* object) -> QAccessibleInterface* {
      auto* widget = dynamic_cast<Widget*>(object);
      return widget != nullptr ? new Interface(widget) : nullptr;
    });
    return true;
  }();
  (void)installed;
}

}  // namespace toolkit
