// The pinned states as the pins window shows and copies them, expressed in
// the main window's current units and formats:
//   Name | Formulation | Inputs | T | p | x | h | s | v | ΔT | Δh | Δs | Note
// The unit stands in each header cell ("T [°F]"); temperature differences are
// in the selected unit's interval. Note says "reference" on the row the
// differences are taken against and "mixed" where a difference spans the
// two formulations.
#ifndef HYDRELIX_ANALYSIS_PIN_TABLE_H
#define HYDRELIX_ANALYSIS_PIN_TABLE_H

#include "analysis/display_units.h"
#include "analysis/pinned_states.h"
#include "analysis/text_table.h"

#include <optional>

namespace analysis {

inline constexpr int kPinNameColumn = 0;
inline constexpr int kPinFirstValueColumn = 3;
inline constexpr int kPinColumnCount = 13;

TextTable PinTable(const PinnedStates& pins, const DisplayUnits& shown);

// The pinned result a value column shows, nothing for the other columns; a
// view marks the cells of a pin's two inputs with it.
std::optional<steam::Result> PinColumnResult(int column);

}  // namespace analysis

#endif
