// SPDX-License-Identifier: GPL-3.0-or-later
// Process steps' numbers in the units a user reads and types: values of the
// window's lists to and from the SI units the process module works in
// (K, MPa, kJ/kg, kJ/(kg K)), and each figure with its unit, by the units'
// exact factors. The command line and the Process Steps window share them.
#ifndef HYDRELIX_ANALYSIS_PROCESS_UNITS_H
#define HYDRELIX_ANALYSIS_PROCESS_UNITS_H

#include "analysis/process_steps.h"
#include "units/number_locale.h"
#include "units/unit_lists.h"

#include <cstdint>
#include <string>

namespace analysis {

// A value in unit `unit` of the quantity's list (or units::kMegapascal) in SI,
// and back. Temperature, Pressure, Enthalpy and Entropy only.
double SiFromUnit(units::Quantity quantity, double value, int16_t unit);
double UnitFromSi(units::Quantity quantity, double si, int16_t unit);

// The units figures are shown in: energies per unit mass in the enthalpy
// list's unit, the entropy rise in the entropy list's, powers and flows in
// the unit system's (hp and lbm/hr, kW and kg/s).
struct FigureUnits {
  int16_t enthalpy = 3;
  int16_t entropy = 3;
  bool si = false;
};

struct ShownFigure {
  std::string key;
  double value;      // in `unit`
  std::string unit;  // "BTU/lbm", "hp", "lbm/hr", "%" (the efficiency), "-" (ratios)
  std::string text;  // at the display precision of its kind
};

// A refusal's limit as the user reads it: in the temperature or pressure
// unit shown, at the display precision, with the unit's label.
std::string LimitInUnits(LimitQuantity quantity, double si, int16_t temperatureUnit,
                         int16_t pressureUnit, const units::NumberLocale& locale);

ShownFigure ShowFigure(const ProcessFigure& figure, const FigureUnits& units,
                       const units::NumberLocale& locale);

}  // namespace analysis

#endif
