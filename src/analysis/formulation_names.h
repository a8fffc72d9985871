// The names the analysis windows give the two formulations and the input
// pairs in their tables.
#ifndef HYDRELIX_ANALYSIS_FORMULATION_NAMES_H
#define HYDRELIX_ANALYSIS_FORMULATION_NAMES_H

#include "steam/steam.h"

#include <optional>
#include <string_view>

namespace analysis {

// "IAPWS-IF97" or "IFC-67".
const char* FormulationName(steam::Formulation formulation);
std::optional<steam::Formulation> FormulationNamed(std::string_view name);

// "T, p", "T, x", "T, h", "T, s", "p, x", "p, h", "p, s".
const char* PairSymbols(steam::InputPair pair);
std::optional<steam::InputPair> PairWithSymbols(std::string_view symbols);

}  // namespace analysis

#endif
