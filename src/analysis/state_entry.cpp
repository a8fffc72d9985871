// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/state_entry.h"

#include "units/conversions.h"
#include "units/exact_conversions.h"
#include "units/number_text.h"

#include <cstdio>
#include <functional>

namespace analysis {
namespace {

constexpr int kMostDecimals = 12;

// `value` with `decimals` decimals, the locale's decimal separator, no
// grouping and no exponent: what the window's fields take as typed.
std::string Fixed(double value, int decimals, const units::NumberLocale& locale) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string out = text;
  const std::size_t point = out.find('.');
  if (point != std::string::npos) out.replace(point, 1, locale.decimalSeparator);
  return out;
}

// The shortest fixed text of `value` that `enter` reads as the value it
// reads from the longest.
std::string Shortest(double value, const units::NumberLocale& locale,
                     const std::function<float(const std::string&)>& enter) {
  const float wanted = enter(Fixed(value, kMostDecimals, locale));
  for (int decimals = 0; decimals < kMostDecimals; ++decimals) {
    const std::string text = Fixed(value, decimals, locale);
    if (enter(text) == wanted) return text;
  }
  return Fixed(value, kMostDecimals, locale);
}

}  // namespace

StateEntry EntryOf(const steam::SteamState& state, int16_t temperatureUnit, int16_t pressureUnit,
                   const units::NumberLocale& locale) {
  const float molarMass = state.values.MolarMass;
  const double quality = state.values.Quality;
  const bool wet = state.onSaturationLine || (quality > 0.0 && quality < 1.0);
  const std::string pressure = Shortest(
      units::ExactInUnit(units::Quantity::Pressure, state.values.Pressure, molarMass, pressureUnit),
      locale, [&](const std::string& text) {
        return units::PressureFromUnit(text, pressureUnit, locale);
      });
  if (wet) {
    return {steam::InputPair::PressureQuality, pressure,
            Shortest(quality, locale, [&](const std::string& text) {
              return units::ReadSingle(text, locale);
            })};
  }
  const std::string temperature =
      Shortest(units::ExactInUnit(units::Quantity::Temperature, state.values.Temperature,
                                  molarMass, temperatureUnit),
               locale, [&](const std::string& text) {
                 return units::TemperatureFromUnit(text, temperatureUnit, locale);
               });
  return {steam::InputPair::TemperaturePressure, temperature, pressure};
}

}  // namespace analysis
