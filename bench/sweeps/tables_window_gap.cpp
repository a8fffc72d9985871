// The window's event loop while a 100,000-row table fills it: a timer asks
// to run every 5 ms and records the longest gap between its runs, which is
// the longest the window could not answer the user. Prints the gap, the time
// the table took and its rows per second; then how long Cancel takes to stop
// a 1,000,000-row grid. With --idle it records the same
// gap for 1.5 s without a table, which is what the machine's load alone
// costs.
//
//   QT_QPA_PLATFORM=offscreen build/bin/tables_window_gap [--idle]
#include "platform/analysis/tables_window.h"
#include "shown_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QComboBox>
#include <QTimer>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ShownWindow main;
  platform::TablesWindow window(main.window, main.settings, main.libraries);
  window.Follow(steam::Formulation::IF97, analysis::TableUnits::System(true));
  window.Kind()->setCurrentIndex(2);  // grid: 100 pressures x 1000 temperatures
  window.Pressures()->setText("1:100:1 Bar");
  window.Temperatures()->setText("0.5:500:0.5 C");
  window.show();
  // The first paint of the window is no part of the table's cost.
  for (int i = 0; i < 20; ++i) QApplication::processEvents();

  const bool idle = argc > 1 && QByteArray(argv[1]) == "--idle";
  QElapsedTimer clock;
  qint64 last = 0, longest = 0, longestAt = 0;
  QTimer beat;
  beat.setInterval(5);
  QObject::connect(&beat, &QTimer::timeout, [&] {
    const qint64 now = clock.elapsed();
    if (now - last > longest) {
      longest = now - last;
      longestAt = now;
    }
    last = now;
    if (idle ? now > 1500 : !window.Running()) application.quit();
  });
  clock.start();
  beat.start();
  if (!idle) QTimer::singleShot(0, &window, [&window] { window.Compute(); });
  application.exec();
  const double seconds = clock.elapsed() / 1000.0;
  const int rows = window.Model().rowCount();
  std::printf("rows %d in %.2f s (%.0f rows/s); longest gap of the event loop %lld ms, ending at "
              "%lld ms\n",
              rows, seconds, rows / seconds, static_cast<long long>(longest),
              static_cast<long long>(longestAt));
  if (idle) return 0;

  // Cancel a 999,999-row grid a third of a second in: the time until the
  // window has its rows and the sweep's thread has ended.
  window.Pressures()->setText("1:999:1 Bar");  // 999 blocks of 1 + 1000 rows
  window.Temperatures()->setText("0.6:600:0.6 C");
  window.Compute();
  QElapsedTimer wait;
  wait.start();
  while (wait.elapsed() < 300) QApplication::processEvents(QEventLoop::AllEvents, 10);
  QElapsedTimer stop;
  stop.start();
  window.Cancel();
  while (window.Running()) QApplication::processEvents(QEventLoop::AllEvents, 1);
  std::printf("cancel of a 999,999-row grid: stopped in %lld ms, %d rows kept\n",
              static_cast<long long>(stop.elapsed()), window.Model().rowCount());
  return 0;
}
