#include "steam/steam.h"

#include "steam/completion.h"
#include "steam/compute.h"
#include "steam/formulation_modules.h"

namespace steam {

namespace {

// Where an input is written in the working state.
double& InputField(WorkingState& state, Result input) {
  switch (input) {
    case Result::Temperature: return state.Temperature;
    case Result::Quality: return state.Quality;
    case Result::Enthalpy: return state.Enthalpy;
    case Result::Entropy: return state.Entropy;
    default: return state.Pressure;
  }
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

Result FirstInput(InputPair pair) {
  return StartsWithTemperature(pair) ? Result::Temperature : Result::Pressure;
}

Result SecondInput(InputPair pair) {
  switch (pair) {
    case InputPair::TemperaturePressure: return Result::Pressure;
    case InputPair::TemperatureQuality:
    case InputPair::PressureQuality: return Result::Quality;
    case InputPair::TemperatureEnthalpy:
    case InputPair::PressureEnthalpy: return Result::Enthalpy;
    case InputPair::TemperatureEntropy:
    case InputPair::PressureEntropy: return Result::Entropy;
  }
  return Result::Pressure;
}

SolveOutcome Solve(Formulation formulation, InputPair pair, double first, double second,
                   PropertyLibraries& libraries, const WorkingState& start) {
  ComputeRequest request;
  request.formulation = formulation;
  request.state = start;
  InputField(request.state, FirstInput(pair)) = first;
  InputField(request.state, SecondInput(pair)) = second;
  request.pair = pair;

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
