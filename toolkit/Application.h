#pragma once

// The toolkit's run-time, the application object and the registry of open
// windows. The run-time (one per process) must exist before anything else of
// the toolkit is used; the application object runs the event loop and owns
// every open window.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QApplication;

namespace toolkit {

class MenuBar;
class Window;

class Runtime {
 public:
  // Uses the process's QApplication when there is one already (as in tests).
  Runtime(int& argc, char** argv);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

 private:
  std::unique_ptr<QApplication> ownApplication_;
};

class Application {
 public:
  // Registers itself as the running application; there is one at a time.
  // Its name is what the desktop calls it, and the title of its message
  // boxes. Its id (reverse DNS, "org.example.app") names its desktop entry,
  // by which desktops group its windows; every window shows its icon, the
  // pictures compiled in under the resource folder icons/<id>/.
  Application(const std::string& name, const std::string& applicationId);
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static bool Exists();
  static Application& Current();

  toolkit::MenuBar* MenuBar() const { return menuBar_; }
  void SetMenuBar(toolkit::MenuBar* menuBar) { menuBar_ = menuBar; }

  // Calls `lateStartup` once the toolkit is ready, then runs the event loop
  // until Quit; returns the exit status that Quit was given. Meanwhile
  // SIGTERM, SIGINT and SIGHUP quit with status 0, as Quit does.
  int Run(const std::function<void()>& lateStartup);
  // Ends the event loop with `exitStatus`. Outside Run (in tests) it only
  // records the request.
  void Quit(int exitStatus);
  bool QuitRequested() const { return quitRequested_; }
  int ExitStatus() const { return exitStatus_; }

  // Opens a web address in the desktop's browser; tests replace the opener.
  void ShowURL(const std::string& url) const;
  void SetUrlOpener(std::function<void(const std::string&)> opener) { urlOpener_ = std::move(opener); }

  // The open window registered under `className`, shown or hidden; nullptr
  // when there is none.
  Window* GetImplicitWindow(const std::string& className) const;
  // Takes ownership of a new window until it is closed.
  void Adopt(std::unique_ptr<Window> window, std::string className);
  std::vector<Window*> OpenWindows() const;
  // The first window opened that is still open: the default window that
  // start-up makes, with which every other window stays; nullptr when there
  // is none.
  Window* DefaultWindow() const;
  // Closing by the close box: the window leaves the registry at once and is
  // destroyed once the event that closed it has been handled.
  void Release(Window& window);
  // Destroys every window, at shutdown.
  void ReleaseWindows();

 private:
  struct Entry {
    std::string className;
    std::unique_ptr<Window> window;
  };

  toolkit::MenuBar* menuBar_ = nullptr;
  std::vector<Entry> windows_;
  std::vector<std::unique_ptr<Window>> closing_;
  std::function<void(const std::string&)> urlOpener_;
  bool running_ = false;
  bool quitRequested_ = false;
  int exitStatus_ = 0;
};

// Quit on the running application.
void Quit(int exitStatus);
void ShowURL(const std::string& url);

// The single window of class W, registered under W::kClassName: the open one,
// or a new one, built by its Constructor.
template <class W>
W& ImplicitInstance() {
  Application& application = Application::Current();
  if (Window* open = application.GetImplicitWindow(W::kClassName)) return dynamic_cast<W&>(*open);
  auto created = std::make_unique<W>();
  W& window = *created;
  application.Adopt(std::move(created), W::kClassName);
  window.Constructor();
  return window;
}

}  // namespace toolkit
