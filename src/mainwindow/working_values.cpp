// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/working_values.h"

namespace mainwindow {

double& WorkingValue(steam::WorkingState& state, units::Quantity quantity) {
  using units::Quantity;
  switch (quantity) {
    case Quantity::Temperature: return state.Temperature;
    case Quantity::Pressure: return state.Pressure;
    case Quantity::Enthalpy: return state.Enthalpy;
    case Quantity::Entropy: return state.Entropy;
    case Quantity::SpecificVolume: return state.SpecificVolume;
    case Quantity::Density: return state.Density;
    case Quantity::Cp: return state.Cp;
    case Quantity::Cv: return state.Cv;
    case Quantity::Viscosity: return state.Viscosity;
    case Quantity::Conductivity: return state.Conductivity;
    case Quantity::SurfaceTension: return state.SurfaceTension;
    case Quantity::SoundSpeed: break;
  }
  return state.SoundSpeed;
}

}  // namespace mainwindow
