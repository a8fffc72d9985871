// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/conversions.h"

#include "units/number_text.h"
#include "units/single_precision.h"

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

// Every formula is written with the parentheses of its conversion table and
// evaluated in double in that order; only the final result is rounded to 32
// bits. The constants are the program's own values, not rounded textbook ones
// (459.69, not 459.67), because stored results depend on them.
namespace units {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A zero molar mass must give 0, not an infinity that happens to be caught
// later, so the division says so itself.
double Over(double numerator, double denominator) {
  return denominator == 0.0 ? kNaN : numerator / denominator;
}

// Applies a FromUnit formula to typed text. Every number the field can show
// is a 32-bit one, so a typed number beyond that range is refused like a text
// that is not a number, whichever unit might have brought it back in range.
// The formula itself still works on the full 64-bit reading.
template <typename Formula>
float FromText(std::string_view text, const NumberLocale& locale, Formula formula) {
  const std::optional<double> value = ReadNumber(text, locale);
  if (!value || std::fabs(*value) > FLT_MAX) return 0.0f;
  return ToSingle(formula(*value));
}

}  // namespace

float TemperatureToUnit(double value, int16_t unit) {
  switch (unit) {
    case 0: return ToSingle(value);
    case 1: return ToSingle((value - 32) / 1.8);
    case 2: return ToSingle(value + 459.69);
    case 3: return ToSingle(((value - 32) / 1.8) + 273.15);
    default: return 0.0f;
  }
}

float TemperatureFromUnit(std::string_view text, int16_t unit, const NumberLocale& locale) {
  switch (unit) {
    case 0: return ReadSingle(text, locale);
    case 1: return FromText(text, locale, [](double v) { return (v * 1.8) + 32; });
    case 2: return FromText(text, locale, [](double v) { return v - 459.69; });
    case 3: return FromText(text, locale, [](double v) { return ((v - 273.15) * 1.8) + 32; });
    default: return 0.0f;
  }
}

float PressureToUnit(double value, int16_t unit) {
  switch (unit) {
    case 0: return ToSingle(value);
    case 1: return ToSingle(value / 14.6959487755);
    case 2: return ToSingle(value * 2.036020862);
    case 3: return ToSingle(value * 27.679903968);
    case 4: return ToSingle(value * 51.714932572);
    case 5: return ToSingle(value * 6.894757293);
    case 6: return ToSingle(value * 6894.757293);
    case 7: return ToSingle(value / 14.5037738734);
    default: return 0.0f;
  }
}

float PressureFromUnit(std::string_view text, int16_t unit, const NumberLocale& locale) {
  switch (unit) {
    case 0: return ReadSingle(text, locale);
    case 1: return FromText(text, locale, [](double v) { return v * 14.6959487755; });
    case 2: return FromText(text, locale, [](double v) { return v / 2.036020862; });
    case 3: return FromText(text, locale, [](double v) { return v / 27.679903968; });
    case 4: return FromText(text, locale, [](double v) { return v / 51.714932572; });
    case 5: return FromText(text, locale, [](double v) { return v / 6.894757293; });
    case 6: return FromText(text, locale, [](double v) { return v / 6894.757293; });
    case 7: return FromText(text, locale, [](double v) { return v * 14.5037738734; });
    default: return 0.0f;
  }
}

float SurfaceTensionToUnit(double value, int16_t unit) {
  switch (unit) {
    case 0: return ToSingle(value * 1000);
    case 1: return ToSingle(value / 14.5939029067);
    case 2: return ToSingle(value);
    default: return 0.0f;
  }
}

float VelocityToUnit(double value, int16_t unit) {
  switch (unit) {
    case 0: return ToSingle(value * 60);
    case 1: return ToSingle(value);
    case 2: return ToSingle(value * 18.288);
    case 3: return ToSingle(value * 0.3048);
    default: return 0.0f;
  }
}

float SpecificVolumeToUnit(double value, float molarMass, int16_t unit) {
  const double m = molarMass;
  switch (unit) {
    case 0: return ToSingle(value);
    case 1: return ToSingle(value * 62.428212076);
    case 2: return ToSingle(value * 0.0624279606);
    case 3: return ToSingle(Over(value, m));
    case 4: return ToSingle((Over(value, m)) * 62.428212076);
    case 5: return ToSingle((Over(value, m)) * 0.0624279606);
    default: return 0.0f;
  }
}

float DensityToUnit(double value, float molarMass, int16_t unit) {
  const double m = molarMass;
  switch (unit) {
    case 0: return ToSingle(value);
    // Rows 1 and 4 deliberately use two different constants.
    case 1: return ToSingle(value / 62.42796058);
    case 2: return ToSingle(value * 16.018463373);
    case 3: return ToSingle(value * m);
    case 4: return ToSingle((value * m) * 0.0160184634);
    case 5: return ToSingle((value * m) * 16.018463373);
    default: return 0.0f;
  }
}

float HeatCapacityToUnit(double value, float molarMass, int16_t unit) {
  const double m = molarMass;
  switch (unit) {
    case 0:
    case 1: return ToSingle(value);
    case 2: return ToSingle(value * 4.1867999935);
    case 3:
    case 4: return ToSingle(Over(value, m));
    case 5: return ToSingle(Over(value * 4.1867999935, m));
    default: return 0.0f;
  }
}

float HeatCapacityFromUnit(std::string_view text, float molarMass, int16_t unit,
                           const NumberLocale& locale) {
  const double m = molarMass;
  switch (unit) {
    case 0:
    case 1: return ReadSingle(text, locale);
    case 2: return FromText(text, locale, [](double v) { return v / 4.1867999935; });
    case 3:
    case 4: return FromText(text, locale, [m](double v) { return v * m; });
    case 5: return FromText(text, locale, [m](double v) { return (v / 4.1867999935) * m; });
    default: return 0.0f;
  }
}

float EnthalpyToUnit(double value, float molarMass, int16_t unit) {
  const double m = molarMass;
  switch (unit) {
    case 0: return ToSingle(value);
    case 1: return ToSingle(value * 0.5555640044);
    case 2: return ToSingle(value * 2.3259999996);
    case 3: return ToSingle(Over(value, m));
    case 4: return ToSingle(Over(value * 0.5555640044, m));
    case 5: return ToSingle(Over(value * 2.3259999996, m));
    default: return 0.0f;
  }
}

float EnthalpyFromUnit(std::string_view text, float molarMass, int16_t unit,
                       const NumberLocale& locale) {
  const double m = molarMass;
  switch (unit) {
    case 0: return ReadSingle(text, locale);
    case 1: return FromText(text, locale, [](double v) { return v / 0.5555640044; });
    case 2: return FromText(text, locale, [](double v) { return v / 2.3259999996; });
    case 3: return FromText(text, locale, [m](double v) { return v * m; });
    case 4: return FromText(text, locale, [m](double v) { return (v / 0.5555640044) * m; });
    case 5: return FromText(text, locale, [m](double v) { return (v / 2.3259999996) * m; });
    default: return 0.0f;
  }
}

float ViscosityToUnit(double value, int16_t unit) {
  switch (unit) {
    case 0: return ToSingle(value);
    case 1: return ToSingle(value * 2.4190883105);
    case 2:
    case 3: return ToSingle(value / 1000);
    default: return 0.0f;
  }
}

float ConductivityToUnit(double value, int16_t unit) {
  switch (unit) {
    case 0: return ToSingle(value);
    case 1: return ToSingle(value * 1.487939);
    case 2: return ToSingle(value * 1.729195385);
    default: return 0.0f;
  }
}

}  // namespace units
