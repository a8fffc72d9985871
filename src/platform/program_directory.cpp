// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/program_directory.h"

#include <unistd.h>

#include <array>

namespace platform {

std::string ProgramDirectory() {
  std::array<char, 4096> path{};
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (length <= 0) return ".";
  const std::string executable(path.data(), static_cast<size_t>(length));
  const size_t slash = executable.find_last_of('/');
  return slash == std::string::npos ? "." : executable.substr(0, slash);
}

}  // namespace platform
