// SPDX-License-Identifier: GPL-3.0-or-later
// The current steam state, held by the main window in fixed working units:
// US engineering units on a molar basis. Every unit-bearing quantity the
// window shows is read from here.
#ifndef HYDRELIX_STEAM_WORKING_STATE_H
#define HYDRELIX_STEAM_WORKING_STATE_H

namespace steam {

struct WorkingState {
  double Temperature = 68.0;    // deg F
  double Pressure = 14.696;     // psia
  double SpecificVolume = 0.0;  // ft3/lbmol
  double Density = 0.0;         // lbmol/ft3, always 1 / SpecificVolume
  double Enthalpy = 0.0;        // Btu/lbmol
  double Entropy = 0.0;         // Btu/(lbmol R)
  double Cp = 0.0;              // Btu/(lbmol F)
  double Cv = 0.0;              // Btu/(lbmol F)
  double Quality = 0.0;         // vapour fraction, 0..1
  double Viscosity = 0.0;       // cP
  double Conductivity = 0.0;    // Btu/(h ft F)
  double SurfaceTension = 0.0;  // N/m
  float MolarMass = 18.01528f;  // lb/lbmol, never changed
  double SoundSpeed = 0.0;      // ft/s
};

}  // namespace steam

#endif
