#include "cli/process_report.h"

#include "cli/row_writer.h"
#include "cli/shortest_number.h"
#include "steam/si_state.h"
#include "steam/working_state.h"
#include "units/display_format.h"
#include "units/exact_conversions.h"
#include "units/flow_power_units.h"
#include "units/unit_catalogue.h"
#include "units/unit_names.h"

namespace cli {
namespace {

using analysis::FigureQuantity;

constexpr std::size_t kTemperature = 0;
constexpr std::size_t kPressure = 1;
constexpr std::size_t kEnthalpy = 3;
constexpr std::size_t kEntropy = 4;

// The SI unit of a window list (kJ/kg, kJ/kg-K) in which the process module
// gives its figures.
constexpr int16_t kKilojoulesPerKilogram = 5;
constexpr int16_t kKilojoulesPerKilogramKelvin = 5;

std::string Label(const char* tag, int16_t unit) {
  const std::vector<std::string>* labels = units::UnitLabels(tag);
  return labels != nullptr ? (*labels)[static_cast<std::size_t>(unit)] : std::string();
}

// A limit as the user reads it: in the unit of the state's results.
std::string LimitIn(const ReportOptions& options, analysis::LimitQuantity quantity, double si) {
  const float molarMass = steam::WorkingState{}.MolarMass;
  const bool pressure = quantity == analysis::LimitQuantity::Pressure;
  const std::size_t index = pressure ? kPressure : kTemperature;
  const units::Quantity kind = pressure ? units::Quantity::Pressure : units::Quantity::Temperature;
  const double working =
      pressure ? steam::PsiaFromMegapascal(si) : steam::FahrenheitFromKelvin(si);
  const double value = units::ExactInUnit(kind, working, molarMass, options.units[index]);
  return units::FormatValue(value, units::kDisplayFormatSettings[index].defaultFormat,
                            units::NumberLocale{}) +
         " " + units::UnitLabel(kind, options.units[index]);
}

std::optional<StateRequest> Refused(ProcessReport& report, const StateReport& state) {
  report.errorMessage = state.errorMessage;
  report.errorTitle = state.errorTitle;
  return std::nullopt;
}

}  // namespace

ReportedFigure ExpressFigure(const analysis::ProcessFigure& figure, const ReportOptions& options) {
  const float molarMass = steam::WorkingState{}.MolarMass;
  ReportedFigure out{figure.key, figure.value, "-", {}};
  const char* format = "0.00000";
  auto list = [&](units::Quantity quantity, int16_t siUnit, std::size_t result) {
    const int16_t unit = options.units[result];
    const double working = units::ExactFromUnit(quantity, figure.value, molarMass, siUnit);
    out.value = units::ExactInUnit(quantity, working, molarMass, unit);
    out.unit = units::UnitLabel(quantity, unit);
    format = units::kDisplayFormatSettings[result].defaultFormat;
  };
  switch (figure.quantity) {
    case FigureQuantity::SpecificEnergy:
      list(units::Quantity::Enthalpy, kKilojoulesPerKilogram, kEnthalpy);
      break;
    case FigureQuantity::SpecificEntropy:
      list(units::Quantity::Entropy, kKilojoulesPerKilogramKelvin, kEntropy);
      break;
    case FigureQuantity::Power: {
      const int16_t unit = units::SystemPowerUnit(options.si);
      out.value = units::PowerInUnit(figure.value, unit);
      out.unit = Label(units::kPowerTag, unit);
      format = "0.000";
      break;
    }
    case FigureQuantity::MassFlow: {
      const int16_t unit = units::SystemFlowUnit(options.si);
      out.value = units::FlowInUnit(figure.value, unit);
      out.unit = Label(units::kFlowRateTag, unit);
      format = "0.0000";
      break;
    }
    case FigureQuantity::Ratio:
      if (figure.key == "efficiency") {
        out.value = figure.value * 100.0;
        out.unit = "%";
        format = "0.000";
      }
      break;
  }
  out.text = units::FormatValue(out.value, format, units::NumberLocale{});
  return out;
}

ProcessReport ReportProcess(const ProcessRequest& request, const ReportOptions& options,
                            steam::PropertyLibraries& libraries) {
  ProcessReport report;
  report.kind = request.kind;
  report.formulation = options.formulation;
  report.si = options.si;

  // The inlet, entered and computed as `state` computes it.
  std::optional<steam::SteamState> inlet;
  analysis::ProcessInputs inputs = request.inputs;
  if (request.inlet) {
    StateReport inletReport;
    inlet = SolveRequest(*request.inlet, options, libraries, inletReport);
    report.notice = inletReport.notice;
    if (!inlet) {
      Refused(report, inletReport);
      return report;
    }
  } else if (request.inletPressure) {
    const EnteredValue p1 = Enter(InputName::Pressure, *request.inletPressure, options.si);
    inputs.inletPressure = steam::MegapascalFromPsia(p1.working);
  }

  const analysis::ProcessResult result = analysis::RunProcess(
      request.kind, options.formulation, inlet, inputs, libraries,
      [&options](analysis::LimitQuantity quantity, double si) {
        return LimitIn(options, quantity, si);
      });
  if (result.refusal) {
    report.errorMessage = *result.refusal;
    report.errorTitle = "Hydrelix";
    return report;
  }
  report.computed = true;
  for (const analysis::ProcessState& state : result.states) {
    std::optional<StateReport> shown;
    if (state.state) {
      shown.emplace();
      ReportComputedState(*state.state, options, *shown);
    }
    report.states.emplace_back(state.key, std::move(shown));
  }
  for (const analysis::ProcessFigure& figure : result.figures)
    report.figures.push_back(ExpressFigure(figure, options));
  report.messages = result.messages;
  return report;
}

namespace {

void AppendJson(std::string& out, const ProcessReport& report) {
  if (!report.computed) {
    StateReport refused;
    refused.errorMessage = report.errorMessage;
    refused.errorTitle = report.errorTitle;
    AppendJsonState(out, refused);
    return;
  }
  out += "{\"process\": ";
  AppendJsonString(out, analysis::ProcessKindName(report.kind));
  out += ", \"formulation\": ";
  AppendJsonString(out, FormulationName(report.formulation));
  out += report.si ? ", \"units\": \"SI\"" : ", \"units\": \"IP\"";
  for (const auto& [key, state] : report.states) {
    out += ", ";
    AppendJsonString(out, key);
    out += ": ";
    if (state)
      AppendJsonState(out, *state);
    else
      out += "null";
  }
  for (const ReportedFigure& figure : report.figures) {
    out += ", ";
    AppendJsonString(out, figure.key);
    out += ": {\"value\": ";
    AppendShortest(out, figure.value);
    out += ", \"unit\": ";
    AppendJsonString(out, figure.unit);
    out += '}';
  }
  out += ", \"messages\": [";
  for (std::size_t i = 0; i < report.messages.size(); ++i) {
    if (i > 0) out += ", ";
    AppendJsonString(out, report.messages[i]);
  }
  out += "]}";
}

// Each state under its name as `state` writes its table, then the figures.
std::string TableText(const ProcessReport& report) {
  std::string out;
  for (const auto& [key, state] : report.states) {
    out += key;
    out += state ? ":\n" : ": none\n";
    if (state) out += StateText(*state, StateFormat::Table);
    out += '\n';
  }
  std::vector<std::vector<std::string>> rows;
  for (const ReportedFigure& figure : report.figures)
    rows.push_back({figure.key, figure.text, figure.unit});
  out += Aligned(rows, {false, true, false});
  return out;
}

// One row for each result of each state and for each figure.
std::string DelimitedText(const ProcessReport& report, RowFormat format) {
  const RowWriter writer(format, {"part", "key", "value", "unit", "text"});
  std::string out;
  writer.AppendHeader(out);
  for (const auto& [key, state] : report.states) {
    if (!state) continue;
    for (std::size_t i = 0; i < kResultKeys.size(); ++i) {
      const ReportedProperty& property = state->properties[i];
      writer.AppendRow(out, {Cell::Of(key), Cell::Of(kResultKeys[i].key),
                             property.value ? Cell::Number(*property.value) : Cell::Null(),
                             Cell::Of(property.unit), Cell::Of(property.text)});
    }
  }
  for (const ReportedFigure& figure : report.figures) {
    writer.AppendRow(out, {Cell::Of("figure"), Cell::Of(figure.key), Cell::Number(figure.value),
                           Cell::Of(figure.unit), Cell::Of(figure.text)});
  }
  return out;
}

}  // namespace

std::string ProcessText(const ProcessReport& report, StateFormat format) {
  if (format == StateFormat::Json) {
    std::string out;
    AppendJson(out, report);
    out += '\n';
    return out;
  }
  if (!report.computed) return {};
  if (format == StateFormat::Table) return TableText(report);
  return DelimitedText(report, format == StateFormat::Csv ? RowFormat::Csv : RowFormat::Tsv);
}

}  // namespace cli
