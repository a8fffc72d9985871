// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+C, SIGTERM and SIGHUP during a long run: from construction on, these
// signals are blocked in the calling thread and in every thread it starts
// later, and a watcher thread takes them instead. The first one removes the
// registered temporary file at once and sets Stop(), so the run ends after the
// rows in hand; the run then calls Reraise() to die of the signal as an
// uninterrupted program would. A second signal, or a run that does not end
// within a few seconds, ends the program at once.
#ifndef HYDRELIX_CLI_INTERRUPTION_H
#define HYDRELIX_CLI_INTERRUPTION_H

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace cli {

class Interruption {
 public:
  Interruption();
  ~Interruption();
  Interruption(const Interruption&) = delete;
  Interruption& operator=(const Interruption&) = delete;

  const std::atomic<bool>& Stop() const { return stop_; }
  int Signal() const { return signal_.load(); }

  // The file to remove when a signal comes; empty for none.
  void RemoveOnSignal(const std::string& path);

  // Ends the program by the signal that stopped it.
  [[noreturn]] void Reraise();

 private:
  void Watch();
  void RemoveFile();

  std::atomic<bool> stop_{false};
  std::atomic<bool> finished_{false};
  std::atomic<int> signal_{0};
  std::mutex mutex_;
  std::string path_;
  std::thread watcher_;
};

}  // namespace cli

#endif
