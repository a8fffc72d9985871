// SPDX-License-Identifier: GPL-3.0-or-later
// Where a computed state lies, as the command line reports it: the region,
// the phase word and the margins to saturation, in SI units (K, MPa).
// Nothing where it cannot be told.
#ifndef HYDRELIX_CLI_STATE_DIAGNOSTICS_H
#define HYDRELIX_CLI_STATE_DIAGNOSTICS_H

#include <optional>
#include <string>

#include "steam/steam.h"

namespace cli {

struct StateDiagnostics {
  std::optional<int> region;
  std::string phase;
  std::optional<double> saturationTemperature;  // K
  std::optional<double> saturationPressure;     // MPa
  std::optional<double> superheat;              // K
  std::optional<double> subcooling;             // K
};

std::optional<StateDiagnostics> DiagnoseState(const steam::SteamState& state);

}  // namespace cli

#endif
