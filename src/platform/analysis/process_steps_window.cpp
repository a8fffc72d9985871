// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/analysis/process_steps_window.h"

#include "analysis/chart_marks.h"
#include "analysis/state_entry.h"
#include "mainwindow/enter_state.h"
#include "mainwindow/shown_fields.h"
#include "platform/analysis/charts_panel.h"

#include <QVBoxLayout>

namespace platform {
namespace {

steam::Formulation ChosenFormulation(const mainwindow::frmMain& form) {
  return form.optSteam(0).Value() ? steam::Formulation::IF97 : steam::Formulation::IFC67;
}

int16_t ListUnit(const mainwindow::frmMain& form, steam::Result result) {
  return static_cast<int16_t>(form.cboUnits(mainwindow::FieldShowing(result).list).ListIndex());
}

}  // namespace

std::optional<steam::SteamState> StateOfPin(const analysis::Pin& pin,
                                            steam::PropertyLibraries& libraries) {
  const bool wet = (pin.quality > 0.0 && pin.quality < 1.0) ||
                   pin.pair == steam::InputPair::PressureQuality ||
                   pin.pair == steam::InputPair::TemperatureQuality;
  const steam::SolveOutcome outcome =
      wet ? steam::Solve(pin.formulation, steam::InputPair::PressureQuality, pin.pressure,
                         pin.quality, libraries)
          : steam::Solve(pin.formulation, steam::InputPair::TemperaturePressure, pin.temperature,
                         pin.pressure, libraries);
  if (!outcome.succeeded) return std::nullopt;
  return outcome.state;
}

analysis::ProcessDisplay ProcessDisplayOf(const mainwindow::frmMain& form) {
  analysis::ProcessDisplay display;
  display.si = form.optUnits(1).Value();
  display.temperature = ListUnit(form, steam::Result::Temperature);
  display.pressure = ListUnit(form, steam::Result::Pressure);
  display.enthalpy = ListUnit(form, steam::Result::Enthalpy);
  display.entropy = ListUnit(form, steam::Result::Entropy);
  display.volume = ListUnit(form, steam::Result::SpecificVolume);
  display.locale = form.Locale;
  return display;
}

ProcessStepsWindow::ProcessStepsWindow(MainWindowWidget& mainWindow, mainwindow::frmMain& form,
                                       StateSignals& stateSignals, steam::PropertyLibraries& libraries,
                                       shell::SettingsStore& settings)
    : AnalysisWindow(mainWindow, settings, "ProcessSteps", tr("Process Steps")),
      form_(form),
      libraries_(libraries) {
  auto* layout = new QVBoxLayout(this);
  panel_ = new ProcessStepsPanel(libraries, this);
  layout->addWidget(panel_);
  resize(900, 640);
  FollowDisplay();

  connect(&stateSignals, &StateSignals::stateShown, this, [this](const steam::SteamState& state) {
    panel_->SetFormulation(state.formulation);
    panel_->SetMainState(state);
  });
  connect(&stateSignals, &StateSignals::stateCleared, this, [this] { panel_->SetMainState(std::nullopt); });
  connect(&stateSignals, &StateSignals::displayChanged, this, &ProcessStepsWindow::FollowDisplay);
  connect(panel_, &ProcessStepsPanel::sendRequested, this, [this](const steam::SteamState& state) {
    const analysis::ProcessDisplay display = ProcessDisplayOf(form_);
    const analysis::StateEntry entry =
        analysis::EntryOf(state, display.temperature, display.pressure, display.locale);
    // The main window computes under its own formulation: the state's first.
    if (state.formulation != ChosenFormulation(form_))
      form_.UserClick(form_.optSteam(state.formulation == steam::Formulation::IF97 ? 0 : 1));
    mainwindow::EnterState(form_, entry.pair, entry.first, entry.second);
  });
}

void ProcessStepsWindow::UsePins(PinnedStatesWindow& pins) {
  panel_->SetPinning(true);
  auto list = [this, &pins] {
    std::vector<std::pair<std::string, steam::SteamState>> inlets;
    for (const analysis::Pin& pin : pins.Pins().Pins()) {
      if (std::optional<steam::SteamState> state = StateOfPin(pin, libraries_))
        inlets.emplace_back(pin.name, *state);
    }
    panel_->SetPins(inlets);
  };
  list();
  connect(&pins, &PinnedStatesWindow::pinsChanged, this, list);
  connect(panel_, &ProcessStepsPanel::pinRequested, &pins,
          [&pins](const steam::SteamState& state) { pins.PinState(state, {}); });
}

void ProcessStepsWindow::DrawOn(ChartsPanel& charts) {
  connect(panel_, &ProcessStepsPanel::stepComputed, &charts,
          [this, &charts](const std::vector<steam::SteamState>& path) {
            charts.SetProcesses(
                {analysis::ProcessThrough(analysis::ProcessKindName(panel_->Kind()), path, 1)});
          });
}

void ProcessStepsWindow::FollowDisplay() {
  panel_->SetFormulation(ChosenFormulation(form_));
  panel_->SetDisplay(ProcessDisplayOf(form_));
}

}  // namespace platform
