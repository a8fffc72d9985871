// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/state_diagnostics.h"

#include "analysis/diagnostics.h"

namespace cli {

std::optional<StateDiagnostics> DiagnoseState(const steam::SteamState& state) {
  const analysis::Diagnostics diagnostics = analysis::Diagnose(state);
  StateDiagnostics reported;
  reported.region = diagnostics.region;
  reported.phase = analysis::PhaseWord(diagnostics.phase);
  reported.saturationTemperature = diagnostics.saturationTemperature;
  reported.saturationPressure = diagnostics.saturationPressure;
  reported.superheat = diagnostics.superheat;
  reported.subcooling = diagnostics.subcooling;
  return reported;
}

}  // namespace cli
