// SPDX-License-Identifier: GPL-3.0-or-later
// A computed state in the SI units of the property libraries' C++ interfaces,
// for code that works with the formulations directly (diagnostics, charts).
// Exact double factors to K, MPa, kJ/kg, kJ/(kg K), m3/kg, kg/m3 and m/s,
// without the 32-bit rounding the window's fields apply, with the window's
// molar mass of water.
#ifndef HYDRELIX_STEAM_SI_STATE_H
#define HYDRELIX_STEAM_SI_STATE_H

#include "steam/steam.h"

namespace steam {

struct SiState {
  double temperature;   // K
  double pressure;      // MPa
  double quality;       // vapour fraction
  double enthalpy;      // kJ/kg
  double entropy;       // kJ/(kg K)
  double volume;        // m3/kg
  double density;       // kg/m3
  double cp;            // kJ/(kg K)
  double cv;            // kJ/(kg K)
  double soundSpeed;    // m/s
};

SiState ToSi(const SteamState& state);

// The same factors one quantity at a time, from working units.
double KelvinFromFahrenheit(double fahrenheit);
double MegapascalFromPsia(double psia);
double FahrenheitFromKelvin(double kelvin);
double PsiaFromMegapascal(double megapascal);

}  // namespace steam

#endif
