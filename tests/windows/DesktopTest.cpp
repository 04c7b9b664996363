// What the desktop sees of the running application: the desktop entry its
// windows belong to, and the icon every window shows.

#include <gtest/gtest.h>

#include <QColor>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QWidget>
#include <algorithm>
#include <string>

#include "StartedApp.h"
#include "toolkit/Native.h"
#include "windows/AboutWindow.h"
#include "windows/EditWindow.h"
#include "windows/HelpWindow.h"

namespace {

using DesktopTest = StartedAppTest;

// The icon's picture sizes, smallest first.
std::string Sizes(const QIcon& icon) {
  QList<QSize> available = icon.availableSizes();
  std::sort(available.begin(), available.end(),
            [](const QSize& a, const QSize& b) { return a.width() * a.height() < b.width() * b.height(); });
  std::string sizes;
  for (const QSize& size : available) sizes += std::to_string(size.width()) + "x" + std::to_string(size.height()) + " ";
  return sizes;
}

TEST_F(DesktopTest, WindowsBelongToTheDesktopEntry) {
  EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), "org.example.kestrane");
}

// Each window shows the icon as pictures drawn for the sizes window managers
// ask for, so none has to be scaled from another.
TEST_F(DesktopTest, EveryWindowShowsTheIcon) {
  const toolkit::Window* windows[] = {&Main(), &EditWindow::Instance(), &HelpWindow::Instance(),
                                      &AboutWindow::Instance()};
  for (const toolkit::Window* window : windows) {
    SCOPED_TRACE(window->Title());
    const QIcon icon = toolkit::NativeWindow(*window)->windowIcon();
    EXPECT_EQ(Sizes(icon), "16x16 24x24 32x32 48x48 64x64 128x128 256x256 ");
  }
}

// The pictures are the icon's drawing: its frame and the filled pup in the
// top-left corner of its square, in their colours.
TEST_F(DesktopTest, TheIconShowsItsDrawing) {
  const QImage picture = QGuiApplication::windowIcon().pixmap(QSize(256, 256)).toImage();
  ASSERT_EQ(picture.size(), QSize(256, 256));
  EXPECT_EQ(picture.pixelColor(24, 128).name().toStdString(), "#2f6f62");
  EXPECT_EQ(picture.pixelColor(118, 118).name().toStdString(), "#1d3f5e");
  EXPECT_EQ(picture.pixelColor(2, 2).alpha(), 0);
}

}  // namespace
