// SPDX-License-Identifier: GPL-3.0-or-later
// The IFC-67 input cases, through libCalorix.so. The library gives a
// mixture's volume itself and has no saturation test: the cases compare with
// the saturated values instead.
#include "steam/compute_fault.h"
#include "steam/conversion_factors.h"
#include "steam/formulation_modules.h"
#include "steam/input_case.h"
#include "steam/input_cases.h"

#include <cmath>

namespace steam {

namespace {

// T rounded to 4 decimals, halves to even, as the temperature-and-pressure
// case compares it.
double RoundedToFourDecimals(double value) { return std::nearbyint(value * 1e4) / 1e4; }

class IFC67Case : public InputCase<IFC67Case> {
 public:
  IFC67Case(WorkingState& state, PropertyLibraries& libraries)
      : InputCase(state), libraries_(libraries), c(RequireCalorix(libraries)) {}

 private:
  friend class InputCase<IFC67Case>;

  void HeatCapacities() {
    Store(s.Cp, basSteam67Functions::Cp67(libraries_, s.Temperature, s.Pressure, s.Quality));
    Store(s.Cv, basSteam67Functions::Cv67(libraries_, s.Temperature, s.Pressure, s.Quality));
  }

  void TemperaturePressure() {
    SingleVolume();
    Store(s.Enthalpy, LibraryValue(c.nEtp, T(), p()) * kEnthalpyFactor);
    Store(s.Entropy, LibraryValue(c.nStp, T(), p()) * kEntropyFactor);
    const double saturation = RoundedToFourDecimals(LibraryValue(c.kTp, p()));
    Store(s.Quality, T() >= saturation ? 1.0 : 0.0);
  }

  void TemperatureQuality() {
    onSaturationLine = true;
    Store(s.Enthalpy, LibraryValue(c.sEtw, T(), s.Quality) * kEnthalpyFactor);
    Store(s.Entropy, LibraryValue(c.sStw, T(), s.Quality) * kEntropyFactor);
    MixtureVolume();
    Store(s.Pressure, LibraryValue(c.kPt, T()) * kPressureFactor);
  }

  void TemperatureEnthalpy() {
    Store(s.Pressure, LibraryValue(c.kPt, T()) * kPressureFactor);
    CheckAgainstSaturatedValues(s.Enthalpy, LibraryValue(c.sEtw, T(), 1.0) * kEnthalpyFactor,
                                LibraryValue(c.sEtw, T(), 0.0) * kEnthalpyFactor);
    Store(s.Quality, LibraryValue(c.sWep, enthalpy(), p()));
    Store(s.Entropy, LibraryValue(c.sStw, T(), s.Quality) * kEntropyFactor);
    MixtureVolume();
    onSaturationLine = true;
  }

  void TemperatureEntropy() {
    Store(s.Pressure, LibraryValue(c.kPt, T()) * kPressureFactor);
    CheckAgainstSaturatedValues(s.Entropy, LibraryValue(c.sStw, T(), 1.0) * kEntropyFactor,
                                LibraryValue(c.sStw, T(), 0.0) * kEntropyFactor);
    Store(s.Quality, LibraryValue(c.sWsp, entropy(), p()));
    Store(s.Enthalpy, LibraryValue(c.sEtw, T(), s.Quality) * kEnthalpyFactor);
    MixtureVolume();
    onSaturationLine = true;
  }

  void PressureQuality() {
    SaturationTemperature();
    Store(s.Enthalpy, LibraryValue(c.sEtw, T(), s.Quality) * kEnthalpyFactor);
    Store(s.Entropy, LibraryValue(c.sStw, T(), s.Quality) * kEntropyFactor);
    MixtureVolume();
    onSaturationLine = true;
  }

  void PressureEnthalpy() {
    if (LibraryValue(c.sEpw, p(), 1.0) * kEnthalpyFactor < s.Enthalpy) {
      Store(s.Temperature, LibraryValue(c.twoTep, enthalpy(), p()));
      Store(s.Quality, 1.0);
      SingleVolume();
      Store(s.Entropy, LibraryValue(c.nStp, T(), p()) * kEntropyFactor);
      return;
    }
    if (LibraryValue(c.sEpw, p(), 0.0) * kEnthalpyFactor > s.Enthalpy) RejectCompressedLiquid();
    SaturationTemperature();
    Store(s.Quality, LibraryValue(c.sWep, enthalpy(), p()));
    MixtureVolume();
    Store(s.Entropy, LibraryValue(c.sStw, T(), s.Quality) * kEntropyFactor);
    onSaturationLine = true;
  }

  void PressureEntropy() {
    Store(s.Temperature, LibraryValue(c.nTsp, entropy(), p()));
    const bool superheated = LibraryValue(c.sSpw, p(), 1.0) * kEntropyFactor < s.Entropy;
    if (superheated || LibraryValue(c.sSpw, p(), 0.0) * kEntropyFactor > s.Entropy) {
      Store(s.Quality, superheated ? 1.0 : 0.0);
      Store(s.Enthalpy, LibraryValue(c.nEtp, T(), p()) * kEnthalpyFactor);
      SingleVolume();
      return;
    }
    SaturationTemperature();
    Store(s.Quality, LibraryValue(c.sWsp, entropy(), p()));
    Store(s.Enthalpy, LibraryValue(c.sEtw, T(), s.Quality) * kEnthalpyFactor);
    MixtureVolume();
    onSaturationLine = true;
  }

  void SaturationTemperature() {
    const double saturation = LibraryValue(c.kTp, p());
    CheckSaturationPressure(CallEntry(c.kPt, saturation), p());
    Store(s.Temperature, saturation);
  }

  void SingleVolume() {
    Store(s.SpecificVolume, LibraryValue(c.nXtp, T(), p()) * kVolumeFactor);
    Store(s.Density, 1.0 / s.SpecificVolume);
  }

  void MixtureVolume() {
    Store(s.SpecificVolume, LibraryValue(c.sXtw, T(), s.Quality) * kVolumeFactor);
    Store(s.Density, 1.0 / s.SpecificVolume);
  }

  PropertyLibraries& libraries_;
  const stm::CalorixEntryPoints& c;
};

}  // namespace

bool RunIFC67Case(InputPair pair, WorkingState& state, PropertyLibraries& libraries) {
  return IFC67Case(state, libraries).Run(pair);
}

}  // namespace steam
