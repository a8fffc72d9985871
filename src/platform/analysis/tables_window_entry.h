// The way into the Tables and Sweeps window from the main window: its entry
// in the Analysis menu (Ctrl+Shift+T), and the window following the main
// window's formulation and units as they change.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_TABLES_WINDOW_ENTRY_H
#define HYDRELIX_PLATFORM_ANALYSIS_TABLES_WINDOW_ENTRY_H

#include "mainwindow/frm_main.h"
#include "platform/analysis/analysis_menu.h"
#include "platform/analysis/tables_window.h"

namespace platform {

// The main window's formulation and the units of its twelve lists.
steam::Formulation MainWindowFormulation(const mainwindow::frmMain& form);
analysis::TableUnits MainWindowUnits(const mainwindow::frmMain& form);

// Makes the window, owned by `mainWindow`, and its entry in `menu`. A
// formulation switch in the main window stops a running sweep first.
TablesWindow& AddTablesWindow(AnalysisMenu& menu, MainWindowWidget& mainWindow,
                              mainwindow::frmMain& form, shell::SettingsStore& settings,
                              steam::PropertyLibraries& libraries);

}  // namespace platform

#endif
