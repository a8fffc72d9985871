#include "analysis/input_results.h"

namespace analysis {

std::array<steam::Result, 2> InputResults(steam::InputPair pair) {
  using steam::InputPair;
  using steam::Result;
  switch (pair) {
    case InputPair::TemperaturePressure: return {Result::Temperature, Result::Pressure};
    case InputPair::TemperatureQuality: return {Result::Temperature, Result::Quality};
    case InputPair::TemperatureEnthalpy: return {Result::Temperature, Result::Enthalpy};
    case InputPair::TemperatureEntropy: return {Result::Temperature, Result::Entropy};
    case InputPair::PressureQuality: return {Result::Pressure, Result::Quality};
    case InputPair::PressureEnthalpy: return {Result::Pressure, Result::Enthalpy};
    case InputPair::PressureEntropy: return {Result::Pressure, Result::Entropy};
  }
  return {Result::Temperature, Result::Pressure};
}

std::array<double, 2> InputValues(const steam::SteamState& state) {
  const std::array<steam::Result, 2> results = InputResults(state.pair);
  return {state.Value(results[0]), state.Value(results[1])};
}

}  // namespace analysis
