// The way into the Tables and Sweeps window from the main window:
// Ctrl+Shift+T, with the window following the main window's formulation and
// units each time it is opened or comes to the front.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_TABLES_WINDOW_ENTRY_H
#define HYDRELIX_PLATFORM_ANALYSIS_TABLES_WINDOW_ENTRY_H

#include "mainwindow/frm_main.h"
#include "platform/analysis/tables_window.h"

class QAction;
class QWidget;

namespace platform {

// The main window's formulation and the units of its twelve lists.
steam::Formulation MainWindowFormulation(const mainwindow::frmMain& form);
analysis::TableUnits MainWindowUnits(const mainwindow::frmMain& form);

// Makes the window, owned by `mainWindow`, and the action that opens it;
// the action's shortcut works anywhere in the main window. A formulation
// switch in the main window stops a running sweep first.
TablesWindow& AddTablesWindow(QWidget& mainWindow, mainwindow::frmMain& form,
                              steam::PropertyLibraries& libraries, QAction** opener = nullptr);

}  // namespace platform

#endif
