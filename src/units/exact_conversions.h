// SPDX-License-Identifier: GPL-3.0-or-later
// Working values expressed in the units of the window's lists with the exact
// factors that define those units (1 lbm = 0.45359237 kg, 1 ft = 0.3048 m,
// 1 Btu(IT)/lbm = 2.326 kJ/kg, 1 psi = 6.894757293168361 kPa, ...), all in
// double and never rounded to 32 bits. The window's own conversions
// (conversions.h) keep the program's historical constants and 32-bit
// rounding for what the fields show; these give the numbers that scripts,
// tables and charts compute with.
#ifndef HYDRELIX_UNITS_EXACT_CONVERSIONS_H
#define HYDRELIX_UNITS_EXACT_CONVERSIONS_H

#include <cstdint>

#include "units/unit_lists.h"

namespace units {

// The megapascal, offered for pressure beside the list's own eight units by
// everything outside the window; it follows "Bar" (unit index 7).
inline constexpr int16_t kMegapascal = 8;

// `workingValue` (the quantity's working unit, per lbmol where molar) in unit
// `unit` of the quantity's list, or in kMegapascal for a pressure; `molarMass`
// in lb/lbmol turns molar into mass units. NaN for a unit outside the list.
double ExactInUnit(Quantity quantity, double workingValue, float molarMass, int16_t unit);

// The inverse: a value in unit `unit` of the quantity's list (or
// kMegapascal) in the quantity's working unit.
double ExactFromUnit(Quantity quantity, double value, float molarMass, int16_t unit);

// A temperature difference given in kelvins, in degrees Fahrenheit.
inline double FahrenheitDifference(double kelvins) { return kelvins * 1.8; }

}  // namespace units

#endif
