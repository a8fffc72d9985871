// Analysis > Charts (Ctrl+Shift+G): the charts in an Analysis window that
// follows the main window: its formulation, unit system, the units of its
// temperature, pressure, enthalpy and entropy lists and its decimal mark,
// the state after every Compute and none after a clear.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_CHARTS_WINDOW_H
#define HYDRELIX_PLATFORM_ANALYSIS_CHARTS_WINDOW_H

#include "analysis/chart_marks.h"
#include "mainwindow/frm_main.h"
#include "platform/analysis/analysis_window.h"

namespace platform {

class ChartsPanel;
class StateSignals;

class ChartsWindow final : public AnalysisWindow {
  Q_OBJECT

 public:
  // Everything given must outlive the window.
  ChartsWindow(MainWindowWidget& mainWindow, mainwindow::SettingsStore& settings,
               const mainwindow::frmMain& form, StateSignals& state,
               steam::PropertyLibraries& libraries, analysis::ChartPinStore& pins);

  ChartsPanel& Panel() const { return *panel_; }
  QSize sizeHint() const override { return {780, 620}; }

 private:
  // The formulation, unit system, units and decimal mark the form shows.
  void FollowDisplay();

  const mainwindow::frmMain& form_;
  ChartsPanel* panel_;
};

}  // namespace platform

#endif
