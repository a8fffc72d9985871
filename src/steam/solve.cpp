#include "steam/steam.h"

#include "steam/completion.h"
#include "steam/compute.h"
#include "steam/formulation_modules.h"

namespace steam {

namespace {

struct PairNames {
  const char* first;
  const char* second;
};

PairNames NamesOf(InputPair pair) {
  switch (pair) {
    case InputPair::TemperaturePressure: return {"Temperature", "Pressure"};
    case InputPair::TemperatureQuality: return {"Temperature", "Quality"};
    case InputPair::TemperatureEnthalpy: return {"Temperature", "Enthalpy"};
    case InputPair::TemperatureEntropy: return {"Temperature", "Entropy"};
    case InputPair::PressureQuality: return {"Pressure", "Quality"};
    case InputPair::PressureEnthalpy: return {"Pressure", "Enthalpy"};
    case InputPair::PressureEntropy: return {"Pressure", "Entropy"};
  }
  return {"", ""};
}

// Where the pair's second value is written in the working state.
double& SecondInput(WorkingState& state, InputPair pair) {
  switch (pair) {
    case InputPair::TemperaturePressure: return state.Pressure;
    case InputPair::TemperatureQuality:
    case InputPair::PressureQuality: return state.Quality;
    case InputPair::TemperatureEnthalpy:
    case InputPair::PressureEnthalpy: return state.Enthalpy;
    case InputPair::TemperatureEntropy:
    case InputPair::PressureEntropy: return state.Entropy;
  }
  return state.Pressure;
}

bool StartsWithTemperature(InputPair pair) {
  return pair == InputPair::TemperaturePressure || pair == InputPair::TemperatureQuality ||
         pair == InputPair::TemperatureEnthalpy || pair == InputPair::TemperatureEntropy;
}

void MarkPlaceholders(SteamState& state, const ComputeOutcome& outcome) {
  auto mark = [&state](Result result) { state.placeholder[static_cast<std::size_t>(result)] = true; };
  if (!outcome.surfaceTensionShown) mark(Result::SurfaceTension);
  const double quality = state.values.Quality;
  if (InTwoPhaseBand(quality)) {
    mark(Result::Viscosity);
    mark(Result::ThermalConductivity);
    mark(Result::SonicVelocity);
    mark(Result::PrandtlNumber);
  }
  if (HeatCapacityTwoPhase(quality)) {
    mark(Result::IsobaricHeatCapacity);
    mark(Result::IsochoricHeatCapacity);
  }
  if (!outcome.prandtlNumber) mark(Result::PrandtlNumber);
  if (!outcome.isentropicExponent) mark(Result::IsentropicExponent);
}

}  // namespace

double SteamState::Value(Result result) const {
  switch (result) {
    case Result::Temperature: return values.Temperature;
    case Result::Pressure: return values.Pressure;
    case Result::Quality: return values.Quality;
    case Result::Enthalpy: return values.Enthalpy;
    case Result::Entropy: return values.Entropy;
    case Result::SpecificVolume: return values.SpecificVolume;
    case Result::Density: return values.Density;
    case Result::IsobaricHeatCapacity: return values.Cp;
    case Result::IsochoricHeatCapacity: return values.Cv;
    case Result::Viscosity: return values.Viscosity;
    case Result::ThermalConductivity: return values.Conductivity;
    case Result::SurfaceTension: return values.SurfaceTension;
    case Result::SonicVelocity: return values.SoundSpeed;
    case Result::PrandtlNumber: return prandtlNumber;
    case Result::IsentropicExponent: return isentropicExponent;
  }
  return 0.0;
}

SolveOutcome Solve(Formulation formulation, InputPair pair, double first, double second,
                   PropertyLibraries& libraries, const WorkingState& start) {
  ComputeRequest request;
  request.formulation = formulation;
  request.state = start;
  (StartsWithTemperature(pair) ? request.state.Temperature : request.state.Pressure) = first;
  SecondInput(request.state, pair) = second;
  const PairNames names = NamesOf(pair);
  request.firstName = names.first;
  request.secondName = names.second;
  request.temperatureTicked = StartsWithTemperature(pair);
  request.pressureTicked = !StartsWithTemperature(pair) || pair == InputPair::TemperaturePressure;

  const ComputeOutcome computed = Compute(request, libraries);
  SolveOutcome outcome;
  outcome.state.formulation = formulation;
  outcome.state.pair = pair;
  outcome.state.values = computed.state;
  outcome.messages = computed.messages;
  outcome.succeeded = computed.succeeded;
  if (!computed.succeeded) return outcome;
  outcome.state.prandtlNumber = computed.prandtlNumber.value_or(0.0);
  outcome.state.isentropicExponent = computed.isentropicExponent.value_or(0.0);
  MarkPlaceholders(outcome.state, computed);
  outcome.state.onSaturationLine = computed.onSaturationLine;
  return outcome;
}

}  // namespace steam
