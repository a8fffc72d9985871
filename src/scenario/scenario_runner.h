// Plays a scenario, one user action per line, against the main window model
// as it stands after loading with no saved settings.
#ifndef HYDRELIX_SCENARIO_SCENARIO_RUNNER_H
#define HYDRELIX_SCENARIO_SCENARIO_RUNNER_H

#include <istream>
#include <ostream>

namespace scenario {

// Writes each `show` to `out` and the first error, naming its line, to
// `errors`. Returns 0 when every line ran, 1 at the first bad line.
int RunScenario(std::istream& in, std::ostream& out, std::ostream& errors);

}  // namespace scenario

#endif
