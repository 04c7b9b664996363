// Puts a huge text on the clipboard and serves it to whoever reads it, as the
// program a user copies from does, until it is ended. Kestrane and its
// yardstick then read the text from another program, which on an X server
// crosses between the programs as it does on a desktop.
// A program that takes the clipboard meanwhile (Kestrane's Cross does) has it
// taken back, so that every run reads the same text.
// Usage: bench_clipboard_owner SHAPE BYTES (prints "owned" once it owns the
// clipboard)

#include <QApplication>
#include <QClipboard>
#include <cstdio>
#include <cstdlib>

#include "HugeTexts.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SHAPE BYTES\n", argv[0]);
    return 2;
  }
  QApplication application(argc, argv);
  const QString text = bench::MakeText(argv[1], std::atoll(argv[2]));
  QClipboard* clipboard = QApplication::clipboard();
  QObject::connect(clipboard, &QClipboard::dataChanged, [clipboard, &text] {
    if (!clipboard->ownsClipboard()) clipboard->setText(text);
  });
  clipboard->setText(text);
  std::printf("owned\n");
  std::fflush(stdout);
  return QApplication::exec();
}
