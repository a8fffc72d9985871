// SPDX-License-Identifier: GPL-3.0-or-later
// Whole states of either formulation from the pairs the module offers, in
// the C++ engines' units (K, MPa, m3/kg, kJ/kg, kJ/(kg K), m/s). A state the
// formulation does not hold is all NaN with no region and no phase.
#ifndef HYDRELIX_PYTHON_STATES_H
#define HYDRELIX_PYTHON_STATES_H

#include "steam/steam.h"

namespace pystates {

using steam::Formulation;

struct State {
  double T, P, v, rho, u, h, s, cp, cv, w, x;
  // IF-97: 1, 2, 3, 5, or 4 for a wet state; IFC-67: the subregion, 0 for a
  // wet state. 0 outside the formulation too.
  int region;
  // An analysis::Phase, or kNoPhase where the formulation does not hold.
  int phase;
};

inline constexpr int kNoPhase = 9;
// The phase words by index, and "" for kNoPhase.
const char* PhaseWord(int phase);

State StateTp(Formulation formulation, double T, double P);
State StatePh(Formulation formulation, double P, double h);
State StatePs(Formulation formulation, double P, double s);
State StateTx(Formulation formulation, double T, double x);
State StatePx(Formulation formulation, double P, double x);
double SaturationTemperature(Formulation formulation, double P);
double SaturationPressure(Formulation formulation, double T);

}  // namespace pystates

#endif
