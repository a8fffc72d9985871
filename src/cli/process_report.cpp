// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/process_report.h"

#include "analysis/process_units.h"
#include "cli/row_writer.h"
#include "cli/shortest_number.h"
#include "steam/si_state.h"
#include "units/display_format.h"
#include "units/unit_names.h"

namespace cli {
namespace {

constexpr std::size_t kTemperature = 0;
constexpr std::size_t kPressure = 1;
constexpr std::size_t kEnthalpy = 3;
constexpr std::size_t kEntropy = 4;

std::optional<StateRequest> Refused(ProcessReport& report, const StateReport& state) {
  report.errorMessage = state.errorMessage;
  report.errorTitle = state.errorTitle;
  return std::nullopt;
}

}  // namespace

ReportedFigure ExpressFigure(const analysis::ProcessFigure& figure, const ReportOptions& options) {
  const analysis::ShownFigure shown = analysis::ShowFigure(
      figure, {options.units[kEnthalpy], options.units[kEntropy], options.si},
      units::NumberLocale{});
  return {shown.key, shown.value, shown.unit, shown.text};
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
        return analysis::LimitInUnits(quantity, si, options.units[kTemperature],
                                      options.units[kPressure], units::NumberLocale{});
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
  for (const ReportedFigure& figure : report.figures)
    AppendJsonMeasure(out, figure.key, figure.value, figure.unit);
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
