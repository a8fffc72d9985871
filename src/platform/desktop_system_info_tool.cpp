// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop_system_info_tool.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

namespace {

// Programs that show a summary of the machine, as the other desktop's tool
// does; the first one installed wins.
constexpr const char* kKnownTools[] = {"hardinfo2", "hardinfo", "kinfocenter", "lshw-gtk"};

}  // namespace

std::optional<std::string> DesktopSystemInfoTool::FullPath() const {
  for (const char* name : kKnownTools) {
    const QString found = QStandardPaths::findExecutable(name);
    if (!found.isEmpty()) return found.toStdString();
  }
  return std::nullopt;
}

std::optional<std::string> DesktopSystemInfoTool::Folder() const {
  const QFileInfo folder("/usr/bin");
  if (!folder.isDir()) return std::nullopt;
  return folder.filePath().toStdString();
}

std::string DesktopSystemInfoTool::FileName() const { return "/hardinfo"; }

bool DesktopSystemInfoTool::FileExists(const std::string& path) const {
  const QFileInfo file(QString::fromStdString(path));
  return file.isFile() && file.isExecutable();
}

bool DesktopSystemInfoTool::Start(const std::string& path) {
  // Detached: the About window does not wait for it, and it outlives us.
  return QProcess::startDetached(QString::fromStdString(path), {});
}

}  // namespace platform
