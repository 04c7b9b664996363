#include "toolkit/Application.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QIcon>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <stdexcept>

#include "toolkit/Dispatch.h"
#include "toolkit/QtText.h"
#include "toolkit/QuitSignals.h"
#include "toolkit/Window.h"

namespace toolkit {
namespace {

Application* running = nullptr;

// One picture per size, so that the window manager need not scale one.
QIcon ApplicationIcon(const QString& applicationId) {
  QIcon icon;
  const QDir pictures(QStringLiteral(":/icons/") + applicationId);
  for (const QString& picture : pictures.entryList(QDir::Files)) icon.addFile(pictures.filePath(picture));
  return icon;
}

}  // namespace

Runtime::Runtime(int& argc, char** argv) {
  if (QApplication::instance() == nullptr) ownApplication_ = std::make_unique<QApplication>(argc, argv);
  // The application decides itself when it ends: closing its main window
  // quits it, closing any other window never does.
  QApplication::setQuitOnLastWindowClosed(false);
}

Runtime::~Runtime() = default;

Application::Application(const std::string& name, const std::string& applicationId) {
  if (running != nullptr) throw std::logic_error("an application is running already");
  if (QApplication::instance() == nullptr) throw std::logic_error("the toolkit's run-time is not initialised");
  running = this;
  // Qt would otherwise call the application by its executable's name. The
  // name is not set as Qt's display name, which Qt on X11 appends to every
  // window's title ("Help — Kestrane").
  QApplication::setApplicationName(ToQt(name));
  QGuiApplication::setDesktopFileName(ToQt(applicationId));
  QApplication::setWindowIcon(ApplicationIcon(ToQt(applicationId)));
  urlOpener_ = [](const std::string& url) { QDesktopServices::openUrl(QUrl(ToQt(url))); };
}

Application::~Application() {
  ReleaseWindows();
  running = nullptr;
}

bool Application::Exists() { return running != nullptr; }

Application& Application::Current() {
  if (running == nullptr) throw std::logic_error("no application is running");
  return *running;
}

int Application::Run(const std::function<void()>& lateStartup) {
  RunHandler(lateStartup);
  if (quitRequested_) return exitStatus_;
  const QuitSignals quitSignals([this] { Quit(0); });
  running_ = true;
  const int status = QApplication::exec();
  running_ = false;
  return quitRequested_ ? exitStatus_ : status;
}

void Application::Quit(int exitStatus) {
  // The first request decides the status; a Close that follows a Quit (the
  // main window closing as the application ends) does not change it.
  if (!quitRequested_) exitStatus_ = exitStatus;
  quitRequested_ = true;
  if (running_) QApplication::exit(exitStatus_);
}

void Application::ShowURL(const std::string& url) const { urlOpener_(url); }

Window* Application::GetImplicitWindow(const std::string& className) const {
  for (const Entry& entry : windows_) {
    if (entry.className == className) return entry.window.get();
  }
  return nullptr;
}

void Application::Adopt(std::unique_ptr<Window> window, std::string className) {
  windows_.push_back({std::move(className), std::move(window)});
}

std::vector<Window*> Application::OpenWindows() const {
  std::vector<Window*> open;
  for (const Entry& entry : windows_) open.push_back(entry.window.get());
  return open;
}

Window* Application::DefaultWindow() const { return windows_.empty() ? nullptr : windows_.front().window.get(); }

void Application::Release(Window& window) {
  const auto found =
      std::find_if(windows_.begin(), windows_.end(), [&](const Entry& entry) { return entry.window.get() == &window; });
  if (found == windows_.end()) return;
  closing_.push_back(std::move(found->window));
  windows_.erase(found);
  // The window is still inside its own close event: destroy it afterwards.
  QTimer::singleShot(0, QApplication::instance(), Guarded([this] {
                       if (running == this) closing_.clear();
                     }));
}

void Application::ReleaseWindows() {
  windows_.clear();
  closing_.clear();
}

void Quit(int exitStatus) { Application::Current().Quit(exitStatus); }

void ShowURL(const std::string& url) { Application::Current().ShowURL(url); }

}  // namespace toolkit
