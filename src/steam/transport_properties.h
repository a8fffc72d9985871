// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own transport-property formulas, in single precision, for
// both formulations. Inputs in working units: temperature in deg F, molar
// density in lbmol/ft3.
#ifndef HYDRELIX_STEAM_TRANSPORT_PROPERTIES_H
#define HYDRELIX_STEAM_TRANSPORT_PROPERTIES_H

#include <optional>

namespace steam {

// The value the surface-tension and conductivity formulas give for no result.
inline constexpr float kNoTransportValue = -9999.0f;

namespace basSteam97Functions {

// Surface tension of the saturated liquid in N/m between 0 and 373.946 C;
// -9999 outside that band or on an arithmetic fault.
float CalcSurfaceTension(float T);
// Viscosity in cP by the IAPWS equation for ordinary water substance; nothing
// on an arithmetic fault. No range check.
std::optional<float> CalcViscosity(double T, float molarDensity);
// Thermal conductivity in Btu/(h ft F) by the IAPWS equation for industrial
// use; -9999 on an arithmetic fault. No range check.
float CalcThermalConductivity(double T, float molarDensity);

}  // namespace basSteam97Functions

}  // namespace steam

#endif
