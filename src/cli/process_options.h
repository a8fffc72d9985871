// SPDX-License-Identifier: GPL-3.0-or-later
// The options of `hydrelix-cli process`: what the step is given besides its
// inlet (--p2, --efficiency, --h2, --x2, --T2, --duty, --flow,
// --generator-efficiency, --combustion-efficiency, --spray-p, --spray-T,
// --target-T), each VALUE[UNIT] read into the process module's SI inputs, and
// the subcommand's usage and help.
#ifndef HYDRELIX_CLI_PROCESS_OPTIONS_H
#define HYDRELIX_CLI_PROCESS_OPTIONS_H

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "analysis/process_steps.h"

namespace cli {

// Whether --NAME is an option of process (names in either case).
bool IsProcessOption(std::string_view name);

// The options given, NAME and VALUE in the order typed; a later one wins.
using ProcessOptions = std::vector<std::pair<std::string, std::string>>;

// The options of a step of `kind` in SI (MPa, K, kJ/kg, kg/s, efficiencies as
// fractions); a value without a unit is in the unit system's unit (IP or
// SI). False, with `reason` set, for an option the step does not take or a
// value that is not VALUE[UNIT] of its quantity.
bool ReadProcessOptions(analysis::ProcessKind kind, const ProcessOptions& options, bool si,
                        analysis::ProcessInputs& inputs, std::string& reason);

extern const char* const kProcessUsage;
const char* ProcessHelp();

}  // namespace cli

#endif
