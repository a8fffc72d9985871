// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/progress_line.h"

#include <cstdio>

namespace cli {

ProgressLine::ProgressLine(bool enabled, std::uint64_t inputSize)
    : enabled_(enabled), inputSize_(inputSize), start_(Clock::now()), last_(start_) {}

void ProgressLine::Update(std::uint64_t rows, std::uint64_t bytesRead) {
  if (!enabled_) return;
  const Clock::time_point now = Clock::now();
  if (now - last_ < std::chrono::milliseconds(250)) return;
  last_ = now;
  const double seconds = std::chrono::duration<double>(now - start_).count();
  const double rate = seconds > 0 ? rows / seconds : 0.0;
  char left[64] = "";
  if (inputSize_ > 0 && bytesRead > 0 && bytesRead <= inputSize_) {
    const double remaining = seconds * static_cast<double>(inputSize_ - bytesRead) / bytesRead;
    const long whole = static_cast<long>(remaining + 0.5);
    std::snprintf(left, sizeof left, ", %ld:%02ld left", whole / 60, whole % 60);
  }
  std::fprintf(stderr, "\r\033[K%llu rows, %.0f rows/s%s", static_cast<unsigned long long>(rows),
               rate, left);
  std::fflush(stderr);
  shown_ = true;
}

void ProgressLine::Finish() {
  if (!shown_) return;
  std::fputs("\r\033[K", stderr);
  std::fflush(stderr);
  shown_ = false;
}

}  // namespace cli
