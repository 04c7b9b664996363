#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Gui.h"
#include "MessageBoxes.h"
#include "toolkit/Application.h"
#include "toolkit/Dispatch.h"

namespace {

using namespace toolkit;

// The toolkit's own reactions to Qt's events and signals are dispatched like
// the program's handlers: an exception leaving one is reported and ends the
// application, and never unwinds through Qt back to whoever sent the event.
TEST(DispatchTest, AnExceptionLeavingAToolkitCallbackIsReportedAndEndsTheApplication) {
  class ThrowingFilter : public EventFilter {
   public:
    using EventFilter::EventFilter;

   protected:
    bool Filter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::User) throw std::runtime_error("filter failed");
      return false;
    }
  };
  const struct {
    const char* name;
    std::function<void(QObject&)> provoke;
    const char* what;
  } cases[] = {
      {"event filter",
       [](QObject& target) {
         new ThrowingFilter(&target);
         QEvent event(QEvent::User);
         QCoreApplication::sendEvent(&target, &event);
       },
       "filter failed"},
      {"queued call",
       [](QObject& target) {
         QMetaObject::invokeMethod(&target, Guarded([] { throw std::runtime_error("queued call failed"); }),
                                   Qt::QueuedConnection);
         testsupport::ProcessEvents();
       },
       "queued call failed"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    Application app("Thrower", "org.example.thrower");
    QObject target;
    std::vector<std::string> messages;
    EXPECT_NO_THROW(messages = testsupport::AnswerMessageBoxes([&] { row.provoke(target); }));
    EXPECT_EQ(messages, std::vector<std::string>{"Unhandled exception\n" + std::string(row.what) +
                                                 "\nThe application will now end."});
    EXPECT_EQ(app.ExitStatus(), kUnhandledExceptionStatus);
  }
}

}  // namespace
