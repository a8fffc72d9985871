// SPDX-License-Identifier: GPL-3.0-or-later
// A state given by its pressure and its enthalpy or entropy, found with the
// formulation's engine and then computed through Solve as the window would
// compute it: from temperature and pressure for a single phase, from pressure
// and quality for a wet state. Process steps, charts and sweeps give states
// this way.
#ifndef HYDRELIX_ANALYSIS_ISOBAR_STATE_H
#define HYDRELIX_ANALYSIS_ISOBAR_STATE_H

#include "steam/steam.h"

#include <optional>

namespace analysis {

// Where a value puts a state on an isobar, in SI (K, vapour fraction).
struct IsobarPoint {
  bool wet = false;
  double temperature = 0.0;
  double quality = 0.0;  // only for a wet state
};

// p in MPa, h in kJ/kg, s in kJ/(kg K); nothing where the formulation has no
// such state. IFC-67's own T(p, h) takes no compressed liquid: that root is
// found on the isobar's h(T), which rises with T.
std::optional<IsobarPoint> PlaceByEnthalpy(steam::Formulation formulation, double p, double h);
std::optional<IsobarPoint> PlaceByEntropy(steam::Formulation formulation, double p, double s);

// The state at pressure p (MPa) and a placed point, through Solve.
steam::SolveOutcome SolveOnIsobar(steam::Formulation formulation, double p, const IsobarPoint& point,
                                  steam::PropertyLibraries& libraries);

// Both steps; a failed outcome with no message where there is no such state.
steam::SolveOutcome SolveFromPressureEnthalpy(steam::Formulation formulation, double p, double h,
                                              steam::PropertyLibraries& libraries);
steam::SolveOutcome SolveFromPressureEntropy(steam::Formulation formulation, double p, double s,
                                             steam::PropertyLibraries& libraries);

}  // namespace analysis

#endif
