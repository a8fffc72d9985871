// One state computed under both formulations from the same two inputs, and
// the table that sets them side by side:
//   Property | IAPWS-IF97 | IFC-67 | Δ (IFC-67 − IF-97) | Δ % | Unit | ≠
// for the fifteen results and the phase. Δ and Δ % come from the unrounded
// values (Δ % of the IF-97 value; of the absolute temperature for the
// temperature) and are blank where either side is a placeholder or zero. A
// row whose phase differs, or whose |Δ %| passes the threshold, carries "≠".
// A side the formulation refuses is blank, with the refusal's message.
#ifndef HYDRELIX_ANALYSIS_FORMULATION_COMPARISON_H
#define HYDRELIX_ANALYSIS_FORMULATION_COMPARISON_H

#include "analysis/diagnostics.h"
#include "analysis/display_units.h"
#include "analysis/text_table.h"
#include "steam/steam.h"

#include <optional>
#include <string>
#include <vector>

namespace analysis {

inline constexpr double kDefaultDifferenceThresholdPercent = 0.1;

struct FormulationSide {
  steam::Formulation formulation = steam::Formulation::IF97;
  // The state, when the formulation gives one.
  std::optional<steam::SteamState> state;
  std::optional<Phase> phase;
  // Why there is no state: the formulation's messages, or a sentence of our
  // own when it refused without one.
  std::string refusal;
};

struct FormulationComparison {
  FormulationSide if97;
  FormulationSide ifc67;
};

// The two inputs as doubles in working units, computed under each formulation
// through steam::Solve.
FormulationComparison CompareFormulations(steam::InputPair pair, double first, double second,
                                          steam::PropertyLibraries& libraries);

struct ComparisonTable {
  TextTable table;
  // Whether each row carries the "≠" mark.
  std::vector<bool> differs;
};

// The two inputs of a computed state, under both formulations.
FormulationComparison CompareFormulationsOf(const steam::SteamState& state,
                                            steam::PropertyLibraries& libraries);

// "Inputs T, p: 212.00 °F, 14.696 psia", in the units and formats shown.
std::string InputsCaption(const steam::SteamState& state, const DisplayUnits& shown);

ComparisonTable ComparisonRows(const FormulationComparison& comparison, const DisplayUnits& shown,
                               double thresholdPercent);

// The caption of a result as the main window labels it, without "&" and ":".
const char* ResultCaption(steam::Result result);

}  // namespace analysis

#endif
