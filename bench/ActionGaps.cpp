// Actions on a huge text through the real application, as a user meets them:
// another program holds the text on the clipboard (bench_clipboard_owner);
// Paste, Edit and OK are clicked, and Cross where its result is small; then
// a key is typed into the editor's first field, as it is and once all of it
// is selected. After each action the windows show and paint, and any message
// box is read and closed with OK. For each action it prints the longest time
// the event loop could not run (a timer ticking every millisecond records the
// largest interval between its ticks), and the processor time the program
// spent on it, which a busy machine inflates less.
// Usage: bench_action_gaps

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

#include "engine/Globals.h"
#include "toolkit/MsgBox.h"
#include "toolkit/Native.h"
#include "windows/EditWindow.h"
#include "windows/MainWindow.h"
#include "windows/Startup.h"

namespace {

// The longest interval between two turns of the event loop since Start.
class EventLoopProbe {
 public:
  EventLoopProbe() {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(1);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      longest_ = std::max(longest_, clock_.nsecsElapsed());
      clock_.start();
    });
  }
  void Start() {
    longest_ = 0;
    clock_.start();
    timer_.start();
  }
  void Stop() { timer_.stop(); }
  double LongestMs() const { return static_cast<double>(std::max(longest_, clock_.nsecsElapsed())) / 1e6; }

 private:
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 longest_ = 0;
};

// Closes every message box with its OK button once it has been on screen for
// a while, as a user who reads it does, and counts them.
class MessageBoxReader {
 public:
  MessageBoxReader() {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (box == nullptr || box->objectName() != toolkit::kMsgBoxObjectName || !box->isVisible()) {
        shownSince_.invalidate();
        return;
      }
      if (!shownSince_.isValid()) shownSince_.start();
      if (shownSince_.elapsed() < kReadingMs) return;
      shownSince_.invalidate();
      ++read_;
      QTest::mouseClick(box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    timer_.start();
  }
  int Read() const { return read_; }

 private:
  static constexpr int kReadingMs = 300;
  QTimer timer_;
  QElapsedTimer shownSince_;
  int read_ = 0;
};

// A cross whose result holds a huge allele would put gigabytes on the
// clipboard; only a cross of short alleles is measured.
bool CrossIsSmall() {
  if (Globals::parents == nullptr) return false;
  for (const gene& locus : Globals::parents->genotype) {
    for (const std::string& allele : locus.allele) {
      if (allele.size() > 1000) return false;
    }
  }
  return true;
}

double CpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Lets the event loop run for a while: windows show, paint and settle.
void RunEventLoop(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

class Bench {
 public:
  void Run() {
    MainWindow& main = MainWindow::Instance();
    Click("paste", main.PasteButton());
    // A read that gave no text (the clipboard's owner too slow to answer)
    // leaves the parents' area empty and nothing to measure.
    if (main.ParentsArea().Text().empty()) {
      std::printf("the paste found no text on the clipboard\n");
      return;
    }
    Click("edit", main.EditButton());
    Click("ok", EditWindow::Instance().OK_Button());
    if (main.CrossButton().Enabled() && CrossIsSmall()) Click("cross", main.CrossButton());

    Click(nullptr, main.EditButton());
    QWidget* field = toolkit::NativeWidget(EditWindow::Instance().Field(0));
    field->window()->activateWindow();
    if (!QTest::qWaitForWindowActive(field->window())) std::printf("note: the editor never became active\n");
    QTest::mouseClick(field, Qt::LeftButton);
    Act("key_in_field", [field] { QTest::keyClick(field, Qt::Key_Y); });
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    Act("key_replacing_field", [field] { QTest::keyClick(field, Qt::Key_Z); });
    EditWindow::Instance().CancelButton().Push();
  }

 private:
  static constexpr int kSettleMs = 500;

  // A name of nullptr: a step that only prepares a measurement.
  void Click(const char* name, const toolkit::Control& button) {
    Act(name, [&button] { QTest::mouseClick(toolkit::NativeWidget(button), Qt::LeftButton); });
  }

  void Act(const char* name, const std::function<void()>& action) {
    const int readBefore = reader_.Read();
    const double cpuBefore = CpuMs();
    probe_.Start();
    action();
    RunEventLoop(kSettleMs);
    probe_.Stop();
    if (name == nullptr) return;
    std::printf("longest_gap_ms %s %.1f cpu_ms %.0f message_boxes %d\n", name, probe_.LongestMs(), CpuMs() - cpuBefore,
                reader_.Read() - readBefore);
    std::fflush(stdout);
  }

  EventLoopProbe probe_;
  MessageBoxReader reader_;
};

}  // namespace

int main(int argc, char** argv) {
  toolkit::Runtime runtime(argc, argv);
  std::unique_ptr<App> app = NewAppInstance();
  Bench bench;
  const int status = app->Run([&] {
    LateStartup();
    QTimer::singleShot(0, [&] {
      RunEventLoop(200);
      bench.Run();
      app->Quit(0);
    });
  });
  Shutdown(*app);
  return status;
}
