#pragma once

// While it exists, SIGTERM, SIGINT and SIGHUP end the application the way its
// Quit does, instead of killing it at once: the event loop ends, the windows
// close, and Qt hands the clipboard's text to a clipboard manager on the way
// out. The signal handler itself only writes a byte into a pipe; the event
// loop reads it and quits. Internal to the toolkit.

#include <array>
#include <csignal>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace toolkit {

class QuitSignals {
 public:
  explicit QuitSignals(std::function<void()> quit);
  ~QuitSignals();
  QuitSignals(const QuitSignals&) = delete;
  QuitSignals& operator=(const QuitSignals&) = delete;

 private:
  static constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

  std::array<int, 2> pipe_{-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
  std::array<struct sigaction, kSignals.size()> previous_{};
};

}  // namespace toolkit
