// SPDX-License-Identifier: GPL-3.0-or-later
// One state as the command line reports it: each of the fifteen results with
// its value in the chosen unit by exact factors, the unit's label and the
// text the window's field shows; where the state lies; or why it was
// refused.
#ifndef HYDRELIX_CLI_STATE_REPORT_H
#define HYDRELIX_CLI_STATE_REPORT_H

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "cli/result_keys.h"
#include "cli/state_inputs.h"
#include "steam/property_libraries.h"
#include "steam/steam.h"

namespace cli {

struct ReportOptions {
  steam::Formulation formulation = steam::Formulation::IF97;
  bool si = false;
  ResultUnits units = SystemUnits(false);
  // Whether the window's texts, the units' labels and the margins to
  // saturation are wanted (batch rows carry values, region and phase only,
  // under a header that names the units).
  bool texts = true;
};

struct ReportedProperty {
  std::optional<double> value;  // nothing where the window shows a placeholder
  std::string unit;             // the list's label, "-" without a list
  std::string text;             // the window's field text
};

// A margin to saturation: a temperature, a pressure or a temperature
// difference.
struct ReportedMeasure {
  const char* key;
  double value;
  std::string unit;
};

struct StateReport {
  steam::Formulation formulation = steam::Formulation::IF97;
  bool si = false;
  steam::InputPair pair = steam::InputPair::TemperaturePressure;
  bool computed = false;
  std::array<ReportedProperty, steam::kResultCount> properties;
  // Where the state lies, when that could be told.
  bool diagnosed = false;
  std::optional<int> region;
  std::string phase;
  std::vector<ReportedMeasure> margins;
  // Why a state was refused: the window's messages joined, \r as a space.
  std::string errorMessage;
  std::string errorTitle;
  // A message the window showed before the results of a computed state.
  std::string notice;
};

struct StateRequest {
  InputName names[2];
  QuantityText texts[2];
};

StateReport ReportState(const StateRequest& request, const ReportOptions& options,
                        steam::PropertyLibraries& libraries);

// ReportState in its two steps. The state the request names, computed as the
// window computes it, with the formulation, units, pair and any notice in
// `report`; nothing, with the refusal in `report`, where it is refused.
std::optional<steam::SteamState> SolveRequest(const StateRequest& request,
                                              const ReportOptions& options,
                                              steam::PropertyLibraries& libraries,
                                              StateReport& report);
// A computed state's results and diagnostics into `report`, whatever
// computed it (a process step's outlet as much as a typed state).
void ReportComputedState(const steam::SteamState& state, const ReportOptions& options,
                         StateReport& report);

// "IAPWS-IF97" or "IFC-67".
const char* FormulationName(steam::Formulation formulation);

}  // namespace cli

#endif
