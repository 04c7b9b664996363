// The yardstick for actions on a huge text: a bare Qt program that shows an
// empty window of the main window's size and, once its event loop runs, reads
// the text another program holds on the clipboard, as Kestrane's Paste does.
// Prints how long the read held the event loop and the processor time it
// took, in milliseconds; its peak memory is the process's.
// Usage: bench_bare_clipboard

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace {

double CpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(396, 472);
  window.show();
  QTimer::singleShot(0, &application, [] {
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = CpuMs();
    const QString read = QApplication::clipboard()->text();
    std::printf("read_ms %.1f cpu_ms %.0f characters %lld\n", static_cast<double>(clock.nsecsElapsed()) / 1e6,
                CpuMs() - cpuBefore, static_cast<long long>(read.size()));
    QApplication::exit(read.isEmpty() ? 1 : 0);
  });
  return QApplication::exec();
}
