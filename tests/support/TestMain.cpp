// The main() of the GUI test binaries: a QApplication on the offscreen
// platform (also while the build lists the tests, where there is no display),
// a fixed locale, and the toolkit's run-time over it.

#include <gtest/gtest.h>

#include <QLocale>
#include <cstdlib>

#include "toolkit/Application.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QLocale::setDefault(QLocale::c());
  ::testing::InitGoogleTest(&argc, argv);
  toolkit::Runtime runtime(argc, argv);
  return RUN_ALL_TESTS();
}
