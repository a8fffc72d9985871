// SPDX-License-Identifier: MIT
// The unit settings of libHydrix.so and the conversions between the caller's
// units and the SI units of the if97 core (K, MPa, kJ/kg, kJ/(kg K), m3/kg).
// Codes: <if97/unit_codes.h>.
#ifndef HYDRELIX_IF97_STM_UNIT_SETTINGS_H
#define HYDRELIX_IF97_STM_UNIT_SETTINGS_H

#include <stdint.h>

namespace hydrix {

// value in SI = value in unit * siPerUnit + siAtUnitZero, and back: one
// multiply and one add each way, as the cheapest calls (ps, Ts) cost little
// more than that themselves.
struct LinearUnit {
  double siPerUnit;
  double siAtUnitZero;
  double unitPerSi;
  double unitAtSiZero;
  double toSi(double value) const { return value * siPerUnit + siAtUnitZero; }
  double fromSi(double value) const { return value * unitPerSi + unitAtSiZero; }
};

// Specific volume or its inverse, each in some unit.
struct VolumeUnit {
  bool density;
  double unitPerSi;  // per m3/kg, or per kg/m3
  double fromSpecificVolume(double v) const { return (density ? 1.0 / v : v) * unitPerSi; }
};

struct UnitSettings {
  LinearUnit temperature;
  LinearUnit pressure;
  LinearUnit enthalpy;
  LinearUnit entropy;
  VolumeUnit volume;
  LinearUnit quality;
  LinearUnit heatCapacity;
};

// The settings in force; they start as the program's own codes.
extern UnitSettings gUnits;

// Each returns false for an unknown code and then changes nothing.
bool setTemperatureUnit(int32_t code);
bool setPressureUnit(int32_t code);
bool setEnthalpyUnit(int32_t code);
bool setEntropyUnit(int32_t code);
bool setVolumeUnit(int32_t code);
bool setQualityUnit(int32_t code);
bool setHeatCapacityUnit(int32_t code);

}  // namespace hydrix

#endif
