// Single-phase states from (T, p): the choice of subregion and the properties
// from its characteristic equation. Arguments are assumed inside the range.
#ifndef IFC67_SINGLE_PHASE_H
#define IFC67_SINGLE_PHASE_H

namespace ifc67 {

bool insideRange(double T, double p);

// 1 to 4 for (T, p) inside the range.
int selectSubregion(double T, double p);

enum class Property { Volume, Enthalpy, Entropy, HeatCapacity };

// The property in API units from the given subregion's equation, whichever
// subregion (T, p) would select.
double propertyInSubregion(Property property, int subregion, double T, double p);

// A property with its slope d/dT at constant p (API units per K). In
// subregions 3 and 4 the slope of h or s comes with the value, from the same
// derivatives (cp, cp/T); in subregions 1 and 2 it would cost more than the
// value itself, and the slope is NaN.
struct PropertyAndSlope {
  double value;
  double slope;
};
PropertyAndSlope propertyAndSlopeInSubregion(Property property, int subregion, double T, double p);

}  // namespace ifc67

#endif  // IFC67_SINGLE_PHASE_H
