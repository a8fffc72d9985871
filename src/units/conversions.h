// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between the working units of WorkingState and the units of each
// value field's list, by unit index. Every routine evaluates in double, rounds
// to a 32-bit float, and gives 0 for a unit index outside its list, a text
// that is not a number or whose number lies beyond the 32-bit range, a
// division by zero, or a result beyond the 32-bit range.
#ifndef HYDRELIX_UNITS_CONVERSIONS_H
#define HYDRELIX_UNITS_CONVERSIONS_H

#include "number_locale.h"

#include <cstdint>
#include <string_view>

namespace units {

float TemperatureToUnit(double value, int16_t unit);
float TemperatureFromUnit(std::string_view text, int16_t unit, const NumberLocale& locale);
float PressureToUnit(double value, int16_t unit);
float PressureFromUnit(std::string_view text, int16_t unit, const NumberLocale& locale);
float SurfaceTensionToUnit(double value, int16_t unit);
float VelocityToUnit(double value, int16_t unit);
float SpecificVolumeToUnit(double value, float molarMass, int16_t unit);
float DensityToUnit(double value, float molarMass, int16_t unit);
float HeatCapacityToUnit(double value, float molarMass, int16_t unit);
float HeatCapacityFromUnit(std::string_view text, float molarMass, int16_t unit,
                           const NumberLocale& locale);
float EnthalpyToUnit(double value, float molarMass, int16_t unit);
float EnthalpyFromUnit(std::string_view text, float molarMass, int16_t unit,
                       const NumberLocale& locale);
float ViscosityToUnit(double value, int16_t unit);
float ConductivityToUnit(double value, int16_t unit);

}  // namespace units

#endif
