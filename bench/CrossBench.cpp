// Paste and Cross of a four-gene text with 256 result rows through the real
// main window, its buttons pressed as a click does; prints the median and
// the fastest repetition in microseconds.

#include <QApplication>
#include <QClipboard>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "windows/MainWindow.h"
#include "windows/Startup.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  toolkit::Runtime runtime(argc, argv);
  std::unique_ptr<App> app = NewAppInstance();
  LateStartup();
  MainWindow& window = MainWindow::Instance();

  const QString parents = "A a/b\tB e/f\tC i/j\tD m/n\rA c/d\tB g/h\tC k/l\tD o/p";
  const int repetitions = argc > 1 ? std::atoi(argv[1]) : 500;
  std::vector<double> micros;
  for (int i = 0; i < repetitions; ++i) {
    QApplication::clipboard()->setText(parents);
    const auto start = std::chrono::steady_clock::now();
    window.PasteButton().Push();
    window.CrossButton().Push();
    QApplication::processEvents();
    micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    if (window.PupsListBox().RowCount() != 256) {
      std::fprintf(stderr, "expected 256 rows, got %d\n", window.PupsListBox().RowCount());
      return 1;
    }
  }
  std::sort(micros.begin(), micros.end());
  std::printf("paste_cross_256_median_us %.0f\npaste_cross_256_min_us %.0f\n", micros[micros.size() / 2],
              micros.front());
  Shutdown(*app);
  return 0;
}
