// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace cli {

OutputFile::~OutputFile() { Abandon(); }

bool OutputFile::Open(const std::string& path, std::string& error) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string pattern = folder + "." + name + ".XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  const int fd = ::mkstemp(buffer.data());
  if (fd < 0) {
    error = "cannot write " + path + ": " + std::strerror(errno);
    return false;
  }
  // mkstemp makes the file private; the output gets the usual permissions.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  fd_ = fd;
  path_ = path;
  temporary_ = buffer.data();
  return true;
}

bool OutputFile::Write(std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd_, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      error_ = std::string("cannot write ") + (path_.empty() ? "standard output" : path_) + ": " +
               std::strerror(errno);
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool OutputFile::Commit() {
  if (temporary_.empty()) return true;
  const int fd = fd_;
  fd_ = 1;
  if (::fsync(fd) != 0 || ::close(fd) != 0 || ::rename(temporary_.c_str(), path_.c_str()) != 0) {
    error_ = "cannot write " + path_ + ": " + std::strerror(errno);
    ::unlink(temporary_.c_str());
    temporary_.clear();
    return false;
  }
  temporary_.clear();
  return true;
}

void OutputFile::Abandon() {
  if (temporary_.empty()) return;
  ::close(fd_);
  fd_ = 1;
  ::unlink(temporary_.c_str());
  temporary_.clear();
}

}  // namespace cli
