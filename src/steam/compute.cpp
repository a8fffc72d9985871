#include "steam/compute.h"

#include "steam/completion.h"
#include "steam/compute_fault.h"
#include "steam/formulation_modules.h"
#include "steam/input_cases.h"
#include "steam/single_float.h"

#include <optional>
#include <string>

namespace steam {

namespace {

std::optional<Message> RangeMessage(const std::string& answer, Formulation formulation,
                                    const char* high, const char* low) {
  if (answer.empty()) return std::nullopt;
  const char* text = answer == "High" ? high : low;
  return Message{text, FormulationTitle(formulation), MessageIcon::Critical};
}

// The range checks of the pair's temperature and pressure: the message of the
// first that answers. The pressure is checked only when the temperature was
// found in range.
std::optional<Message> CheckRanges(const ComputeRequest& request, const WorkingState& state,
                                   PropertyLibraries& libraries) {
  const bool if97 = request.formulation == Formulation::IF97;
  if (StartsWithTemperature(request.pair)) {
    const float t = RoundedToSingle(state.Temperature);
    const std::string answer = if97 ? basSteam97Functions::TempRange97(libraries, t)
                                    : basSteam67Functions::TempRange67(libraries, t);
    const std::optional<Message> message =
        if97 ? RangeMessage(answer, request.formulation,
                            "Temperature must be lower than 3632 F (2000 C).",
                            "Temperature be greater than 32 F (0 C).")
             : RangeMessage(answer, request.formulation,
                            "Temperature must be lower than 1472 F (800 C).",
                            "Temperature must be greater than 32.02 F (0.01 C).");
    if (message) return message;
  }
  if (TakesPressure(request.pair)) {
    const float p = RoundedToSingle(state.Pressure);
    const std::string answer = if97 ? basSteam97Functions::PressRange97(libraries, p)
                                    : basSteam67Functions::PressRange67(libraries, p);
    return RangeMessage(answer, request.formulation,
                        "Pressure must be lower than 14503.82 psia (100,000.32 kPa).",
                        "Pressure must be greater than 0 psia (0 kPa).");
  }
  return std::nullopt;
}

Message OutsideFormulation(Formulation formulation) {
  return {"Conditions are outside the range of the formulation.", FormulationTitle(formulation),
          MessageIcon::Critical};
}

void Run(const ComputeRequest& request, ComputeOutcome& outcome, PropertyLibraries& libraries) {
  outcome.onSaturationLine = request.formulation == Formulation::IF97
                                 ? RunIF97Case(request.pair, outcome.state, libraries)
                                 : RunIFC67Case(request.pair, outcome.state, libraries);
  if (std::optional<Message> range = CheckRanges(request, outcome.state, libraries)) {
    outcome.messages.push_back(*range);
    return;
  }
  if (outcome.state.SpecificVolume < 0.0) {
    outcome.messages.push_back(OutsideFormulation(request.formulation));
    return;
  }
  CompleteState(outcome, libraries);
  outcome.succeeded = true;
}

}  // namespace

std::optional<InputPair> PairOf(Result first, Result second) {
  if (first == Result::Temperature) {
    if (second == Result::Pressure) return InputPair::TemperaturePressure;
    if (second == Result::Quality) return InputPair::TemperatureQuality;
    if (second == Result::Enthalpy) return InputPair::TemperatureEnthalpy;
    if (second == Result::Entropy) return InputPair::TemperatureEntropy;
  } else if (first == Result::Pressure) {
    if (second == Result::Quality) return InputPair::PressureQuality;
    if (second == Result::Enthalpy) return InputPair::PressureEnthalpy;
    if (second == Result::Entropy) return InputPair::PressureEntropy;
  }
  return std::nullopt;
}

Message NotEnoughInput() {
  return {"Not enough input data is specified.  At a minimum, a \r"
          "temperature and pressure input is needed.",
          "Steam Properties", MessageIcon::Critical};
}

const char* FormulationTitle(Formulation formulation) {
  return formulation == Formulation::IF97 ? "Steam IFC-1997" : "Steam IFC-1967";
}

ComputeOutcome Compute(const ComputeRequest& request, PropertyLibraries& libraries) {
  ComputeOutcome outcome;
  outcome.state = request.state;
  try {
    Run(request, outcome, libraries);
  } catch (const ComputeFault& fault) {
    outcome.succeeded = false;
    if (fault.kind == ComputeFault::Kind::Rejected) {
      outcome.messages.push_back(fault.message);
    } else if (fault.kind == ComputeFault::Kind::OutsideFormulation) {
      // A state the library cannot give: the range messages say why when
      // they can, otherwise the formulation's own.
      try {
        std::optional<Message> range = CheckRanges(request, outcome.state, libraries);
        outcome.messages.push_back(range ? *range : OutsideFormulation(request.formulation));
      } catch (const ComputeFault&) {
      }
    }
  }
  return outcome;
}

}  // namespace steam
