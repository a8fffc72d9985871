// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of hydrelix-cli: a subcommand, its positional arguments
// and options anywhere on the line as "--opt VALUE" or "--opt=VALUE".
#ifndef HYDRELIX_CLI_COMMAND_LINE_H
#define HYDRELIX_CLI_COMMAND_LINE_H

#include <optional>
#include <string>
#include <vector>

#include "cli/process_options.h"

namespace cli {

struct CommandLine {
  std::string subcommand;              // the first positional argument
  std::vector<std::string> arguments;  // the positional arguments after it
  std::optional<std::string> formulation, units, format, output, jobs;
  std::vector<std::string> unitChoices;  // each --unit KEY=UNIT
  ProcessOptions processOptions;         // --p2, --efficiency, ... of process
  // `table`'s ranges (--T, --p), its column keys and --log.
  std::optional<std::string> temperatures, pressures, columns;
  bool logarithmic = false;
  bool help = false;
  bool version = false;
};

// The parsed line, or nothing with `reason` set (an unknown option, an option
// without its value).
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments,
                                            std::string& reason);

// The usage lines of a subcommand (all of them for an unknown one), and its
// full help with examples.
const char* UsageOf(const std::string& subcommand);
const char* HelpOf(const std::string& subcommand);

}  // namespace cli

#endif
