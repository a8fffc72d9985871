// Which two of the fifteen results an input pair gives, and their values in a
// computed state.
#ifndef HYDRELIX_ANALYSIS_INPUT_RESULTS_H
#define HYDRELIX_ANALYSIS_INPUT_RESULTS_H

#include "steam/steam.h"

#include <array>

namespace analysis {

// The pair's two results, in the order its name gives them.
std::array<steam::Result, 2> InputResults(steam::InputPair pair);

// The state's values of its pair's two results, in working units.
std::array<double, 2> InputValues(const steam::SteamState& state);

}  // namespace analysis

#endif
