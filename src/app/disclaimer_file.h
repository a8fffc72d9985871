// SPDX-License-Identifier: GPL-3.0-or-later
// The disclaimer text lives in "disclaimer.txt" beside the program; the file
// belongs to the installation.
#ifndef HYDRELIX_APP_DISCLAIMER_FILE_H
#define HYDRELIX_APP_DISCLAIMER_FILE_H

#include <cstdint>
#include <optional>
#include <string>

namespace app {

// A larger file is not a disclaimer but a mistake of the installation.
inline constexpr std::uintmax_t kLargestDisclaimerFile = 1024 * 1024;

// The folder and "disclaimer.txt", with one separator between them.
std::string DisclaimerFilePath(const std::string& folder);

// Every byte of the file as it is, line breaks included; nothing when it is
// missing, not a regular file, larger than kLargestDisclaimerFile or cannot
// be read.
std::optional<std::string> ReadDisclaimerFile(const std::string& path);

}  // namespace app

#endif
