// SPDX-License-Identifier: MIT
// The units of libCalorix.so's entry points and the codes that select them.
// Each quantity has one unit: its setter accepts that code only, so the
// settings need no state and a call before any set-up works in these units.
//
//   quantity              code  unit
//   temperature           3     deg F
//   pressure              16    standard atmosphere (101325 Pa)
//   enthalpy              22    J/kg
//   entropy               32    J/(kg K)
//   specific volume       41    m3/kg
//   vapour fraction       52    0..1
//   heat capacity         62    J/(kg K)
//   thermal conductivity  72    W/(m K)   (no function of this library uses it)
//   dynamic viscosity     82    Pa s      (no function of this library uses it)
//   surface tension       91    N/m       (no function of this library uses it)
#ifndef CALORIX_UNITS_H
#define CALORIX_UNITS_H

#include <cstdint>

namespace calorix {

constexpr int32_t kTemperatureCode = 3;
constexpr int32_t kPressureCode = 16;
constexpr int32_t kEnthalpyCode = 22;
constexpr int32_t kEntropyCode = 32;
constexpr int32_t kVolumeCode = 41;
constexpr int32_t kVapourFractionCode = 52;
constexpr int32_t kHeatCapacityCode = 62;
constexpr int32_t kThermalConductivityCode = 72;
constexpr int32_t kDynamicViscosityCode = 82;
constexpr int32_t kSurfaceTensionCode = 91;

// deg F <-> K on the formulation's own scale (T = t + 273.15). A Fahrenheit
// value that lands within 1e-9 K of an end of the range is taken as that end,
// so that the range limits the library reports are themselves inside it.
double kelvinFromFahrenheit(double fahrenheit);
double fahrenheitFromKelvin(double kelvin);

// atm <-> MPa; within 1e-12 of 100 MPa counts as 100 MPa.
double megapascalFromAtmosphere(double atmospheres);
double atmosphereFromMegapascal(double megapascals);

constexpr double kJoulePerKilojoule = 1000.0;

}  // namespace calorix

#endif  // CALORIX_UNITS_H
