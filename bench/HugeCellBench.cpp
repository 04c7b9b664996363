// Paste and Cross of three genes, one of them with an allele of many megabytes,
// through the real main window, as its event loop sees them: for each allele
// size and each user action, the longest time in which the loop ran no timer
// (what the user sees as a frozen window). The allele is also in the parents'
// text and in a popup, which have their own costs; so the result list's
// share is then timed on its own: filling it with the result rows, painting
// it, and laying its columns out again when it resizes.
// Usage: bench_huge_cell [megabytes...] (default: 5 10)

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/Listbox.h"
#include "toolkit/Native.h"
#include "windows/MainWindow.h"
#include "windows/Startup.h"

namespace {

constexpr int kHeartbeatMs = 1;
constexpr int kSettleMs = 300;  // quiet time after an action, for its paints to run
constexpr int kRows = 48;       // more than the list shows, half of them with the huge allele

struct Action {
  const char* name;
  std::function<void()> run;
};

// Runs the actions one after another inside the event loop, each once the
// loop has been quiet for a while after the one before, and returns per
// action the longest gap between two heartbeats, in milliseconds.
std::vector<double> LongestGaps(const std::vector<Action>& actions) {
  std::vector<double> gaps(actions.size(), 0);
  QElapsedTimer clock;
  clock.start();
  qint64 lastBeat = clock.nsecsElapsed();
  std::size_t current = 0;
  QTimer heartbeat;
  heartbeat.setTimerType(Qt::PreciseTimer);
  QObject::connect(&heartbeat, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    if (current < gaps.size()) gaps[current] = std::max(gaps[current], static_cast<double>(now - lastBeat) / 1e6);
    lastBeat = now;
  });
  heartbeat.start(kHeartbeatMs);
  QEventLoop loop;
  std::function<void()> next = [&] {
    if (current == actions.size()) {
      loop.quit();
      return;
    }
    actions[current].run();
    QTimer::singleShot(kSettleMs, [&] {
      ++current;
      next();
    });
  };
  QTimer::singleShot(kSettleMs, next);
  loop.exec();
  return gaps;
}

template <class F>
double Millis(F&& work) {
  QElapsedTimer clock;
  clock.start();
  work();
  return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

using Rows = std::vector<std::vector<std::string>>;

Rows CellsOf(const toolkit::Listbox& list) {
  Rows rows(static_cast<std::size_t>(list.RowCount()));
  for (std::int32_t row = 0; row < list.RowCount(); ++row) {
    for (std::int32_t column = 0; column < list.ColumnCount(); ++column) {
      rows[static_cast<std::size_t>(row)].push_back(list.Cell(row, column));
    }
  }
  return rows;
}

// What Cross does to the list: every row deleted, then the rows added and
// filled cell by cell.
void Fill(toolkit::Listbox& list, const Rows& rows) {
  list.DeleteAllRows();
  for (const auto& cells : rows) {
    list.AddRow();
    for (std::size_t column = 0; column < cells.size(); ++column) {
      list.SetCell(list.LastIndex(), static_cast<std::int32_t>(column), cells[column]);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  toolkit::Runtime runtime(argc, argv);
  std::unique_ptr<App> app = NewAppInstance();
  LateStartup();
  MainWindow& window = MainWindow::Instance();
  toolkit::Listbox& list = window.PupsListBox();
  auto* view = qobject_cast<QAbstractItemView*>(toolkit::NativeWidget(list));
  QWidget* frame = toolkit::NativeWindow(window);

  std::vector<int> megabytes;
  for (int i = 1; i < argc; ++i) megabytes.push_back(std::atoi(argv[i]));
  if (megabytes.empty()) megabytes = {5, 10};

  for (const int size : megabytes) {
    const std::string allele(static_cast<std::size_t>(size) << 20, 'a');
    const QString parents =
        QString::fromStdString("Gene1 " + allele + "/b\tGene2 c/d\tGene3 e/f\rGene1 a/b\tGene2 c/d\tGene3 g/h");
    QApplication::clipboard()->setText(parents);
    const std::vector<Action> actions = {
        {"paste", [&] { window.PasteButton().Push(); }},
        {"cross", [&] { window.CrossButton().Push(); }},
        {"scroll", [&] { view->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd); }},
        {"resize", [&] { frame->resize(frame->width() + 100, frame->height() + 100); }},
        {"resize_back", [&] { frame->resize(frame->width() - 100, frame->height() - 100); }},
    };
    const std::vector<double> gaps = LongestGaps(actions);
    if (list.RowCount() != kRows) {
      std::fprintf(stderr, "expected %d rows, got %d\n", kRows, list.RowCount());
      return 1;
    }
    for (std::size_t i = 0; i < actions.size(); ++i) {
      std::printf("allele_%dMB %s longest_loop_gap_ms %.1f\n", size, actions[i].name, gaps[i]);
    }
    const Rows rows = CellsOf(list);
    const double fill = Millis([&] { Fill(list, rows); });
    const double paint = Millis([&] { view->viewport()->repaint(); });
    const double relayout = Millis([&] {
      view->resize(view->width() + 50, view->height());
      view->resize(view->width() - 50, view->height());
    });
    std::printf("allele_%dMB list_fill_ms %.1f list_paint_ms %.1f list_relayout_ms %.1f\n", size, fill, paint,
                relayout);
    std::fflush(stdout);
  }
  Shutdown(*app);
  return 0;
}
