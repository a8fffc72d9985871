// SPDX-License-Identifier: GPL-3.0-or-later
// Where a computed state lies: its region of the formulation, its phase,
// its distance to saturation and to the formulation's validity limits, and
// the saturated liquid and vapour beside it. All in SI units (K, MPa,
// m3/kg, kJ/kg, kJ/(kg K)); the windows and the command line express them in
// the user's units.
#ifndef HYDRELIX_ANALYSIS_DIAGNOSTICS_H
#define HYDRELIX_ANALYSIS_DIAGNOSTICS_H

#include "steam/steam.h"

#include <optional>
#include <string>

namespace analysis {

enum class Phase {
  CompressedLiquid, SaturatedLiquid, WetSteam, SaturatedVapor, SuperheatedVapor,
  SupercriticalFluid, LiquidAboveCriticalPressure, GasAboveCriticalTemperature, CriticalPoint
};

// "Compressed liquid", "Saturated liquid", "Wet steam", "Saturated vapor",
// "Superheated vapor", "Supercritical fluid", "Liquid above the critical
// pressure", "Gas above the critical temperature", "Critical point".
const char* PhaseWord(Phase phase);

struct SaturatedEnd {
  double temperature;  // K
  double pressure;     // MPa
  double volume;       // m3/kg
  double enthalpy;     // kJ/kg
  double entropy;      // kJ/(kg K)
};

struct SaturationPair {
  SaturatedEnd liquid;
  SaturatedEnd vapor;
  double enthalpyOfEvaporation;  // hfg, kJ/kg
  double entropyOfEvaporation;   // sfg, kJ/(kg K)
};

struct ValidityLimit {
  enum class Quantity { Temperature, Pressure };
  // What bounds the state, e.g. "region 5 upper pressure".
  std::string name;
  Quantity quantity = Quantity::Pressure;
  double value = 0.0;     // the limit, K or MPa
  double distance = 0.0;  // how far inside it the state lies, K or MPa
};

struct Diagnostics {
  // IF-97: 1, 2, 3, 5, or 4 for a wet state. IFC-67: the library's subregion,
  // none for a wet state.
  std::optional<int> region;
  Phase phase = Phase::CompressedLiquid;
  // Tsat(p) and psat(T), where they exist (below the formulation's own
  // critical point).
  std::optional<double> saturationTemperature;  // K
  std::optional<double> saturationPressure;     // MPa
  // T - Tsat(p) of a vapour, Tsat(p) - T of a liquid; K.
  std::optional<double> superheat;
  std::optional<double> subcooling;
  // p - psat(T); MPa.
  std::optional<double> pressureMargin;
  ValidityLimit nearestLimit;
  // The saturated liquid and vapour at the state's pressure, or at its
  // temperature above the critical pressure where T < Tc.
  std::optional<SaturationPair> saturation;
};

// The diagnostics of a state Solve computed.
Diagnostics Diagnose(const steam::SteamState& state);

// The region and phase of a state at T (K) and p (MPa), for code that works
// in SI without Solve: `onLine` for a state found on the saturation line,
// `quality` its vapour fraction (of a single-phase state exactly at the
// saturation temperature: 1 on the vapour side, else the liquid).
std::optional<int> RegionOf(steam::Formulation formulation, double T, double p, bool onLine);
Phase PhaseOf(steam::Formulation formulation, double T, double p, bool onLine, double quality);

}  // namespace analysis

#endif
