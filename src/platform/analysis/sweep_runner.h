// Runs a sweep on a thread of its own and hands its rows to the window's
// thread a few times a second, so the window never waits for a row and never
// takes more rows at once than it can show without a stall.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_SWEEP_RUNNER_H
#define HYDRELIX_PLATFORM_ANALYSIS_SWEEP_RUNNER_H

#include "analysis/sweep.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstddef>
#include <mutex>
#include <thread>
#include <vector>

namespace platform {

class SweepRunner final : public QObject {
  Q_OBJECT

 public:
  explicit SweepRunner(QObject* parent = nullptr);
  ~SweepRunner() override;

  // Starts the request; the libraries must be bound and their units set, and
  // must outlive the run.
  void Start(const analysis::SweepRequest& request, steam::PropertyLibraries& libraries);
  // Asks the run to stop after the row it is computing; the rows delivered
  // so far stand.
  void Cancel();
  // Cancels and waits for the thread to end, for callers about to change
  // the libraries' units.
  void Stop();
  bool Running() const { return thread_.joinable() && !finishedSignalled_; }

 signals:
  void rowsArrived(const std::vector<analysis::SweepChunk>& chunks);
  void progressed(qulonglong done, qulonglong total);
  void finished(const analysis::SweepSummary& summary);

 private:
  void Drain();
  void Join();

  QTimer drainTimer_;
  std::thread thread_;
  std::atomic<bool> cancel_{false};
  std::atomic<bool> done_{false};
  std::atomic<std::size_t> rowsDone_{0};
  std::atomic<std::size_t> rowsTotal_{0};
  bool finishedSignalled_ = true;
  std::mutex mutex_;
  std::vector<analysis::SweepChunk> arrived_;
  analysis::SweepSummary summary_;
};

}  // namespace platform

#endif
