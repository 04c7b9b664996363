// Huge texts through the real application, as a user meets them: each action
// is a click on a button (or a scroll or a resize), after which the windows
// show and paint and any message box is read and closed with OK. For each action it prints the
// longest time the event loop could not run (a timer ticking every
// millisecond records the largest interval between its ticks), and the CPU
// time that an editor field with the keyboard focus takes while its cursor
// blinks, with a short entry and with a long one.
// Usage: bench_action_gaps [MEGABYTES] [FIELD_MEGABYTES]

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

#include "HugeTexts.h"
#include "toolkit/MsgBox.h"
#include "toolkit/Native.h"
#include "windows/EditWindow.h"
#include "windows/MainWindow.h"
#include "windows/Startup.h"

namespace {

// The longest interval between two turns of the event loop since Reset.
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

// Lets the event loop run for a while: windows show, paint and settle.
void RunEventLoop(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

class Bench {
 public:
  Bench(qsizetype bytes, qsizetype fieldBytes) : bytes_(bytes), fieldBytes_(fieldBytes) {}

  void Run() {
    Paste("paste_lines", "lines", bytes_);
    Paste("paste_short_lines", "short", bytes_);
    // The message quotes the entry, and the parents' area shows it.
    Paste("paste_faulty_entry", "entry", bytes_);
    // The message says the text is one line, and the parents' area shows it.
    Paste("paste_one_line", "oneline", bytes_);
    // The allele popups hold the allele.
    Paste("paste_long_allele", "allele", bytes_);
    Click("cross_long_allele", Main().CrossButton());
    // The result list holds the allele in half its rows.
    auto* list = qobject_cast<QAbstractScrollArea*>(toolkit::NativeWidget(Main().PupsListBox()));
    Act("scroll_long_allele", [list] { list->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd); });
    QWidget* frame = toolkit::NativeWindow(Main());
    Act("resize_long_allele", [frame] { frame->resize(frame->width() + 100, frame->height() + 100); });
    Click("edit_long_allele", Main().EditButton());
    Click("ok_long_allele", EditWindow::Instance().OK_Button());
    Paste("paste_faulty_entry_again", "entry", bytes_);
    Click("edit_faulty_entry", Main().EditButton());
    Click("ok_faulty_entry", EditWindow::Instance().OK_Button());

    const double shortCpu = FocusedFieldCpu("good", 0);
    const double longCpu = FocusedFieldCpu("allele", fieldBytes_);
    std::printf("focused_field_cpu_ms short %.0f long %.0f (%lld bytes, %d s of blinking each)\n", shortCpu * 1000,
                longCpu * 1000, static_cast<long long>(fieldBytes_), kBlinkSeconds);
  }

 private:
  static constexpr int kBlinkSeconds = 4;
  static constexpr int kSettleMs = 500;

  static MainWindow& Main() { return MainWindow::Instance(); }

  // A name of nullptr: a step that only prepares a measurement.
  void Paste(const char* name, const char* shape, qsizetype bytes) {
    QApplication::clipboard()->setText(bench::MakeText(shape, bytes));
    Click(name, Main().PasteButton());
  }

  void Click(const char* name, const toolkit::Control& button) {
    Act(name, [&button] { QTest::mouseClick(toolkit::NativeWidget(button), Qt::LeftButton); });
  }

  void Act(const char* name, const std::function<void()>& action) {
    const int readBefore = reader_.Read();
    probe_.Start();
    action();
    RunEventLoop(kSettleMs);
    probe_.Stop();
    if (name == nullptr) return;
    std::printf("longest_gap_ms %-26s %8.1f  message boxes %d\n", name, probe_.LongestMs(),
                reader_.Read() - readBefore);
    std::fflush(stdout);
  }

  // The editor open on the text, its first field focused, then CPU time over
  // some seconds of nothing but the cursor blinking.
  double FocusedFieldCpu(const char* shape, qsizetype bytes) {
    Paste(nullptr, shape, bytes);
    Click(nullptr, Main().EditButton());
    EditWindow& editor = EditWindow::Instance();
    // The user brings the editor to the front and clicks into the field (the
    // offscreen platform activates a window shown again only when asked).
    QWidget* field = toolkit::NativeWidget(editor.Field(0));
    field->window()->activateWindow();
    if (!QTest::qWaitForWindowActive(field->window())) std::printf("note: the editor never became active\n");
    QTest::mouseClick(field, Qt::LeftButton);
    RunEventLoop(1000);
    if (!field->hasFocus()) std::printf("note: the field has no keyboard focus\n");
    const double start = CpuSeconds();
    RunEventLoop(kBlinkSeconds * 1000);
    const double used = CpuSeconds() - start;
    editor.CancelButton().Push();
    return used;
  }

  qsizetype bytes_;
  qsizetype fieldBytes_;
  EventLoopProbe probe_;
  MessageBoxReader reader_;
};

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const qsizetype megabytes = argc > 1 ? std::atoll(argv[1]) : 10;
  const qsizetype fieldMegabytes = argc > 2 ? std::atoll(argv[2]) : 1;
  toolkit::Runtime runtime(argc, argv);
  std::unique_ptr<App> app = NewAppInstance();
  Bench bench(megabytes << 20, fieldMegabytes << 20);
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
