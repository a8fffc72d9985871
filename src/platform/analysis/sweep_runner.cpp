#include "platform/analysis/sweep_runner.h"

#include <sys/resource.h>
#include <unistd.h>

namespace platform {

namespace {

// How often the window takes the rows that have arrived.
constexpr int kDrainMilliseconds = 40;

}  // namespace

SweepRunner::SweepRunner(QObject* parent) : QObject(parent) {
  drainTimer_.setInterval(kDrainMilliseconds);
  connect(&drainTimer_, &QTimer::timeout, this, &SweepRunner::Drain);
}

SweepRunner::~SweepRunner() {
  cancel_ = true;
  Join();
}

void SweepRunner::Start(const analysis::SweepRequest& request, steam::PropertyLibraries& libraries) {
  Stop();
  cancel_ = false;
  done_ = false;
  rowsDone_ = 0;
  rowsTotal_ = 0;
  finishedSignalled_ = false;
  arrived_.clear();
  thread_ = std::thread([this, request, &libraries] {
    // On a busy machine the window's thread goes first: the sweep's thread
    // runs at a lower priority (a nicer value for this thread only).
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
    analysis::SweepControl control;
    control.cancel = &cancel_;
    control.progress = [this](std::size_t done, std::size_t total) {
      rowsDone_ = done;
      rowsTotal_ = total;
    };
    const analysis::SweepSummary summary =
        analysis::RunSweep(request, libraries, control, [this](const analysis::SweepChunk& chunk) {
          std::lock_guard<std::mutex> lock(mutex_);
          arrived_.push_back(chunk);
          return true;
        });
    {
      std::lock_guard<std::mutex> lock(mutex_);
      summary_ = summary;
    }
    done_ = true;
  });
  drainTimer_.start();
}

void SweepRunner::Cancel() { cancel_ = true; }

void SweepRunner::Join() {
  if (thread_.joinable()) thread_.join();
}

void SweepRunner::Stop() {
  cancel_ = true;
  Join();
  // What the run delivered before it stopped still reaches the window.
  if (!finishedSignalled_) Drain();
}

void SweepRunner::Drain() {
  const bool done = done_;
  std::vector<analysis::SweepChunk> chunks;
  analysis::SweepSummary summary;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    chunks.swap(arrived_);
    summary = summary_;
  }
  if (!chunks.empty()) emit rowsArrived(chunks);
  emit progressed(rowsDone_.load(), rowsTotal_.load());
  if (done && !finishedSignalled_) {
    Join();
    drainTimer_.stop();
    finishedSignalled_ = true;
    emit finished(summary);
  }
}

}  // namespace platform
