// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve unit lists of the main window: which quantity each shows, in
// which field, its working unit and the units the IP and SI systems select.
#ifndef HYDRELIX_UNITS_UNIT_LISTS_H
#define HYDRELIX_UNITS_UNIT_LISTS_H

#include <array>
#include <cstdint>

namespace units {

enum class Quantity {
  Temperature, Pressure, Enthalpy, Entropy, SpecificVolume, Density,
  Cp, Cv, Viscosity, Conductivity, SurfaceTension, SoundSpeed
};

struct UnitList {
  int16_t list;         // cboUnits index, 16..27
  const char* tag;      // catalogue tag of the list
  int16_t field;        // txtData index of the value field
  Quantity quantity;
  int16_t workingUnit;  // unit index of the working unit
  int16_t ipUnit;       // unit index selected by the IP system
  int16_t siUnit;       // unit index selected by the SI system
  int16_t format;       // index into the display formats
};

extern const std::array<UnitList, 12> kUnitLists;

// The row of cboUnits(list), or nullptr outside 16..27.
const UnitList* FindUnitList(int list);

// A working value expressed in unit `unit` of its list: the value itself at
// full precision for the working unit, otherwise the 32-bit conversion, and 0
// for a unit outside the list.
double ExpressInUnit(Quantity quantity, double workingValue, float molarMass, int16_t unit);

}  // namespace units

#endif
