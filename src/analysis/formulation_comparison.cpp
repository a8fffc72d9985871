#include "analysis/formulation_comparison.h"

#include "analysis/formulation_names.h"
#include "analysis/input_results.h"
#include "steam/si_state.h"
#include "units/display_format.h"

#include <array>
#include <cmath>

namespace analysis {

namespace {

using steam::Result;

constexpr const char* kDiffers = "\u2260";
constexpr const char* kPercentFormat = "0.000";

FormulationSide Side(steam::Formulation formulation, steam::InputPair pair, double first,
                     double second, steam::PropertyLibraries& libraries) {
  FormulationSide side;
  side.formulation = formulation;
  const steam::SolveOutcome outcome = steam::Solve(formulation, pair, first, second, libraries);
  if (outcome.succeeded) {
    side.state = outcome.state;
    side.phase = Diagnose(outcome.state).phase;
    return side;
  }
  for (const steam::Message& message : outcome.messages) {
    if (!side.refusal.empty()) side.refusal += " ";
    side.refusal += message.text;
  }
  if (side.refusal.empty()) {
    side.refusal = std::string(FormulationName(formulation)) + " gives no state for these inputs.";
  }
  return side;
}

// The value a percentage is taken of: temperatures on their absolute scale,
// so that a difference at 0 °F is not infinitely large.
double PercentBase(Result result, double working) {
  return result == Result::Temperature ? steam::KelvinFromFahrenheit(working) : working;
}

}  // namespace

const char* ResultCaption(Result result) {
  static constexpr std::array<const char*, steam::kResultCount> kCaptions = {
      "Temperature",          "Pressure",          "Quality (L=0, V=1)",
      "Enthalpy",             "Entropy",           "Specific Volume",
      "Density",              "Isobaric Heat Capacity", "Isochoric Heat Capacity",
      "Viscosity",            "Thermal Conductivity",   "Surface Tension",
      "Critical Velocity",    "Prandtl Number",    "Isentropic Exponent"};
  return kCaptions[static_cast<std::size_t>(result)];
}

FormulationComparison CompareFormulations(steam::InputPair pair, double first, double second,
                                          steam::PropertyLibraries& libraries) {
  return {Side(steam::Formulation::IF97, pair, first, second, libraries),
          Side(steam::Formulation::IFC67, pair, first, second, libraries)};
}

FormulationComparison CompareFormulationsOf(const steam::SteamState& state,
                                            steam::PropertyLibraries& libraries) {
  const std::array<double, 2> inputs = InputValues(state);
  return CompareFormulations(state.pair, inputs[0], inputs[1], libraries);
}

std::string InputsCaption(const steam::SteamState& state, const DisplayUnits& shown) {
  const std::array<Result, 2> results = InputResults(state.pair);
  const std::array<double, 2> values = InputValues(state);
  std::string caption = std::string("Inputs ") + PairSymbols(state.pair) + ":";
  for (std::size_t i = 0; i < 2; ++i) {
    const std::string label = shown.Label(results[i]);
    caption += (i == 0 ? " " : ", ") + shown.Text(results[i], values[i]);
    if (label != "-") caption += " " + label;
  }
  return caption;
}

ComparisonTable ComparisonRows(const FormulationComparison& comparison, const DisplayUnits& shown,
                               double thresholdPercent) {
  ComparisonTable out;
  out.table.header = {"Property", "IAPWS-IF97", "IFC-67", "\u0394 (IFC-67 \u2212 IF-97)",
                      "\u0394 %", "Unit", kDiffers};
  const auto& a = comparison.if97.state;
  const auto& b = comparison.ifc67.state;
  for (std::size_t i = 0; i < steam::kResultCount; ++i) {
    const Result result = static_cast<Result>(i);
    std::vector<std::string> cells = {ResultCaption(result),
                                      a ? shown.Text(result, a->Value(result)) : "",
                                      b ? shown.Text(result, b->Value(result)) : ""};
    std::string difference;
    std::string percent;
    bool differs = false;
    if (a && b && !a->IsPlaceholder(result) && !b->IsPlaceholder(result)) {
      const double first = a->Value(result);
      const double second = b->Value(result);
      if (first != 0.0 && second != 0.0 && std::isfinite(first) && std::isfinite(second)) {
        const double delta = second - first;
        const double relative = 100.0 * delta / PercentBase(result, first);
        difference = shown.DifferenceText(result, delta);
        percent = units::FormatValue(relative, kPercentFormat, shown.locale);
        differs = std::fabs(relative) > thresholdPercent;
      }
    }
    cells.push_back(difference);
    cells.push_back(percent);
    cells.push_back(shown.Label(result));
    cells.push_back(differs ? kDiffers : "");
    out.table.rows.push_back(std::move(cells));
    out.differs.push_back(differs);
  }
  const auto& phaseA = comparison.if97.phase;
  const auto& phaseB = comparison.ifc67.phase;
  const bool phaseDiffers = phaseA && phaseB && *phaseA != *phaseB;
  out.table.rows.push_back({"Phase", phaseA ? PhaseWord(*phaseA) : "",
                            phaseB ? PhaseWord(*phaseB) : "", "", "", "-",
                            phaseDiffers ? kDiffers : ""});
  out.differs.push_back(phaseDiffers);
  return out;
}

}  // namespace analysis
