// SPDX-License-Identifier: GPL-3.0-or-later
// Where a long run writes: standard output, or a file that appears complete
// or not at all. A file is written under a temporary name beside it and
// renamed over it at the end; a run that fails or is interrupted removes the
// temporary file and leaves any earlier file of that name as it was.
#ifndef HYDRELIX_CLI_OUTPUT_FILE_H
#define HYDRELIX_CLI_OUTPUT_FILE_H

#include <string>
#include <string_view>

namespace cli {

class OutputFile {
 public:
  // Standard output.
  OutputFile() = default;
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Starts the temporary file for `path`; false with `error` set when it
  // cannot be made.
  bool Open(const std::string& path, std::string& error);
  // The temporary file's name, empty for standard output.
  const std::string& TemporaryPath() const { return temporary_; }

  // Writes all of `data`; false (see Error) when it cannot.
  bool Write(std::string_view data);
  // Makes the file appear under its name (flushes standard output).
  bool Commit();
  // Removes the temporary file.
  void Abandon();
  const std::string& Error() const { return error_; }

 private:
  int fd_ = 1;
  std::string path_;
  std::string temporary_;
  std::string error_;
};

}  // namespace cli

#endif
