#include "platform/analysis/tables_window_entry.h"

#include <QAction>
#include <QEvent>
#include <QObject>

namespace platform {

namespace {

// Brings the window up to date with the main window whenever it comes to the
// front.
class FollowOnActivation final : public QObject {
 public:
  FollowOnActivation(TablesWindow& window, const mainwindow::frmMain& form)
      : QObject(&window), window_(window), form_(form) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) {
      window_.Follow(MainWindowFormulation(form_), MainWindowUnits(form_));
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  TablesWindow& window_;
  const mainwindow::frmMain& form_;
};

}  // namespace

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

TablesWindow& AddTablesWindow(QWidget& mainWindow, mainwindow::frmMain& form,
                              steam::PropertyLibraries& libraries, QAction** opener) {
  auto* window = new TablesWindow(&mainWindow, libraries);
  window->Follow(MainWindowFormulation(form), MainWindowUnits(form));
  window->installEventFilter(new FollowOnActivation(*window, form));
  form.BeforeLibraryUnitsChange = [window] { window->StopSweep(); };
  auto* open = new QAction(QStringLiteral("&Tables and Sweeps..."), &mainWindow);
  open->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+T")));
  open->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(open, &QAction::triggered, window, [window] {
    window->show();
    window->raise();
    window->activateWindow();
  });
  mainWindow.addAction(open);
  if (opener != nullptr) *opener = open;
  return *window;
}

}  // namespace platform
