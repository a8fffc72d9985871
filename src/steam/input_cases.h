// The input cases of both formulations. Each fills the thermodynamic part of
// the working state (temperature, pressure, volume, density, enthalpy,
// entropy, quality, Cp, Cv) from two inputs, or throws a ComputeFault.
#ifndef HYDRELIX_STEAM_INPUT_CASES_H
#define HYDRELIX_STEAM_INPUT_CASES_H

#include "steam/property_libraries.h"
#include "steam/working_state.h"

namespace steam {

enum class InputPair {
  TemperaturePressure, TemperatureQuality, TemperatureEnthalpy, TemperatureEntropy,
  PressureQuality, PressureEnthalpy, PressureEntropy
};

// Whether the pair's first input is the temperature (else the pressure), and
// whether it takes a pressure at all.
inline bool StartsWithTemperature(InputPair pair) {
  return pair == InputPair::TemperaturePressure || pair == InputPair::TemperatureQuality ||
         pair == InputPair::TemperatureEnthalpy || pair == InputPair::TemperatureEntropy;
}
inline bool TakesPressure(InputPair pair) {
  return !StartsWithTemperature(pair) || pair == InputPair::TemperaturePressure;
}

// Both return whether the case found the state on the saturation line: a
// quality was given, or the case's own test put the state between the
// saturated liquid and vapour.
bool RunIF97Case(InputPair pair, WorkingState& state, PropertyLibraries& libraries);
bool RunIFC67Case(InputPair pair, WorkingState& state, PropertyLibraries& libraries);

// Every value a case computes enters the state through here: a non-finite
// value is an arithmetic fault and is never stored.
void Store(double& field, double value);

// The "Superheated steam" and "Compressed liquid" refusals of the cases that
// take a temperature with an enthalpy or an entropy.
void CheckAgainstSaturatedValues(double input, double saturatedVapour, double saturatedLiquid);
[[noreturn]] void RejectCompressedLiquid();

// A saturation temperature from pressure p is only a state when the
// saturation pressure at it gives p back: above the critical pressure or below
// the triple point it does not, and the state is outside the formulation.
void CheckSaturationPressure(double saturationPressure, double p);

}  // namespace steam

#endif
