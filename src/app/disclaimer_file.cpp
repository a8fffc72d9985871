// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/disclaimer_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app {

namespace {

std::string TrimmedBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

class OpenFile {
 public:
  explicit OpenFile(const std::string& path)
      : descriptor_(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {}
  ~OpenFile() {
    if (descriptor_ >= 0) close(descriptor_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  int descriptor() const { return descriptor_; }

 private:
  int descriptor_;
};

}  // namespace

std::string DisclaimerFilePath(const std::string& folder) {
  const std::string trimmed = TrimmedBlanks(folder);
  const bool endsInSeparator = !trimmed.empty() && trimmed.back() == '/';
  return folder + (endsInSeparator ? "" : "/") + "disclaimer.txt";
}

std::optional<std::string> ReadDisclaimerFile(const std::string& path) {
  // Non-blocking, so a FIFO in its place cannot hang the window; the kind
  // and size are asked of the opened file, not of its name.
  const OpenFile file(path);
  if (file.descriptor() < 0) return std::nullopt;
  struct stat status {};
  if (fstat(file.descriptor(), &status) != 0 || !S_ISREG(status.st_mode) ||
      static_cast<std::uintmax_t>(status.st_size) > kLargestDisclaimerFile) {
    return std::nullopt;
  }
  std::string text;
  char buffer[4096];
  for (;;) {
    const ssize_t count = read(file.descriptor(), buffer, sizeof buffer);
    if (count < 0) return std::nullopt;
    if (count == 0) break;
    text.append(buffer, static_cast<size_t>(count));
    // A file that grows while it is read is held to the same limit.
    if (text.size() > kLargestDisclaimerFile) return std::nullopt;
  }
  return text;
}

}  // namespace app
