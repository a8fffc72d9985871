// SPDX-License-Identifier: GPL-3.0-or-later
// The Process Steps panel on a real display, outside the suite: a turbine
// inlet of 1000 psia and 1000 degF, every tab filled with a typical step and
// computed, the tab given on the command line (0 to 5) in front. For looking
// at the panel as a user sees it.
#include "platform/analysis/process_steps_panel.h"
#include "platform/shared_property_libraries.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdlib>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  platform::SharedPropertyLibraries libraries;
  platform::ProcessStepsPanel panel(libraries);
  const bool si = argc > 2 && std::string(argv[2]) == "si";
  panel.SetDisplay(si ? analysis::ProcessDisplay::Si() : analysis::ProcessDisplay::Ip());
  const steam::SolveOutcome inlet = steam::Solve(
      steam::Formulation::IF97, steam::InputPair::TemperaturePressure, 1000.0, 1000.0, libraries);
  panel.SetMainState(inlet.state);
  using analysis::ProcessKind;
  const struct {
    ProcessKind kind;
    std::vector<std::pair<const char*, const char*>> fields;
  } steps[] = {
      {ProcessKind::Expand, {{"p2", si ? "0.1379" : "2"}, {"flow", "100000"}, {"generator-efficiency", "98"}}},
      {ProcessKind::Compress, {{"p2", si ? "100" : "1500"}, {"flow", "100000"}}},
      {ProcessKind::Throttle, {{"p2", si ? "13.79" : "200"}, {"spray-p", si ? "20" : "300"}, {"spray-T", si ? "93" : "200"}, {"target-T", si ? "260" : "500"}, {"flow", "100000"}}},
      {ProcessKind::Calorimeter, {{"p1", si ? "10.34" : "150"}, {"p2", si ? "1.013" : "14.7"}, {"T2", si ? "121" : "250"}}},
      {ProcessKind::Heat, {{"T2", si ? "593" : "1100"}, {"flow", "100000"}, {"combustion-efficiency", "88"}}},
      {ProcessKind::Flash, {{"p2", si ? "1.034" : "15"}, {"flow", "100000"}}},
  };
  for (const auto& step : steps) {
    panel.SelectKind(step.kind);
    for (const auto& [name, text] : step.fields) panel.Field(step.kind, name).setText(text);
    panel.Compute();
  }
  const int front = argc > 1 ? std::atoi(argv[1]) : 0;
  panel.SelectKind(steps[front].kind);
  panel.Compute();
  panel.setWindowTitle("Process Steps");
  panel.resize(900, 640);
  panel.show();
  return application.exec();
}
