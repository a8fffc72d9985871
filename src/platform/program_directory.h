// SPDX-License-Identifier: GPL-3.0-or-later
// The folder the running program was started from, where the property
// libraries, the help file and the disclaimer sit.
#ifndef HYDRELIX_PLATFORM_PROGRAM_DIRECTORY_H
#define HYDRELIX_PLATFORM_PROGRAM_DIRECTORY_H

#include <string>

namespace platform {

std::string ProgramDirectory();

}  // namespace platform

#endif
