// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/flow_power_units.h"

#include <limits>

namespace units {
namespace {

constexpr double kPoundInKilograms = 0.45359237;
constexpr double kHorsepowerInKilowatts = 0.74569987158227022;

// kg/s in one unit of the "Flow Rate" list, in its order.
constexpr double kFlowFactors[] = {
    kPoundInKilograms / 3600.0, kPoundInKilograms / 60.0, kPoundInKilograms,
    1.0 / 3600.0,               1.0 / 60.0,               1.0};
// kW in one unit of the "Power" list.
constexpr double kPowerFactors[] = {kHorsepowerInKilowatts, 1.0};

template <std::size_t N>
double Factor(const double (&factors)[N], int16_t unit) {
  if (unit < 0 || static_cast<std::size_t>(unit) >= N)
    return std::numeric_limits<double>::quiet_NaN();
  return factors[unit];
}

}  // namespace

int16_t SystemFlowUnit(bool si) { return si ? 5 : 0; }
int16_t SystemPowerUnit(bool si) { return si ? 1 : 0; }

double FlowInUnit(double kilogramsPerSecond, int16_t unit) {
  return kilogramsPerSecond / Factor(kFlowFactors, unit);
}
double FlowFromUnit(double value, int16_t unit) { return value * Factor(kFlowFactors, unit); }
double PowerInUnit(double kilowatts, int16_t unit) {
  return kilowatts / Factor(kPowerFactors, unit);
}
double PowerFromUnit(double value, int16_t unit) { return value * Factor(kPowerFactors, unit); }

}  // namespace units
