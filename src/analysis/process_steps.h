// SPDX-License-Identifier: GPL-3.0-or-later
// What happens to a state in the plant's common steps: a turbine's
// expansion, a pump's or compressor's compression, a valve (with optional
// spray desuperheating), a throttling calorimeter, a heater, boiler or
// cooler, and a flash tank. Every state is computed through Solve, from
// temperature and pressure for a single phase or pressure and quality for a
// wet one; all arithmetic is on unrounded doubles in SI (MPa, K, kJ/kg,
// kJ/(kg K), m3/kg, kg/s, kW), efficiencies as fractions.
#ifndef HYDRELIX_ANALYSIS_PROCESS_STEPS_H
#define HYDRELIX_ANALYSIS_PROCESS_STEPS_H

#include "steam/steam.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace analysis {

enum class ProcessKind { Expand, Compress, Throttle, Calorimeter, Heat, Flash };

// The command-line names: "expand", "compress", "throttle", "calorimeter",
// "heat", "flash".
const char* ProcessKindName(ProcessKind kind);
std::optional<ProcessKind> ProcessKindNamed(const std::string& name);

struct ProcessInputs {
  std::optional<double> inletPressure;    // MPa, the calorimeter's only inlet value
  std::optional<double> outletPressure;   // p2, MPa (heat: defaults to p1)
  std::optional<double> efficiency;       // isentropic, 0 < eta <= 1
  // Instead of the efficiency (expand), or what the heater reaches (heat):
  std::optional<double> outletEnthalpy;   // kJ/kg
  std::optional<double> outletQuality;    // 0..1
  std::optional<double> outletTemperature;  // K; the calorimeter's measured T2
  std::optional<double> duty;             // heat added per unit mass, kJ/kg
  std::optional<double> massFlow;         // kg/s
  std::optional<double> generatorEfficiency;   // fraction
  std::optional<double> combustionEfficiency;  // fraction
  // Spray desuperheating after a valve: the water's pressure and temperature
  // and the outlet temperature to reach.
  std::optional<double> sprayPressure;     // MPa
  std::optional<double> sprayTemperature;  // K
  std::optional<double> targetTemperature; // K
};

// What a figure measures, so that a view can express it in its units.
enum class FigureQuantity { SpecificEnergy, SpecificEntropy, Power, MassFlow, Ratio };

struct ProcessFigure {
  std::string key;  // "work", "shaft_power", "flash_fraction", ...
  FigureQuantity quantity;
  double value;  // SI: kJ/kg, kJ/(kg K), kW, kg/s, or a plain number
};

struct ProcessState {
  std::string key;  // "inlet", "ideal_outlet", "outlet", "vapor", "liquid"
  std::optional<steam::SteamState> state;  // none where the step has no such state
};

struct ProcessResult {
  // A refused step has its reason here and nothing else.
  std::optional<std::string> refusal;
  std::vector<ProcessState> states;
  std::vector<ProcessFigure> figures;
  // Notes that do not refuse the step (a flash tank that does not flash).
  std::vector<std::string> messages;
  // The step as a line of computed states from inlet to outlet, for charts.
  std::vector<steam::SteamState> path;

  const steam::SteamState* State(const std::string& key) const;
  std::optional<double> Figure(const std::string& key) const;
};

// How a refusal names its limit in the user's units: a pressure (MPa) or a
// temperature (K) as the text the user reads, with its unit.
enum class LimitQuantity { Pressure, Temperature };
using LimitText = std::function<std::string(LimitQuantity quantity, double si)>;

// The step from `inlet`, a state Solve computed under `formulation`. The
// calorimeter has no inlet state: it finds it from inputs.inletPressure and
// the outlet.
ProcessResult RunProcess(ProcessKind kind, steam::Formulation formulation,
                         const std::optional<steam::SteamState>& inlet, const ProcessInputs& inputs,
                         steam::PropertyLibraries& libraries, const LimitText& limitText);

}  // namespace analysis

#endif
