// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's system-information program on Linux: one of a few
// well-known ones on the search path, else the usual one in the system's
// program folder (for a start with a search path that lacks it).
#ifndef HYDRELIX_PLATFORM_DESKTOP_SYSTEM_INFO_TOOL_H
#define HYDRELIX_PLATFORM_DESKTOP_SYSTEM_INFO_TOOL_H

#include "app/system_info_tool.h"

namespace platform {

class DesktopSystemInfoTool final : public app::SystemInfoTool {
 public:
  std::optional<std::string> FullPath() const override;
  std::optional<std::string> Folder() const override;
  std::string FileName() const override;
  bool FileExists(const std::string& path) const override;
  bool Start(const std::string& path) override;
};

}  // namespace platform

#endif
