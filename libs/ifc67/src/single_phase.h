// SPDX-License-Identifier: MIT
// Single-phase states from (T, p): the choice of subregion and the properties
// from its characteristic equation, and the near-critical states that the
// saturated states above 623.15 K are built from too. Arguments are assumed
// inside the range.
#ifndef IFC67_SINGLE_PHASE_H
#define IFC67_SINGLE_PHASE_H

#include "subregion3.h"

namespace ifc67 {

enum class Property { Volume, Enthalpy, Entropy, HeatCapacity };

// The property in API units from the equation of the subregion (T, p) selects.
double propertyAt(Property property, double T, double p);

// The property in API units from the given subregion's equation, whichever
// subregion (T, p) would select.
double propertyInSubregion(Property property, int subregion, double T, double p);

// A near-critical state at (beta, theta) on the given root (subregion 4's
// liquid, subregion 3's vapour) with what the property needs of it, and the
// property in API units from such a state: chi gives the volume, the reduced
// properties the rest.
subregion3::State nearCriticalState(Property property, double beta, double theta, subregion3::Root root);
double nearCriticalProperty(Property property, const subregion3::State& state);

// A property at (T, p) with its slope d/dT at constant p (API units per K). In
// subregions 2, 3 and 4 the slope of h or s comes with the value, from the
// same sums (cp, cp/T); in subregion 1 it would cost more than the value
// itself, and the slope is NaN, as it is for the other properties.
struct PropertyAndSlope {
  double value;
  double slope;
};
PropertyAndSlope propertyAndSlopeAt(Property property, double T, double p);

}  // namespace ifc67

#endif  // IFC67_SINGLE_PHASE_H
