// SPDX-License-Identifier: GPL-3.0-or-later
// Work on a stream of batches with several threads, the results handed on
// in the order the batches were read: the caller's thread reads, `jobs`
// workers transform, one writer writes. At most `window` batches are between
// reading and writing at any time, so memory stays bounded whatever the
// length of the stream, and the written sequence never depends on `jobs`.
#ifndef HYDRELIX_CLI_ORDERED_PIPELINE_H
#define HYDRELIX_CLI_ORDERED_PIPELINE_H

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace cli {

// read(Batch&) -> bool: fills the next batch, false at the end of the stream.
// work(const Batch&, Output&): on a worker thread.
// write(Output&) -> bool: on the writer thread, in reading order; false
// stops the run (an output that cannot be written).
// Returns true when every batch was read, worked and written; false when
// `write` failed or `stop` was set (a signal), after the threads ended.
template <typename Batch, typename Output, typename Read, typename Work, typename Write>
bool RunOrdered(int jobs, std::size_t window, Read read, Work work, Write write,
                const std::atomic<bool>& stop) {
  if (jobs < 1) jobs = 1;
  if (window < 1) window = 1;
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<std::pair<std::uint64_t, Batch>> todo;
  std::map<std::uint64_t, Output> done;
  std::uint64_t nextRead = 0, nextWrite = 0;
  bool readingDone = false;
  bool failed = false;
  auto halted = [&] { return failed || stop.load(std::memory_order_relaxed); };
  // `stop` is set by a signal without the lock, so every wait looks at it
  // again after a while.
  auto waitUntil = [&](std::unique_lock<std::mutex>& lock, auto ready) {
    while (!ready()) changed.wait_for(lock, std::chrono::milliseconds(100));
  };

  std::vector<std::thread> workers;
  for (int j = 0; j < jobs; ++j) {
    workers.emplace_back([&] {
      for (;;) {
        std::unique_lock<std::mutex> lock(mutex);
        waitUntil(lock, [&] { return !todo.empty() || readingDone || halted(); });
        if (halted() || todo.empty()) return;
        std::pair<std::uint64_t, Batch> item = std::move(todo.front());
        todo.pop_front();
        lock.unlock();
        Output output;
        work(static_cast<const Batch&>(item.second), output);
        lock.lock();
        done.emplace(item.first, std::move(output));
        changed.notify_all();
      }
    });
  }
  std::thread writer([&] {
    for (;;) {
      std::unique_lock<std::mutex> lock(mutex);
      waitUntil(lock, [&] {
        return done.count(nextWrite) > 0 || (readingDone && nextWrite == nextRead) || halted();
      });
      if (halted() || done.count(nextWrite) == 0) return;
      auto node = done.extract(nextWrite);
      lock.unlock();
      const bool written = write(node.mapped());
      lock.lock();
      if (!written) failed = true;
      ++nextWrite;
      changed.notify_all();
    }
  });

  for (;;) {
    {
      std::unique_lock<std::mutex> lock(mutex);
      waitUntil(lock, [&] { return nextRead - nextWrite < window || halted(); });
      if (halted()) break;
    }
    Batch batch;
    const bool more = read(batch);
    std::lock_guard<std::mutex> lock(mutex);
    if (!more) break;
    todo.emplace_back(nextRead++, std::move(batch));
    changed.notify_all();
  }
  {
    std::lock_guard<std::mutex> lock(mutex);
    readingDone = true;
    changed.notify_all();
  }
  writer.join();
  for (std::thread& worker : workers) worker.join();
  return !halted() && nextWrite == nextRead;
}

}  // namespace cli

#endif
