// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a scenario, one user action per line, against the main window model
// as it stands after loading with no saved settings.
#ifndef HYDRELIX_SCENARIO_SCENARIO_RUNNER_H
#define HYDRELIX_SCENARIO_SCENARIO_RUNNER_H

#include <istream>
#include <ostream>
#include <string_view>

namespace scenario {

// How a run ended; each is also the program's exit status.
enum RunOutcome : int {
  kEveryLinePlayed = 0,
  kLineRefused = 1,
  kInputUnreadable = 2,
  kOutputUnwritable = 3,
};

// Writes each `show` to `out`, flushed, and the first fault to `errors`: a
// refused line by its number, an input that fails to read by `input_name`, or
// an output that takes no more. Stops at the first fault, so a report that
// cannot be written never lets the run look played.
RunOutcome RunScenario(std::istream& in, std::string_view input_name, std::ostream& out,
                       std::ostream& errors);

}  // namespace scenario

#endif
