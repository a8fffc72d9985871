// SPDX-License-Identifier: GPL-3.0-or-later
// What each process step is given besides its inlet, as the command line's
// options and the Process Steps window's fields: the name ("p2", "flow"),
// the caption, what the value measures and the input it fills.
#ifndef HYDRELIX_ANALYSIS_PROCESS_OPTIONS_H
#define HYDRELIX_ANALYSIS_PROCESS_OPTIONS_H

#include "analysis/process_steps.h"

#include <optional>
#include <string_view>
#include <vector>

namespace analysis {

// What a value measures: a quantity of the window's lists, a quality, a
// percentage, or a mass flow.
enum class OptionValue { Pressure, Temperature, Enthalpy, Quality, Percent, Flow };

struct ProcessOption {
  const char* name;     // "p2", "efficiency", "spray-T", ...
  const char* caption;  // "Outlet pressure", ...
  OptionValue value;
  std::optional<double> ProcessInputs::*field;
  unsigned steps;  // a bit for each ProcessKind that takes it
};

// Every option, in the order the help and the window list them.
const std::vector<ProcessOption>& AllProcessOptions();
// The options one step takes; the calorimeter's inlet pressure included
// ("p1", which the command line takes as the inlet).
std::vector<const ProcessOption*> OptionsOf(ProcessKind kind);
bool Takes(const ProcessOption& option, ProcessKind kind);
// The option named `name`, in either case; nullptr for none.
const ProcessOption* FindProcessOption(std::string_view name);

}  // namespace analysis

#endif
