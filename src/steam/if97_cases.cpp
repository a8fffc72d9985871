// SPDX-License-Identifier: GPL-3.0-or-later
// The IF-97 input cases, through libHydrix.so.
#include "steam/compute_fault.h"
#include "steam/conversion_factors.h"
#include "steam/formulation_modules.h"
#include "steam/input_case.h"
#include "steam/input_cases.h"
#include "steam/single_float.h"

namespace steam {

namespace {

class IF97Case : public InputCase<IF97Case> {
 public:
  IF97Case(WorkingState& state, PropertyLibraries& libraries)
      : InputCase(state), libraries_(libraries), h(RequireHydrix(libraries)) {}

 private:
  friend class InputCase<IF97Case>;

  void HeatCapacities() {
    Store(s.Cp, basSteam97Functions::Cp97(libraries_, s.Temperature, s.Pressure, s.Quality));
    Store(s.Cv, basSteam97Functions::Cv97(libraries_, s.Temperature, s.Pressure, s.Quality));
  }

  void TemperaturePressure() {
    SingleVolume();
    Store(s.Enthalpy, LibraryValue(h.nHtp, T(), p()) * kEnthalpyFactor);
    Store(s.Entropy, LibraryValue(h.nStp, T(), p()) * kEntropyFactor);
    if (CallEntry(h.IsSat_ph, p(), enthalpy()) != 0) {
      Store(s.Quality, LibraryValue(h.sXph, p(), enthalpy()));
      onSaturationLine = true;
    } else {
      SingleQuality();
    }
  }

  void TemperatureQuality() {
    onSaturationLine = true;
    Store(s.Enthalpy, LibraryValue(h.sHtx, T(), s.Quality) * kEnthalpyFactor);
    Store(s.Entropy, LibraryValue(h.sStx, T(), s.Quality) * kEntropyFactor);
    Store(s.Pressure, LibraryValue(h.sPt, T()) * kPressureFactor);
    VolumeFromQuality();
  }

  void TemperatureEnthalpy() {
    Store(s.Pressure, LibraryValue(h.sPt, T()) * kPressureFactor);
    CheckAgainstSaturatedValues(s.Enthalpy, LibraryValue(h.sHtx, T(), 1.0) * kEnthalpyFactor,
                                LibraryValue(h.sHtx, T(), 0.0) * kEnthalpyFactor);
    Store(s.Quality, LibraryValue(h.sXph, p(), enthalpy()));
    Store(s.Entropy, LibraryValue(h.sStx, T(), s.Quality) * kEntropyFactor);
    VolumeFromQuality();
    onSaturationLine = true;
  }

  void TemperatureEntropy() {
    CheckAgainstSaturatedValues(s.Entropy, LibraryValue(h.sStx, T(), 1.0) * kEntropyFactor,
                                LibraryValue(h.sStx, T(), 0.0) * kEntropyFactor);
    Store(s.Pressure, LibraryValue(h.sPt, T()) * kPressureFactor);
    Store(s.Quality, LibraryValue(h.sXps, p(), entropy()));
    Store(s.Enthalpy, LibraryValue(h.sHtx, T(), s.Quality) * kEnthalpyFactor);
    VolumeFromQuality();
    onSaturationLine = true;
  }

  void PressureQuality() {
    const double saturation = LibraryValue(h.sTp, p());
    CheckSaturationPressure(CallEntry(h.sPt, saturation), p());
    Store(s.Temperature, saturation);
    Store(s.Enthalpy, LibraryValue(h.sHtx, T(), s.Quality) * kEnthalpyFactor);
    Store(s.Entropy, LibraryValue(h.sStx, T(), s.Quality) * kEntropyFactor);
    VolumeFromQuality();
    onSaturationLine = true;
  }

  void PressureEnthalpy() {
    Store(s.Temperature, LibraryValue(h.nTph, p(), enthalpy()));
    if (CallEntry(h.IsSat_ph, p(), enthalpy()) != 0) {
      Store(s.Quality, LibraryValue(h.sXph, p(), enthalpy()));
      Store(s.Entropy, LibraryValue(h.sStx, T(), s.Quality) * kEntropyFactor);
      VolumeFromQuality();
      onSaturationLine = true;
      return;
    }
    SingleQuality();
    Store(s.Entropy, LibraryValue(h.nStp, T(), p()) * kEntropyFactor);
    SingleVolume();
  }

  void PressureEntropy() {
    Store(s.Temperature, LibraryValue(h.nTps, p(), entropy()));
    if (CallEntry(h.IsSat_ps, p(), entropy()) != 0) {
      Store(s.Quality, LibraryValue(h.sXps, p(), entropy()));
      Store(s.Enthalpy, LibraryValue(h.sHtx, T(), s.Quality) * kEnthalpyFactor);
      VolumeFromQuality();
      onSaturationLine = true;
      return;
    }
    SingleQuality();
    Store(s.Enthalpy, LibraryValue(h.nHtp, T(), p()) * kEnthalpyFactor);
    SingleVolume();
  }

  // A single-phase state is vapour above the saturation temperature.
  void SingleQuality() { Store(s.Quality, T() > LibraryValue(h.sTp, p()) ? 1.0 : 0.0); }

  void SingleVolume() {
    Store(s.SpecificVolume, LibraryValue(h.nDtp, T(), p()) * kVolumeFactor);
    Store(s.Density, 1.0 / s.SpecificVolume);
  }

  // A mixture's volume is the program's own mean of the two saturated
  // volumes, each carried at 32-bit precision.
  void VolumeFromQuality() {
    const double x = s.Quality;
    if (x > 0.0 && x < 1.0) {
      const double liquid = RoundedToSingle(LibraryValue(h.sDtx, T(), 0.0) * kVolumeFactor);
      const double vapour = RoundedToSingle(LibraryValue(h.sDtx, T(), 1.0) * kVolumeFactor);
      Store(s.SpecificVolume, (1.0 - x) * liquid + x * vapour);
    } else if (x == 0.0 || x == 1.0) {
      Store(s.SpecificVolume, LibraryValue(h.sDtx, T(), x) * kVolumeFactor);
    } else {
      Store(s.SpecificVolume, LibraryValue(h.nDtp, T(), p()) * kVolumeFactor);
    }
    Store(s.Density, 1.0 / s.SpecificVolume);
  }

  PropertyLibraries& libraries_;
  const stm::HydrixEntryPoints& h;
};

}  // namespace

bool RunIF97Case(InputPair pair, WorkingState& state, PropertyLibraries& libraries) {
  return IF97Case(state, libraries).Run(pair);
}

}  // namespace steam
