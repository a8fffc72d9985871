// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/state_report.h"

#include <cmath>

#include "cli/state_diagnostics.h"
#include "steam/si_state.h"
#include "units/display_format.h"
#include "units/exact_conversions.h"
#include "units/single_precision.h"
#include "units/unit_names.h"

namespace cli {
namespace {

constexpr const char* kApplicationTitle = "Hydrelix";

// A message as one line: the window breaks its lines with \r.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

// Why Solve refused a state without a message of its own: a library that
// could not be loaded, or a property the formulation has no value for.
void ExplainSilentRefusal(StateReport& report, steam::PropertyLibraries& libraries) {
  report.errorTitle = kApplicationTitle;
  if (libraries.Hydrix() == nullptr) {
    report.errorMessage = "The IAPWS-IF97 property library libHydrix.so cannot be loaded.";
  } else if (report.formulation == steam::Formulation::IFC67 && libraries.Calorix() == nullptr) {
    report.errorMessage = "The IFC-67 property library libCalorix.so cannot be loaded.";
  } else {
    report.errorTitle = steam::FormulationTitle(report.formulation);
    report.errorMessage = "The formulation has no value for a property of this state.";
  }
}

// The field text of a working value in unit `unit`, as the window's list
// shows it; the megapascal, which the window lacks, shows like the bar.
std::string ShownText(units::Quantity quantity, double working, float molarMass, int16_t unit,
                      std::string_view format) {
  if (!std::isfinite(working)) return {};
  const double shown = unit == units::kMegapascal
                           ? units::ToSingle(working / 145.037738734)
                           : units::ExpressInUnit(quantity, working, molarMass, unit);
  return units::FormatValue(shown, format, units::NumberLocale{});
}

void FillProperties(StateReport& report, const steam::SteamState& state,
                    const ReportOptions& options) {
  const float molarMass = state.values.MolarMass;
  for (std::size_t i = 0; i < kResultKeys.size(); ++i) {
    const ResultKey& key = kResultKeys[i];
    ReportedProperty& property = report.properties[i];
    const double working = state.Value(key.result);
    const bool placeholder = state.IsPlaceholder(key.result);
    const std::string_view format = units::kDisplayFormatSettings[i].defaultFormat;
    if (key.quantity) {
      const int16_t unit = options.units[i];
      if (options.texts) property.unit = units::UnitLabel(*key.quantity, unit);
      const double value = units::ExactInUnit(*key.quantity, working, molarMass, unit);
      if (!placeholder && std::isfinite(value)) property.value = value;
      if (options.texts) property.text = ShownText(*key.quantity, working, molarMass, unit, format);
    } else {
      if (options.texts) property.unit = "-";
      if (!placeholder && std::isfinite(working)) property.value = working;
      if (options.texts) {
        property.text = placeholder && key.result != steam::Result::Quality
                            ? "0"
                            : units::FormatValue(working, format, units::NumberLocale{});
      }
    }
  }
}

// A margin the state has, as a number.
bool Known(const std::optional<double>& value) { return value && std::isfinite(*value); }

void FillDiagnostics(StateReport& report, const steam::SteamState& state,
                     const ReportOptions& options) {
  const std::optional<StateDiagnostics> diagnostics = DiagnoseState(state);
  if (!diagnostics) return;
  report.diagnosed = true;
  report.region = diagnostics->region;
  report.phase = diagnostics->phase;
  // Batch rows carry the region and the phase only.
  if (!options.texts) return;
  const float molarMass = state.values.MolarMass;
  const int16_t temperatureUnit = options.units[0];
  const int16_t pressureUnit = options.units[1];
  if (Known(diagnostics->saturationTemperature)) {
    const double f = steam::FahrenheitFromKelvin(*diagnostics->saturationTemperature);
    report.margins.push_back(
        {"saturation_temperature",
         units::ExactInUnit(units::Quantity::Temperature, f, molarMass, temperatureUnit),
         units::UnitLabel(units::Quantity::Temperature, temperatureUnit)});
  }
  if (Known(diagnostics->saturationPressure)) {
    const double psia = steam::PsiaFromMegapascal(*diagnostics->saturationPressure);
    report.margins.push_back(
        {"saturation_pressure",
         units::ExactInUnit(units::Quantity::Pressure, psia, molarMass, pressureUnit),
         units::UnitLabel(units::Quantity::Pressure, pressureUnit)});
  }
  auto difference = [&](const char* key, double kelvins) {
    report.margins.push_back({key, options.si ? kelvins : units::FahrenheitDifference(kelvins),
                              options.si ? "K" : "\u00B0F"});
  };
  if (Known(diagnostics->superheat)) difference("superheat", *diagnostics->superheat);
  if (Known(diagnostics->subcooling)) difference("subcooling", *diagnostics->subcooling);
}

}  // namespace

const char* FormulationName(steam::Formulation formulation) {
  return formulation == steam::Formulation::IF97 ? "IAPWS-IF97" : "IFC-67";
}

std::optional<steam::SteamState> SolveRequest(const StateRequest& request,
                                              const ReportOptions& options,
                                              steam::PropertyLibraries& libraries,
                                              StateReport& report) {
  report = StateReport{};
  report.formulation = options.formulation;
  report.si = options.si;
  const std::optional<PairOrder> order = PairOf(request.names[0], request.names[1]);
  if (!order) {
    report.errorTitle = kApplicationTitle;
    report.errorMessage = std::string("The inputs form none of the pairs ") + kPairList + ".";
    return std::nullopt;
  }
  report.pair = order->pair;
  const int first = order->swapped ? 1 : 0;
  const EnteredValue a = Enter(request.names[first], request.texts[first], options.si);
  const EnteredValue b = Enter(request.names[1 - first], request.texts[1 - first], options.si);
  for (const EnteredValue* entered : {&a, &b}) {
    if (entered->refusal) {
      report.errorMessage = OneLine(entered->refusal->text);
      report.errorTitle = entered->refusal->title;
      return std::nullopt;
    }
  }

  const steam::SolveOutcome outcome =
      steam::Solve(options.formulation, order->pair, a.working, b.working, libraries);
  if (!outcome.succeeded) {
    for (const steam::Message& message : outcome.messages) {
      if (!report.errorMessage.empty()) report.errorMessage += ' ';
      report.errorMessage += OneLine(message.text);
      if (report.errorTitle.empty())
        report.errorTitle = message.title.empty() ? kApplicationTitle : message.title;
    }
    if (outcome.messages.empty()) ExplainSilentRefusal(report, libraries);
    return std::nullopt;
  }
  for (const steam::Message& message : outcome.messages) {
    if (!report.notice.empty()) report.notice += ' ';
    report.notice += OneLine(message.text);
  }
  return outcome.state;
}

void ReportComputedState(const steam::SteamState& state, const ReportOptions& options,
                         StateReport& report) {
  report.formulation = state.formulation;
  report.si = options.si;
  report.pair = state.pair;
  report.computed = true;
  FillProperties(report, state, options);
  FillDiagnostics(report, state, options);
}

StateReport ReportState(const StateRequest& request, const ReportOptions& options,
                        steam::PropertyLibraries& libraries) {
  StateReport report;
  const std::optional<steam::SteamState> state = SolveRequest(request, options, libraries, report);
  if (state) ReportComputedState(*state, options, report);
  return report;
}

}  // namespace cli
