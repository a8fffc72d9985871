// SPDX-License-Identifier: GPL-3.0-or-later
// Where the desktop's system-information program is found, in two steps as
// on the platform the program came from: a full path if one is recorded,
// else a folder that should hold the tool under a known file name.
#ifndef HYDRELIX_APP_SYSTEM_INFO_TOOL_H
#define HYDRELIX_APP_SYSTEM_INFO_TOOL_H

#include <optional>
#include <string>

namespace app {

class SystemInfoTool {
 public:
  virtual ~SystemInfoTool() = default;
  // The tool's full path, when one is known.
  virtual std::optional<std::string> FullPath() const = 0;
  // A folder the tool is looked for in, and its file name there ("/name").
  virtual std::optional<std::string> Folder() const = 0;
  virtual std::string FileName() const = 0;
  virtual bool FileExists(const std::string& path) const = 0;
  // Starts the program as a normal window with the focus, without waiting
  // for it; false when it could not be started.
  virtual bool Start(const std::string& path) = 0;
};

}  // namespace app

#endif
