// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/interruption.h"

#include <pthread.h>
#include <unistd.h>

#include <csignal>
#include <ctime>

namespace cli {
namespace {

sigset_t Watched() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGHUP);
  return set;
}

// The watcher looks for signals this often, and a stopped run may take this
// many looks (three seconds) to write the rows in hand.
constexpr long kLookNanoseconds = 25000000;
constexpr int kGraceLooks = 120;

}  // namespace

Interruption::Interruption() {
  const sigset_t set = Watched();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  watcher_ = std::thread([this] { Watch(); });
}

Interruption::~Interruption() {
  finished_ = true;
  watcher_.join();
}

void Interruption::RemoveOnSignal(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  path_ = path;
}

void Interruption::RemoveFile() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!path_.empty()) ::unlink(path_.c_str());
  path_.clear();
}

void Interruption::Watch() {
  const sigset_t set = Watched();
  const timespec look{0, kLookNanoseconds};
  int looksSinceStop = 0;
  while (!finished_) {
    const int caught = sigtimedwait(&set, nullptr, &look);
    if (caught > 0) {
      RemoveFile();
      if (signal_.exchange(caught) != 0) _exit(128 + caught);
      stop_ = true;
    } else if (stop_ && ++looksSinceStop > kGraceLooks) {
      RemoveFile();
      _exit(128 + signal_.load());
    }
  }
}

void Interruption::Reraise() {
  const int caught = signal_.load();
  RemoveFile();
  finished_ = true;
  if (watcher_.joinable()) watcher_.join();
  std::signal(caught, SIG_DFL);
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, caught);
  pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
  std::raise(caught);
  _exit(128 + caught);
}

}  // namespace cli
