#include "platform/analysis/charts_window.h"

#include "platform/analysis/charts_panel.h"
#include "platform/analysis/state_signals.h"

#include <QVBoxLayout>

namespace platform {

ChartsWindow::ChartsWindow(MainWindowWidget& mainWindow, mainwindow::SettingsStore& settings,
                           const mainwindow::frmMain& form, StateSignals& state,
                           steam::PropertyLibraries& libraries, analysis::ChartPinStore& pins)
    : AnalysisWindow(mainWindow, settings, "Charts", "Charts"),
      form_(form),
      panel_(new ChartsPanel(libraries, pins, this)) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel_);
  FollowDisplay();
  connect(&state, &StateSignals::stateShown, this, [this](const steam::SteamState& shown) {
    FollowDisplay();
    panel_->ShowState(shown);
  });
  connect(&state, &StateSignals::stateCleared, this, [this] {
    FollowDisplay();
    panel_->ClearState();
  });
  connect(&state, &StateSignals::displayChanged, this, &ChartsWindow::FollowDisplay);
}

void ChartsWindow::FollowDisplay() {
  using mainwindow::kFirstUnitList;
  auto selected = [this](int offset) {
    return static_cast<int16_t>(form_.cboUnits(static_cast<int16_t>(kFirstUnitList + offset)).ListIndex());
  };
  // cboUnits(16) to (19): temperature, pressure, enthalpy, entropy.
  const analysis::ChartUnits units{selected(0), selected(1), selected(2), selected(3)};
  panel_->SetUnits(form_.optUnits(0).Value() ? analysis::UnitSystem::IP : analysis::UnitSystem::SI, units);
  panel_->SetFormulation(form_.optSteam(0).Value() ? steam::Formulation::IF97 : steam::Formulation::IFC67);
  const QString mark = QString::fromStdString(form_.Locale.decimalSeparator);
  panel_->SetDecimalMark(mark.isEmpty() ? QChar('.') : mark.front());
}

}  // namespace platform
