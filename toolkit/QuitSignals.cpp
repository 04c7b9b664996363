#include "toolkit/QuitSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <system_error>

#include "toolkit/Dispatch.h"

namespace toolkit {
namespace {

// Where the handler writes; a plain int, as a signal handler may only touch
// such.
volatile std::sig_atomic_t signalPipe = -1;

extern "C" void WriteToSignalPipe(int /*signal*/) {
  const int savedErrno = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = write(signalPipe, &byte, 1);
  errno = savedErrno;
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> quit) {
  if (pipe2(pipe_.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
    throw std::system_error(errno, std::generic_category(), "cannot make the pipe for quit signals");
  }
  signalPipe = pipe_[1];
  notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                   Guarded([this, quit = std::move(quit)] {
                     char bytes[16];
                     while (read(pipe_[0], bytes, sizeof bytes) > 0) {
                     }
                     quit();
                   }));

  struct sigaction action{};
  action.sa_handler = WriteToSignalPipe;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    sigaction(kSignals[i], nullptr, &previous_[i]);
    // A signal ignored by whoever started the application (nohup) stays
    // ignored.
    if (previous_[i].sa_handler != SIG_IGN) sigaction(kSignals[i], &action, nullptr);
  }
}

QuitSignals::~QuitSignals() {
  for (std::size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &previous_[i], nullptr);
  signalPipe = -1;
  notifier_.reset();
  close(pipe_[0]);
  close(pipe_[1]);
}

}  // namespace toolkit
