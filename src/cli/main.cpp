// SPDX-License-Identifier: GPL-3.0-or-later
// hydrelix-cli: the calculator from the shell. `state` computes one state,
// `compare` the same inputs under both formulations, `batch` a CSV file of
// states of any size, `process` what a plant step does to a state.
#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "cli/batch_run.h"
#include "cli/bound_libraries.h"
#include "cli/command_line.h"
#include "cli/process_report.h"
#include "cli/result_keys.h"
#include "cli/state_output.h"
#include "cli/state_report.h"
#include "cli/table_run.h"
#include "units/unit_names.h"

#ifndef HYDRELIX_VERSION
#define HYDRELIX_VERSION "0"
#endif

namespace {

constexpr int kSucceeded = 0;
constexpr int kRefused = 1;
constexpr int kUsageError = 2;

struct UsageError {
  std::string reason;
};

// Everything the options set, checked.
struct Settings {
  cli::ReportOptions report;
  std::string format;
};

Settings ReadSettings(const cli::CommandLine& line) {
  Settings settings;
  if (line.formulation) {
    if (*line.formulation == "if97")
      settings.report.formulation = steam::Formulation::IF97;
    else if (*line.formulation == "ifc67")
      settings.report.formulation = steam::Formulation::IFC67;
    else
      throw UsageError{"--formulation is if97 or ifc67, not \"" + *line.formulation + "\""};
  }
  if (line.units) {
    if (*line.units == "ip")
      settings.report.si = false;
    else if (*line.units == "si")
      settings.report.si = true;
    else
      throw UsageError{"--units is ip or si, not \"" + *line.units + "\""};
  }
  settings.report.units = cli::SystemUnits(settings.report.si);
  for (const std::string& choice : line.unitChoices) {
    const std::size_t equals = choice.find('=');
    const std::string key = choice.substr(0, equals);
    const cli::ResultKey* result = cli::FindResultKey(key);
    if (equals == std::string::npos || result == nullptr)
      throw UsageError{"--unit takes KEY=UNIT with KEY a result key, not \"" + choice + "\""};
    if (!result->quantity) throw UsageError{key + " has no unit to choose"};
    const std::string unit = choice.substr(equals + 1);
    const std::optional<int16_t> index = units::FindUnit(*result->quantity, unit);
    if (!index) throw UsageError{"\"" + unit + "\" is not a unit of " + key};
    settings.report.units[static_cast<std::size_t>(result->result)] = *index;
  }
  if (line.format) settings.format = *line.format;
  return settings;
}

// One NAME=VALUE[UNIT] input.
std::pair<cli::InputName, cli::QuantityText> ReadInput(const std::string& argument) {
  const std::size_t equals = argument.find('=');
  const std::optional<cli::InputName> name =
      equals == std::string::npos ? std::nullopt : cli::InputNamed(argument.substr(0, equals));
  if (!name)
    throw UsageError{"\"" + argument +
                     "\" is not an input NAME=VALUE[UNIT] with NAME one of T, p, x, h, s"};
  std::string reason;
  std::optional<cli::QuantityText> text =
      cli::ReadQuantity(*name, argument.substr(equals + 1), reason);
  if (!text) throw UsageError{argument + ": " + reason};
  return {*name, std::move(*text)};
}

cli::StateRequest ReadInputs(const std::vector<std::string>& arguments) {
  if (arguments.size() != 2)
    throw UsageError{"two inputs are needed, NAME=VALUE[UNIT] each; got " +
                     std::to_string(arguments.size())};
  cli::StateRequest request{};
  for (std::size_t k = 0; k < 2; ++k) {
    auto [name, text] = ReadInput(arguments[k]);
    request.names[k] = name;
    request.texts[k] = std::move(text);
  }
  if (!cli::PairOf(request.names[0], request.names[1]))
    throw UsageError{std::string("the inputs ") + cli::InputKey(request.names[0]) + " and " +
                     cli::InputKey(request.names[1]) + " form none of the pairs " + cli::kPairList};
  return request;
}

cli::StateFormat StateFormatOf(const Settings& settings) {
  if (settings.format.empty()) return isatty(1) ? cli::StateFormat::Table : cli::StateFormat::Tsv;
  const std::optional<cli::StateFormat> format = cli::StateFormatNamed(settings.format);
  if (!format)
    throw UsageError{"--format is table, json, csv or tsv, not \"" + settings.format + "\""};
  return *format;
}

void RefuseTableOptions(const cli::CommandLine& line) {
  if (line.temperatures || line.pressures || line.columns || line.logarithmic)
    throw UsageError{"--T, --p, --columns and --log are options of table"};
}

void RefuseOptions(const cli::CommandLine& line, bool formulation, bool batchOnly) {
  RefuseTableOptions(line);
  if (formulation && line.formulation)
    throw UsageError{"compare computes both formulations; --formulation does not apply"};
  if (batchOnly && line.output) throw UsageError{"--output is an option of batch and table"};
  if (batchOnly && line.jobs) throw UsageError{"--jobs is an option of batch and table"};
}

void RefuseProcessOptions(const cli::CommandLine& line) {
  if (!line.processOptions.empty())
    throw UsageError{"--" + line.processOptions.front().first + " is an option of process"};
}

int Flushed(int status) {
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "hydrelix-cli: cannot write standard output\n";
    return kUsageError;
  }
  return status;
}

void WarnOf(const cli::BoundLibraries& libraries) {
  for (const std::string& warning : libraries.Warnings())
    std::cerr << "hydrelix-cli: " << warning << '\n';
}

// A state's command line read and checked, and the libraries bound.
struct StateCommand {
  Settings settings;
  cli::StateFormat format;
  cli::StateRequest request;
};

StateCommand ReadStateCommand(const cli::CommandLine& line, bool compare) {
  RefuseOptions(line, compare, true);
  RefuseProcessOptions(line);
  StateCommand command{ReadSettings(line), {}, {}};
  command.format = StateFormatOf(command.settings);
  command.request = ReadInputs(line.arguments);
  return command;
}

int RunState(const cli::CommandLine& line) {
  const StateCommand command = ReadStateCommand(line, false);
  cli::BoundLibraries libraries;
  WarnOf(libraries);
  const cli::StateReport report =
      cli::ReportState(command.request, command.settings.report, libraries);
  if (!report.notice.empty()) std::cerr << report.notice << '\n';
  if (!report.computed) std::cerr << report.errorMessage << '\n';
  std::cout << cli::StateText(report, command.format);
  return Flushed(report.computed ? kSucceeded : kRefused);
}

int RunCompare(const cli::CommandLine& line) {
  const StateCommand command = ReadStateCommand(line, true);
  cli::BoundLibraries libraries;
  WarnOf(libraries);
  cli::ReportOptions options = command.settings.report;
  options.formulation = steam::Formulation::IF97;
  const cli::StateReport if97 = cli::ReportState(command.request, options, libraries);
  options.formulation = steam::Formulation::IFC67;
  const cli::StateReport ifc67 = cli::ReportState(command.request, options, libraries);
  const cli::StateFormat format = command.format;
  for (const cli::StateReport* report : {&if97, &ifc67}) {
    const char* name = cli::FormulationName(report->formulation);
    if (!report->notice.empty()) std::cerr << name << ": " << report->notice << '\n';
    if (!report->computed) std::cerr << name << ": " << report->errorMessage << '\n';
  }
  const bool any = if97.computed || ifc67.computed;
  if (any || format == cli::StateFormat::Json)
    std::cout << cli::ComparisonText(if97, ifc67, format);
  return Flushed(any ? kSucceeded : kRefused);
}

// A process step: KIND, the inlet's inputs (the calorimeter's pressure
// alone) and the step's options.
int RunProcessCommand(const cli::CommandLine& line) {
  RefuseOptions(line, false, true);
  const Settings settings = ReadSettings(line);
  const cli::StateFormat format = StateFormatOf(settings);
  if (line.arguments.empty())
    throw UsageError{"process needs a KIND: expand, compress, throttle, calorimeter, heat, flash"};
  cli::ProcessRequest request;
  const std::optional<analysis::ProcessKind> kind = analysis::ProcessKindNamed(line.arguments[0]);
  if (!kind) throw UsageError{"unknown process \"" + line.arguments[0] + "\""};
  request.kind = *kind;
  const std::vector<std::string> inputs(line.arguments.begin() + 1, line.arguments.end());
  if (request.kind == analysis::ProcessKind::Calorimeter) {
    if (inputs.size() != 1) throw UsageError{"the calorimeter's inlet is one input, p=VALUE[UNIT]"};
    auto [name, text] = ReadInput(inputs[0]);
    if (name != cli::InputName::Pressure)
      throw UsageError{"the calorimeter's inlet is its pressure, p=VALUE[UNIT]"};
    request.inletPressure = std::move(text);
  } else {
    request.inlet = ReadInputs(inputs);
  }
  std::string reason;
  if (!cli::ReadProcessOptions(request.kind, line.processOptions, settings.report.si,
                               request.inputs, reason))
    throw UsageError{reason};

  cli::BoundLibraries libraries;
  WarnOf(libraries);
  const cli::ProcessReport report = cli::ReportProcess(request, settings.report, libraries);
  if (!report.notice.empty()) std::cerr << report.notice << '\n';
  for (const std::string& message : report.messages) std::cerr << message << '\n';
  if (!report.computed) std::cerr << report.errorMessage << '\n';
  std::cout << cli::ProcessText(report, format);
  return Flushed(report.computed ? kSucceeded : kRefused);
}

// The options of the subcommands that write rows: the format, the output
// file and the number of threads.
struct RowOutput {
  cli::RowFormat format = cli::RowFormat::Csv;
  std::string output;
  int jobs = 1;
};

RowOutput ReadRowOutput(const cli::CommandLine& line, const Settings& settings) {
  RowOutput out;
  if (!settings.format.empty()) {
    const std::optional<cli::RowFormat> format = cli::RowFormatNamed(settings.format);
    if (!format)
      throw UsageError{"--format of " + line.subcommand + " is csv, tsv or json, not \"" +
                       settings.format + "\""};
    out.format = *format;
  }
  if (line.output) {
    if (line.output->empty() || *line.output == "-") throw UsageError{"--output needs a file name"};
    out.output = *line.output;
  }
  out.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  if (line.jobs) {
    const std::string& jobs = *line.jobs;
    const bool digits =
        !jobs.empty() && jobs.size() <= 4 &&
        std::all_of(jobs.begin(), jobs.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || std::stoi(jobs) < 1 || std::stoi(jobs) > 1024)
      throw UsageError{"--jobs is a number of threads from 1 to 1024, not \"" + jobs + "\""};
    out.jobs = std::stoi(jobs);
  }
  return out;
}

int RunBatchCommand(const cli::CommandLine& line) {
  RefuseTableOptions(line);
  RefuseProcessOptions(line);
  const Settings settings = ReadSettings(line);
  const RowOutput rows = ReadRowOutput(line, settings);
  cli::BatchOptions options;
  options.report = settings.report;
  options.format = rows.format;
  options.output = rows.output;
  options.jobs = rows.jobs;
  if (line.arguments.size() > 1) throw UsageError{"batch reads one file"};
  options.input = line.arguments.empty() ? "-" : line.arguments.front();
  options.progress = isatty(2) != 0;
  cli::BoundLibraries libraries;
  WarnOf(libraries);
  return cli::RunBatch(options, libraries, std::cerr);
}

// The table's units: those of the unit system, with each --unit choice
// applied to its quantity (enthalpy's to the internal energy too).
analysis::TableUnits TableUnitsOf(const cli::ReportOptions& report) {
  analysis::TableUnits units = analysis::TableUnits::System(report.si);
  for (const cli::ResultKey& key : cli::kResultKeys) {
    if (!key.quantity) continue;
    units.unit[static_cast<std::size_t>(*key.quantity)] =
        report.units[static_cast<std::size_t>(key.result)];
  }
  return units;
}

int RunTableCommand(const cli::CommandLine& line) {
  RefuseProcessOptions(line);
  const Settings settings = ReadSettings(line);
  const RowOutput rows = ReadRowOutput(line, settings);
  if (line.arguments.size() != 1) throw UsageError{"table takes one KIND"};
  cli::TableOptions options;
  std::string reason;
  if (!cli::ReadTableKind(line.arguments.front(), line.temperatures.has_value(),
                          line.pressures.has_value(), options.form.kind, reason))
    throw UsageError{reason};
  options.form.formulation = settings.report.formulation;
  options.form.temperatures = line.temperatures.value_or("");
  options.form.pressures = line.pressures.value_or("");
  options.form.logarithmic = line.logarithmic;
  options.form.units = TableUnitsOf(settings.report);
  if (line.columns) {
    std::string key;
    const auto columns = analysis::ColumnsNamed(options.form.kind, *line.columns, &key);
    if (!columns) throw UsageError{"\"" + key + "\" is not a column of this table"};
    options.form.columns = *columns;
  }
  options.format = rows.format;
  options.output = rows.output;
  options.jobs = static_cast<unsigned>(rows.jobs);
  cli::BoundLibraries libraries;
  WarnOf(libraries);
  return cli::RunTable(options, analysis::TableUnits::System(settings.report.si), libraries,
                       std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string reason;
  const std::optional<cli::CommandLine> line = cli::ParseCommandLine(arguments, reason);
  const std::string subcommand = line ? line->subcommand : std::string();
  try {
    if (!line) throw UsageError{reason};
    if (line->version && subcommand.empty()) {
      std::cout << "hydrelix-cli " << HYDRELIX_VERSION << '\n';
      return Flushed(kSucceeded);
    }
    const bool known = subcommand == "state" || subcommand == "compare" ||
                       subcommand == "batch" || subcommand == "table" ||
                       subcommand == "process";
    if (line->help && (known || subcommand.empty())) {
      std::cout << cli::HelpOf(subcommand);
      return Flushed(kSucceeded);
    }
    if (subcommand.empty()) throw UsageError{"no subcommand"};
    if (!known) throw UsageError{"unknown subcommand \"" + subcommand + "\""};
    if (line->version) throw UsageError{"--version takes no subcommand"};
    if (subcommand == "state") return RunState(*line);
    if (subcommand == "compare") return RunCompare(*line);
    if (subcommand == "table") return RunTableCommand(*line);
    if (subcommand == "process") return RunProcessCommand(*line);
    return RunBatchCommand(*line);
  } catch (const UsageError& error) {
    const bool known = subcommand == "state" || subcommand == "compare" ||
                       subcommand == "batch" || subcommand == "table" ||
                       subcommand == "process";
    std::cerr << "hydrelix-cli: " << error.reason << '\n' << cli::UsageOf(known ? subcommand : "");
    return kUsageError;
  }
}
