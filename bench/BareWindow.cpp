// The yardstick for start-up: a bare Qt program that shows one empty window
// of the main window's size and quits once its event loop has run.

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(396, 472);
  window.show();
  QTimer::singleShot(0, &application, [] { QApplication::exit(0); });
  return QApplication::exec();
}
