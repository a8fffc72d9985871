// SPDX-License-Identifier: GPL-3.0-or-later
// A process step as the command line reports it: its states, each as
// `hydrelix-cli state` reports a state, its figures in the chosen units,
// its messages, or why it was refused; and the report written as a table,
// one JSON object or CSV/TSV rows.
#ifndef HYDRELIX_CLI_PROCESS_REPORT_H
#define HYDRELIX_CLI_PROCESS_REPORT_H

#include <optional>
#include <string>
#include <vector>

#include "analysis/process_steps.h"
#include "cli/state_output.h"
#include "cli/state_report.h"

namespace cli {

struct ProcessRequest {
  analysis::ProcessKind kind = analysis::ProcessKind::Expand;
  // The inlet's two inputs; for the calorimeter only its pressure, `inlet`
  // left empty.
  std::optional<StateRequest> inlet;
  std::optional<QuantityText> inletPressure;
  analysis::ProcessInputs inputs;  // SI
};

struct ReportedFigure {
  std::string key;
  double value;      // in `unit`
  std::string unit;  // "BTU/lbm", "hp", "lbm/hr", "%", "-", ...
  std::string text;  // as the table shows it
};

struct ProcessReport {
  analysis::ProcessKind kind = analysis::ProcessKind::Expand;
  steam::Formulation formulation = steam::Formulation::IF97;
  bool si = false;
  bool computed = false;
  // The states in the step's order; nothing for a phase a flash tank lacks.
  std::vector<std::pair<std::string, std::optional<StateReport>>> states;
  std::vector<ReportedFigure> figures;
  std::vector<std::string> messages;
  // The inlet's notice, as `state` writes it.
  std::string notice;
  // Why the step or its inlet was refused.
  std::string errorMessage;
  std::string errorTitle;
};

ProcessReport ReportProcess(const ProcessRequest& request, const ReportOptions& options,
                            steam::PropertyLibraries& libraries);

// The figure's unit and its value in it, from the process module's SI value;
// the energies per unit mass follow the enthalpy result's unit, the entropy
// rise the entropy result's.
ReportedFigure ExpressFigure(const analysis::ProcessFigure& figure, const ReportOptions& options);

// A refused step writes only its JSON error object.
std::string ProcessText(const ProcessReport& report, StateFormat format);

}  // namespace cli

#endif
