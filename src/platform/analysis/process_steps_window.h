// SPDX-License-Identifier: GPL-3.0-or-later
// Analysis > Process Steps (Ctrl+Shift+S): the process steps panel in an
// Analysis window, following the main window: its computed state is the
// panel's first inlet, its units and decimal mark the panel's, its
// formulation the calorimeter's; a state sent from the panel is entered into
// the main window as a user types it and computed there.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_PROCESS_STEPS_WINDOW_H
#define HYDRELIX_PLATFORM_ANALYSIS_PROCESS_STEPS_WINDOW_H

#include "analysis/process_table.h"
#include "mainwindow/frm_main.h"
#include "platform/analysis/analysis_window.h"
#include "platform/analysis/pinned_states_window.h"
#include "platform/analysis/process_steps_panel.h"
#include "platform/analysis/state_signals.h"

namespace platform {

class ChartsPanel;

class ProcessStepsWindow final : public AnalysisWindow {
  Q_OBJECT

 public:
  // `form`, `stateSignals`, `libraries` and `settings` must outlive the window.
  ProcessStepsWindow(MainWindowWidget& mainWindow, mainwindow::frmMain& form,
                     StateSignals& stateSignals, steam::PropertyLibraries& libraries,
                     shell::SettingsStore& settings);

  ProcessStepsPanel& Panel() const { return *panel_; }

  // The pins as inlets, and Pin State into them; `pins` must outlive the
  // window.
  void UsePins(PinnedStatesWindow& pins);
  // Each computed step drawn on the charts; `charts` must outlive the window.
  void DrawOn(ChartsPanel& charts);

 private:
  void FollowDisplay();

  mainwindow::frmMain& form_;
  steam::PropertyLibraries& libraries_;
  ProcessStepsPanel* panel_;
};

// A pin as an inlet: the state computed again from its temperature and
// pressure, or its pressure and quality inside the two-phase band.
std::optional<steam::SteamState> StateOfPin(const analysis::Pin& pin,
                                            steam::PropertyLibraries& libraries);

// The main window's units, unit system and decimal mark as the panel shows
// them.
analysis::ProcessDisplay ProcessDisplayOf(const mainwindow::frmMain& form);

}  // namespace platform

#endif
