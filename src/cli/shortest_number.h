// SPDX-License-Identifier: GPL-3.0-or-later
// A double written as the shortest text that reads back as the same double
// ("100", "541.1049304707313", "1e-05"), the form every number the command
// line writes for programs takes.
#ifndef HYDRELIX_CLI_SHORTEST_NUMBER_H
#define HYDRELIX_CLI_SHORTEST_NUMBER_H

#include <string>

namespace cli {

// Zero is written "0" whatever its sign. Meant for finite values.
std::string ShortestText(double value);
void AppendShortest(std::string& out, double value);

}  // namespace cli

#endif
