#pragma once

// A fixture that starts the application as main() does, main window included,
// on an empty clipboard, and shuts it down after each test. The addresses that
// the application would open in the browser are recorded instead.

#include <gtest/gtest.h>

#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Gui.h"
#include "windows/MainWindow.h"
#include "windows/Startup.h"

class StartedAppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::ClearClipboard();
    app_ = NewAppInstance();
    app_->SetUrlOpener([this](const std::string& url) { openedUrls_.push_back(url); });
    LateStartup();
  }
  void TearDown() override {
    Shutdown(*app_);
    app_.reset();
    testsupport::ProcessEvents();
  }

  static MainWindow& Main() { return MainWindow::Instance(); }

  // Runs the event loop as start-up does, with `action` run from inside it;
  // returns the exit status, or 99 when nothing ended the loop in 10 s.
  int RunEventLoopWith(const std::function<void()>& action) {
    QTimer::singleShot(0, action);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [this] { app_->Quit(99); });
    watchdog.start(10000);
    return app_->Run([] {});
  }

  // The open window of class W, or nullptr; unlike the class's Instance() it
  // never creates one.
  template <class W>
  W* OpenWindow() const {
    return dynamic_cast<W*>(app_->GetImplicitWindow(W::kClassName));
  }

  std::unique_ptr<App> app_;
  std::vector<std::string> openedUrls_;
};
