// SPDX-License-Identifier: GPL-3.0-or-later
// What the input cases of both formulations share: the working state they
// fill, their inputs in library units, and the dispatch on the pair. A case
// class derives from InputCase<itself> and gives one member per pair and its
// formulation's heat capacities.
#ifndef HYDRELIX_STEAM_INPUT_CASE_H
#define HYDRELIX_STEAM_INPUT_CASE_H

#include "steam/conversion_factors.h"
#include "steam/input_cases.h"
#include "steam/working_state.h"

namespace steam {

template <typename Case>
class InputCase {
 public:
  // Fills the state and tells whether the case found it on the saturation
  // line: a quality was given, or the state fell between the saturated ends.
  bool Run(InputPair pair) {
    Case& c = static_cast<Case&>(*this);
    switch (pair) {
      case InputPair::TemperaturePressure: c.TemperaturePressure(); break;
      case InputPair::TemperatureQuality: c.TemperatureQuality(); break;
      case InputPair::TemperatureEnthalpy: c.TemperatureEnthalpy(); break;
      case InputPair::TemperatureEntropy: c.TemperatureEntropy(); break;
      case InputPair::PressureQuality: c.PressureQuality(); break;
      case InputPair::PressureEnthalpy: c.PressureEnthalpy(); break;
      case InputPair::PressureEntropy: c.PressureEntropy(); break;
    }
    c.HeatCapacities();
    return onSaturationLine;
  }

 protected:
  explicit InputCase(WorkingState& state) : s(state) {}

  // The inputs in library units, from their current working values: a value
  // the case has just written is used as written.
  double T() const { return s.Temperature; }
  double p() const { return s.Pressure / kPressureFactor; }
  double enthalpy() const { return s.Enthalpy / kEnthalpyFactor; }
  double entropy() const { return s.Entropy / kEntropyFactor; }

  WorkingState& s;
  bool onSaturationLine = false;
};

}  // namespace steam

#endif
