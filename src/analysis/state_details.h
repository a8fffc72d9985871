// Where a computed state lies, as rows of text for the State Details window
// and its Copy: Property | Value | Unit, every value in the main window's
// units and display formats, temperature differences in the interval of the
// selected temperature unit.
#ifndef HYDRELIX_ANALYSIS_STATE_DETAILS_H
#define HYDRELIX_ANALYSIS_STATE_DETAILS_H

#include "analysis/diagnostics.h"
#include "analysis/display_units.h"
#include "analysis/text_table.h"
#include "steam/steam.h"

namespace analysis {

TextTable StateDetailsRows(const steam::SteamState& state, const Diagnostics& diagnostics,
                           const DisplayUnits& shown);

// The rows of the state's own diagnostics.
TextTable StateDetailsRows(const steam::SteamState& state, const DisplayUnits& shown);

}  // namespace analysis

#endif
