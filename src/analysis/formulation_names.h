// The names the analysis windows give the two formulations and the input
// pairs in their tables and files.
#ifndef HYDRELIX_ANALYSIS_FORMULATION_NAMES_H
#define HYDRELIX_ANALYSIS_FORMULATION_NAMES_H

#include "analysis/state_table.h"
#include "steam/steam.h"

#include <optional>
#include <string_view>

namespace analysis {

// FormulationName(formulation) gives "IAPWS-IF97" or "IFC-67"; the reverse:
std::optional<steam::Formulation> FormulationNamed(std::string_view name);

// "T, p", "T, x", "T, h", "T, s", "p, x", "p, h", "p, s".
const char* PairSymbols(steam::InputPair pair);
std::optional<steam::InputPair> PairWithSymbols(std::string_view symbols);

}  // namespace analysis

#endif
