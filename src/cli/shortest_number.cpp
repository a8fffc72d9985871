// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/shortest_number.h"

#include <charconv>

namespace cli {

void AppendShortest(std::string& out, double value) {
  if (value == 0.0) {
    out += '0';
    return;
  }
  char buffer[32];
  const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, written.ptr);
}

std::string ShortestText(double value) {
  std::string text;
  AppendShortest(text, value);
  return text;
}

}  // namespace cli
