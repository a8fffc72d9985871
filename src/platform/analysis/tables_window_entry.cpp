#include "platform/analysis/tables_window_entry.h"

#include "platform/analysis/state_signals.h"
#include "platform/main_window_widget.h"

#include <QAction>

namespace platform {

steam::Formulation MainWindowFormulation(const mainwindow::frmMain& form) {
  return form.optSteam(0).Value() ? steam::Formulation::IF97 : steam::Formulation::IFC67;
}

analysis::TableUnits MainWindowUnits(const mainwindow::frmMain& form) {
  analysis::TableUnits units;
  for (const units::UnitList& list : units::kUnitLists) {
    units.unit[static_cast<std::size_t>(list.quantity)] =
        static_cast<int16_t>(form.cboUnits(list.list).ListIndex());
  }
  return units;
}

TablesWindow& AddTablesWindow(AnalysisMenu& menu, MainWindowWidget& mainWindow,
                              mainwindow::frmMain& form, shell::SettingsStore& settings,
                              steam::PropertyLibraries& libraries) {
  auto* window = new TablesWindow(mainWindow, settings, libraries);
  auto follow = [window, &form] {
    window->Follow(MainWindowFormulation(form), MainWindowUnits(form));
  };
  follow();
  // A unit list, the unit system or the formulation (which computes again)
  // changed in the main window.
  auto* state = new StateSignals(form, window);
  QObject::connect(state, &StateSignals::displayChanged, window, follow);
  QObject::connect(state, &StateSignals::stateShown, window, follow);
  QObject::connect(state, &StateSignals::stateCleared, window, follow);
  form.BeforeLibraryUnitsChange = [window] { window->StopSweep(); };
  QAction& open = menu.AddWindowEntry(QStringLiteral("&Tables and Sweeps..."), *window);
  open.setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+T")));
  return *window;
}

}  // namespace platform
