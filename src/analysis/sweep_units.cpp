#include "analysis/sweep_units.h"

#include <charconv>
#include <cmath>

namespace analysis {

namespace {

// The molar mass the working units carry, as the window holds it.
constexpr float kMolarMass = 18.01528f;

bool KelvinSized(int16_t temperatureUnit) { return temperatureUnit == 1 || temperatureUnit == 3; }

// Whether the shortest text of a value has at most twelve significant
// digits: a short decimal rather than one a conversion left a bit off.
bool ShortDecimal(double value) {
  char text[32];
  const std::to_chars_result written = std::to_chars(text, text + sizeof text, value);
  int digits = 0;
  bool leading = true;
  for (const char* c = text; c != written.ptr && *c != 'e'; ++c) {
    if (*c < '0' || *c > '9') continue;
    if (leading && *c == '0') continue;
    leading = false;
    ++digits;
  }
  return digits <= 12;
}

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

double WorkingValue(units::Quantity quantity, double value, int16_t unit, bool everyUnit) {
  const double plain = ToWorking(quantity, value, unit);
  const int16_t units = quantity == units::Quantity::Temperature ? 4 : kMegapascal + 1;
  auto score = [&](double working) {
    int hits = FromWorking(quantity, working, unit) == value ? 100 : 0;
    for (int16_t other = 0; everyUnit && other < units; ++other) {
      if (other != unit) hits += ShortDecimal(FromWorking(quantity, working, other));
    }
    return hits;
  };
  double best = plain;
  int bestScore = score(plain);
  if (!everyUnit && bestScore > 0) return plain;
  double down = plain, up = plain;
  for (int step = 0; step < 8; ++step) {
    down = std::nextafter(down, -HUGE_VAL);
    up = std::nextafter(up, HUGE_VAL);
    for (double candidate : {down, up}) {
      const int candidateScore = score(candidate);
      if (candidateScore > bestScore) {
        best = candidate;
        bestScore = candidateScore;
      }
    }
  }
  return best;
}

double DifferenceFromWorking(double fahrenheitDegrees, int16_t temperatureUnit) {
  return KelvinSized(temperatureUnit) ? fahrenheitDegrees / 1.8 : fahrenheitDegrees;
}

std::string DifferenceLabel(int16_t temperatureUnit) {
  return KelvinSized(temperatureUnit) ? "K" : UnitLabel(units::Quantity::Temperature, temperatureUnit);
}

}  // namespace analysis
