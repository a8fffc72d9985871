#include "analysis/sweep_units.h"

namespace analysis {

namespace {

// The molar mass the working units carry, as the window holds it.
constexpr float kMolarMass = 18.01528f;

bool KelvinSized(int16_t temperatureUnit) { return temperatureUnit == 1 || temperatureUnit == 3; }

}  // namespace

TableUnits TableUnits::System(bool si) {
  TableUnits units;
  for (const units::UnitList& list : units::kUnitLists) {
    units.unit[static_cast<std::size_t>(list.quantity)] = si ? list.siUnit : list.ipUnit;
  }
  return units;
}

double FromWorking(units::Quantity quantity, double working, int16_t unit) {
  return units::ExactInUnit(quantity, working, kMolarMass, unit);
}

double ToWorking(units::Quantity quantity, double value, int16_t unit) {
  if (quantity == units::Quantity::Temperature) {
    switch (unit) {
      case 0: return value;
      case 1: return value * 1.8 + 32.0;
      case 2: return value - 459.67;
      case 3: return (value - 273.15) * 1.8 + 32.0;
    }
    return 0.0;
  }
  // Pressure units differ by a factor only: one psia in the unit.
  return unit == 0 ? value : value / FromWorking(quantity, 1.0, unit);
}

double DifferenceFromWorking(double fahrenheitDegrees, int16_t temperatureUnit) {
  return KelvinSized(temperatureUnit) ? fahrenheitDegrees / 1.8 : fahrenheitDegrees;
}

std::string DifferenceLabel(int16_t temperatureUnit) {
  return KelvinSized(temperatureUnit) ? "K" : UnitLabel(units::Quantity::Temperature, temperatureUnit);
}

}  // namespace analysis
