// A huge Paste through Kestrane's real main window, against the yardstick of
// bench_bare_clipboard: the same text, made the same way, put on the
// clipboard; then the Paste button is clicked, and the program quits once the
// event loop has run and the window has shown the outcome. It fails when the
// parents' area does not end up with the two good parents.
// Usage: bench_paste SHAPE BYTES

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "HugeTexts.h"
#include "toolkit/Native.h"
#include "toolkit/Text.h"
#include "windows/MainWindow.h"
#include "windows/Startup.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SHAPE BYTES\n", argv[0]);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  toolkit::Runtime runtime(argc, argv);
  std::unique_ptr<App> app = NewAppInstance();
  const int status = app->Run([&] {
    LateStartup();
    QApplication::clipboard()->setText(bench::MakeText(argv[1], std::atoll(argv[2])));
    QTest::mouseClick(toolkit::NativeWidget(MainWindow::Instance().PasteButton()), Qt::LeftButton);
    QTimer::singleShot(0, [&app] { app->Quit(0); });
  });
  const std::string expected =
      toolkit::ReplaceLineEndings(bench::kGoodParents.toString().chopped(1).toStdString(), "\r");
  const bool pasted = MainWindow::Instance().ParentsArea().Text() == expected;
  Shutdown(*app);
  if (!pasted) std::fprintf(stderr, "the parents' area does not hold the two parents\n");
  return pasted ? status : 1;
}
