// SPDX-License-Identifier: MIT
// The saturated liquid and vapour at one temperature, from the fundamental
// equations at ps(T). The K-function and the fundamental equations are not
// perfectly consistent (g_f - g_g up to about 150 J/kg); IFC-67 tables are
// built exactly this way, so no phase-equilibrium solve "corrects" it.
#ifndef IFC67_SATURATED_STATES_H
#define IFC67_SATURATED_STATES_H

#include "single_phase.h"

namespace ifc67 {

enum class Phase { Liquid, Vapour };

// One property of the saturated phase at T, in API units, for
// kMinTemperature <= T <= kCriticalTemperature (not checked). At Tc1 both
// phases are the critical point.
double saturatedProperty(Property property, double T, Phase phase);

// ps(273.16 K) in MPa, the lowest pressure of the saturation line.
double lowestSaturationPressure();

}  // namespace ifc67

#endif  // IFC67_SATURATED_STATES_H
