// The yardstick for a huge Paste: a bare Qt program that shows an empty
// window of the main window's size, makes the text as Kestrane's Paste
// measurement does, puts it on the clipboard and reads it back, and quits once
// its event loop has run.
// Usage: bench_bare_clipboard SHAPE BYTES

#include <QApplication>
#include <QClipboard>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "HugeTexts.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SHAPE BYTES\n", argv[0]);
    return 2;
  }
  QApplication application(argc, argv);
  QWidget window;
  window.resize(396, 472);
  window.show();
  QApplication::clipboard()->setText(bench::MakeText(argv[1], std::atoll(argv[2])));
  const QString read = QApplication::clipboard()->text();
  if (read.isEmpty()) return 1;
  QTimer::singleShot(0, &application, [] { QApplication::exit(0); });
  return QApplication::exec();
}
