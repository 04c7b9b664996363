// The main window's widgets in a plain Qt program, without the toolkit layer,
// the engine or any handler: what Qt itself needs to show them. Kestrane's
// start-up and memory against this separate our own cost from Qt's.

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  auto* content = new QWidget;
  window.setCentralWidget(content);
  QMenu* file = window.menuBar()->addMenu("&File");
  file->addAction("About Kestrane");
  file->addAction("&Quit");
  QMenu* edit = window.menuBar()->addMenu("&Edit");
  for (const char* item : {"&Undo", "Cu&t", "&Copy", "&Paste", "&Delete", "Select &All"}) edit->addAction(item);

  (new QPlainTextEdit(content))->setGeometry(20, 43, 356, 43);
  const struct {
    const char* text;
    int left, top;
  } buttons[] = {{"Paste", 112, 14}, {"Edit", 204, 14},  {"Options", 296, 14},
                 {"Quit", 26, 432},  {"Help", 158, 432}, {"Cross", 296, 432}};
  for (const auto& b : buttons) (new QPushButton(b.text, content))->setGeometry(b.left, b.top, 80, 20);
  const struct {
    const char* text;
    int left, top, width;
  } labels[] = {{"Parents", 20, 20, 56},
                {"Allele to show on left side", 118, 120, 162},
                {"Pups", 20, 148, 100},
                {"n", 61, 148, 201}};
  for (const auto& l : labels) (new QLabel(l.text, content))->setGeometry(l.left, l.top, l.width, 20);
  for (int i = 0; i < 4; ++i) (new QComboBox(content))->setGeometry(20 + 92 * i, 94, 80, 20);
  auto* list = new QTreeWidget(content);
  list->setColumnCount(5);
  list->setRootIsDecorated(false);
  list->setGeometry(20, 169, 356, 251);

  window.resize(396, 472 + window.menuBar()->sizeHint().height());
  window.show();
  QTimer::singleShot(0, &application, [] { QApplication::exit(0); });
  return QApplication::exec();
}
