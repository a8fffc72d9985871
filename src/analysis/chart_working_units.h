// The charts' bridge between SI and the main window's working units
// (deg F, psia, Btu/lbmol, Btu/(lbmol R)), with the formulation modules' own
// factors so that a state Solve computed lands where the engines put it.
#ifndef HYDRELIX_ANALYSIS_CHART_WORKING_UNITS_H
#define HYDRELIX_ANALYSIS_CHART_WORKING_UNITS_H

#include "steam/conversion_factors.h"

namespace analysis {

inline constexpr double kMegapascalPerAtmosphere = 0.101325;

// working = factor * SI + offset
struct WorkingScale {
  double factor;
  double offset;

  constexpr double FromSi(double si) const { return factor * si + offset; }
  constexpr double ToSi(double working) const { return (working - offset) / factor; }
};

inline constexpr WorkingScale kWorkingTemperature{1.8, 32.0 - 273.15 * 1.8};  // K to deg F
inline constexpr WorkingScale kWorkingPressure{steam::kModulePressureFactor / kMegapascalPerAtmosphere, 0.0};
inline constexpr WorkingScale kWorkingEnthalpy{1000.0 * steam::kModuleEnthalpyFactor, 0.0};
inline constexpr WorkingScale kWorkingEntropy{steam::kHeatCapacityPerKilojoule, 0.0};

}  // namespace analysis

#endif
