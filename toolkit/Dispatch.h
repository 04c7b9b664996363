#pragma once

// The toolkit's dispatch of every call that comes from Qt: the handlers of
// windows, controls and menu items, and the toolkit's own event filters,
// signal connections and queued calls. An exception that leaves any of them
// is reported as unhandled (a message box, then the application ends with a
// failure status) and never unwinds through Qt, whose code does not pass
// exceptions on. Qt's widget event functions that the toolkit overrides run
// their toolkit work through RunHandler too.

#include <QObject>
#include <functional>
#include <utility>

namespace toolkit {

void RunHandler(const std::function<void()>& handler);

// The same for a handler that answers (a MouseDown accepting the press, a
// menu handler saying it handled the item); false when it threw.
bool RunAnsweringHandler(const std::function<bool()>& handler);

// `callback` as a slot or a queued call for Qt to make, run by RunHandler.
inline auto Guarded(std::function<void()> callback) {
  return [callback = std::move(callback)] { RunHandler(callback); };
}

// The base of the toolkit's event filters. It watches `target`, which owns
// it; Filter runs by RunAnsweringHandler, so an event whose filter threw goes
// on to its target.
class EventFilter : public QObject {
 public:
  explicit EventFilter(QObject* target);

 protected:
  // Whether the event stops here.
  virtual bool Filter(QObject* watched, QEvent* event) = 0;

 private:
  bool eventFilter(QObject* watched, QEvent* event) final;
};

// The exit status of an application ended by an unhandled exception.
constexpr int kUnhandledExceptionStatus = 70;

}  // namespace toolkit
