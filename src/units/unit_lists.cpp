// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/unit_lists.h"

#include "units/conversions.h"

namespace units {

// Formats: entry i of the display formats belongs to txtData(43 + i), so the
// quality field (45), which has no list, leaves a gap between 1 and 3.
const std::array<UnitList, 12> kUnitLists = {{
    {16, "Temperature", 43, Quantity::Temperature, 0, 0, 1, 0},
    {17, "Pressure", 44, Quantity::Pressure, 0, 0, 7, 1},
    {18, "Enthalpy", 46, Quantity::Enthalpy, 0, 3, 5, 3},
    {19, "Entropy", 47, Quantity::Entropy, 0, 3, 5, 4},
    {20, "Volume", 48, Quantity::SpecificVolume, 0, 3, 5, 5},
    {21, "Molar Density", 49, Quantity::Density, 0, 3, 5, 6},
    {22, "HC", 50, Quantity::Cp, 0, 3, 5, 7},
    {23, "HC", 51, Quantity::Cv, 0, 3, 5, 8},
    {24, "Viscosity", 52, Quantity::Viscosity, 0, 0, 3, 9},
    {25, "Thermal Conductivity", 53, Quantity::Conductivity, 0, 0, 2, 10},
    // Surface tension is shown in dyn/cm in both systems.
    {26, "Surface Tension", 54, Quantity::SurfaceTension, 2, 0, 0, 11},
    {27, "Velocity", 55, Quantity::SoundSpeed, 1, 1, 3, 12},
}};

const UnitList* FindUnitList(int list) {
  for (const UnitList& row : kUnitLists) {
    if (row.list == list) return &row;
  }
  return nullptr;
}

namespace {

// Every quantity has exactly one list, which records its working unit.
int16_t WorkingUnit(Quantity quantity) {
  for (const UnitList& row : kUnitLists) {
    if (row.quantity == quantity) return row.workingUnit;
  }
  return 0;
}

}  // namespace

double ExpressInUnit(Quantity quantity, double workingValue, float molarMass, int16_t unit) {
  // The working unit shows the stored value unrounded, so switching units
  // back and forth never drifts.
  if (unit == WorkingUnit(quantity)) return workingValue;
  switch (quantity) {
    case Quantity::Temperature: return TemperatureToUnit(workingValue, unit);
    case Quantity::Pressure: return PressureToUnit(workingValue, unit);
    case Quantity::Enthalpy: return EnthalpyToUnit(workingValue, molarMass, unit);
    case Quantity::Entropy:
    case Quantity::Cp:
    case Quantity::Cv: return HeatCapacityToUnit(workingValue, molarMass, unit);
    case Quantity::SpecificVolume: return SpecificVolumeToUnit(workingValue, molarMass, unit);
    case Quantity::Density: return DensityToUnit(workingValue, molarMass, unit);
    case Quantity::Viscosity: return ViscosityToUnit(workingValue, unit);
    case Quantity::Conductivity: return ConductivityToUnit(workingValue, unit);
    case Quantity::SurfaceTension: return SurfaceTensionToUnit(workingValue, unit);
    case Quantity::SoundSpeed: return VelocityToUnit(workingValue, unit);
  }
  return 0.0;
}

}  // namespace units
