// SPDX-License-Identifier: GPL-3.0-or-later
// hydrelix: the calculator on the desktop.
#include "app/bas_main.h"
#include "mainwindow/frm_main.h"
#include "shell/help_viewer.h"
#include "shell/program_switches.h"
#include "mainwindow/saved_settings.h"
#include "platform/analysis/analysis_menu.h"
#include "platform/analysis/analysis_windows.h"
#include "platform/analysis/charts_panel.h"
#include "platform/analysis/charts_window.h"
#include "platform/analysis/pinned_chart_marks.h"
#include "platform/analysis/process_steps_window.h"
#include "platform/analysis/state_signals.h"
#include "platform/desktop_number_locale.h"
#include "platform/analysis/tables_window_entry.h"
#include "platform/desktop_shell_windows.h"
#include "platform/desktop_startup.h"
#include "platform/desktop_system_info_tool.h"
#include "platform/json_pin_store.h"
#include "platform/main_window_widget.h"
#include "platform/program_directory.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_help_viewer.h"
#include "platform/qt_settings_store.h"
#include "platform/shared_property_libraries.h"
#include "platform/termination_signal.h"
#include "platform/tray_icon_host.h"

#include <QAction>
#include <QApplication>
#include <QSessionManager>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  application.setApplicationName("Hydrelix");
  application.setOrganizationName("Hydrelix");
  // Ties the windows to the desktop entry, for its icon and name in docks.
  application.setDesktopFileName(QStringLiteral(HYDRELIX_APP_ID));
  // A dialog opened from the tray while the window is hidden is the last
  // window shown; closing it must not end the program.
  application.setQuitOnLastWindowClosed(false);
  application.setWindowIcon(platform::MainWindowWidget::ProgramIcon());

  // A second start hands over to the running copy before anything of its
  // own is built: it returns at once, with the running window in front.
  platform::SingleInstance instance;
  if (instance.AnotherInstanceRunning()) {
    platform::DesktopStartup handOver(instance, {});
    app::ActivatePrevInstance(handOver);
    return 0;
  }

  platform::QtClipboard clipboard;
  platform::SharedPropertyLibraries libraries;
  platform::QtSettingsStore settings;
  platform::QtHelpViewer help(platform::ProgramDirectory());
  shell::ProgramSwitches switches = mainwindow::ReadProgramSwitches(settings);
  mainwindow::frmMain form({clipboard, libraries, settings, help, switches});
  form.Locale = platform::DesktopNumberLocale();

  platform::SystemTrayIconHost tray;
  platform::DesktopSystemInfoTool systemInfo;
  platform::DesktopShellWindows shell(switches, settings, systemInfo,
                                      platform::DesktopDialogServices());
  platform::MainWindowWidget window(form, tray, shell);
  platform::AnalysisMenu analysisMenu(form, &window);
  platform::StateSignals stateSignals(form);
  platform::ShownStateFeed shownState(stateSignals, form);
  platform::JsonPinStore pinStore;
  platform::AnalysisWindows analysisWindows(window, settings, shownState, libraries, pinStore);
  analysisWindows.AddTo(analysisMenu);
  platform::ProcessStepsWindow processSteps(window, form, stateSignals, libraries, settings);
  analysisMenu.AddWindowEntry(QStringLiteral("Process &Steps"), processSteps)
      .setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
  window.AddMenu(analysisMenu);
  platform::AddTablesWindow(analysisMenu, window, form, settings, libraries);
  platform::PinnedChartMarks chartPins(analysisWindows.PinsWindow());
  platform::ChartsWindow charts(window, settings, form, stateSignals, libraries, chartPins);
  QObject::connect(&analysisWindows.PinsWindow(), &platform::PinnedStatesWindow::pinsChanged,
                   &charts.Panel(), &platform::ChartsPanel::PinsChanged);
  QAction& chartsEntry = analysisMenu.AddWindowEntry(QStringLiteral("&Charts"), charts);
  chartsEntry.setObjectName(QStringLiteral("mnuAnalysisCharts"));
  chartsEntry.setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+G")));
  processSteps.UsePins(analysisWindows.PinsWindow());
  processSteps.DrawOn(charts.Panel());
  help.windowOf = [&form, &window](const void* owner) -> QWidget* {
    return owner == &form ? &window : nullptr;
  };
  QObject::connect(&window, &platform::MainWindowWidget::programEnded, &application,
                   &QApplication::quit, Qt::QueuedConnection);

  platform::TerminationSignal termination;
  QObject::connect(&termination, &platform::TerminationSignal::received, &window,
                   [&form] { form.UserEndSession(); });
  QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                   [&form](QSessionManager&) { form.UserEndSession(); });

  QObject::connect(&instance, &platform::SingleInstance::raiseRequested, &window,
                   [&form] { platform::RaiseRunningWindow(form); });
  platform::DesktopStartup startup(instance, [&tray, &form] {
    tray.Show(platform::MainWindowWidget::ProgramIcon(), QString::fromStdString(form.Tray1.toolTip));
  });
  // Ended during start-up (SIGTERM under the splash or the disclaimer): the
  // application's loop does not run yet, so its quit would be lost.
  QObject::connect(&window, &platform::MainWindowWidget::programEnded, &window,
                   [&startup] { startup.EndNow(); });
  if (!app::Main({form, settings, switches, help, startup, startup}) || startup.EndRequested()) {
    return 0;
  }
  return application.exec();
}
