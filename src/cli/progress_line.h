// SPDX-License-Identifier: GPL-3.0-or-later
// The line a long run keeps up to date on a terminal's standard error: rows
// done, rows per second and, when the input's size is known, the time left.
// Disabled, it writes nothing, so a pipe or a log never sees it.
#ifndef HYDRELIX_CLI_PROGRESS_LINE_H
#define HYDRELIX_CLI_PROGRESS_LINE_H

#include <chrono>
#include <cstdint>

namespace cli {

class ProgressLine {
 public:
  // `inputSize` in bytes, 0 when unknown.
  ProgressLine(bool enabled, std::uint64_t inputSize);

  // Rewrites the line at most a few times a second.
  void Update(std::uint64_t rows, std::uint64_t bytesRead);
  // Clears the line.
  void Finish();

 private:
  using Clock = std::chrono::steady_clock;
  bool enabled_;
  bool shown_ = false;
  std::uint64_t inputSize_;
  Clock::time_point start_;
  Clock::time_point last_;
};

}  // namespace cli

#endif
