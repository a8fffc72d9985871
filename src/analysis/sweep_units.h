// The units of a table: which unit of each of the main window's lists its
// columns are expressed in. A table keeps its numbers in working units and
// expresses them with the exact factors of units/exact_conversions.h, so a
// change of units re-expresses it without computing it again.
#ifndef HYDRELIX_ANALYSIS_SWEEP_UNITS_H
#define HYDRELIX_ANALYSIS_SWEEP_UNITS_H

#include "units/exact_conversions.h"
#include "units/unit_lists.h"
#include "units/unit_names.h"

#include <array>
#include <cstdint>
#include <string>

namespace analysis {

using units::FindUnit;
using units::kMegapascal;
using units::UnitLabel;

// A unit index for every quantity, in the order of units::Quantity.
struct TableUnits {
  std::array<int16_t, 12> unit{};

  int16_t Of(units::Quantity quantity) const { return unit[static_cast<std::size_t>(quantity)]; }
  // The units the IP or SI switch of the main window selects.
  static TableUnits System(bool si);
};

// A working value (deg F, psia, Btu/lbmol, ...) expressed in `unit`.
double FromWorking(units::Quantity quantity, double working, int16_t unit);
// A temperature or pressure given in `unit` as a working value (deg F or
// psia), the inverse of FromWorking with the same exact factors.
double ToWorking(units::Quantity quantity, double value, int16_t unit);

// The working value of a temperature or pressure typed as `value` in `unit`:
// of the doubles a few ulps around ToWorking's, one that comes back as
// exactly `value` in `unit` where there is one, and, with `everyUnit`, as a
// short decimal in most other units of its list (22.064 MPa is 220.64 Bar,
// not 220.64000000000001). Where no double does, ToWorking's.
double WorkingValue(units::Quantity quantity, double value, int16_t unit, bool everyUnit);

// A temperature difference in deg F expressed in the size of `unit`'s degree,
// and the label it takes: a kelvin for K and deg C, a rankine-sized degree
// for deg F and deg R.
double DifferenceFromWorking(double fahrenheitDegrees, int16_t temperatureUnit);
std::string DifferenceLabel(int16_t temperatureUnit);

}  // namespace analysis

#endif
