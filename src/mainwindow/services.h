// What the main window uses of the world outside the model, handed in as one
// value so a new service does not change every place that makes a window.
#ifndef HYDRELIX_MAINWINDOW_SERVICES_H
#define HYDRELIX_MAINWINDOW_SERVICES_H

#include "mainwindow/clipboard.h"
#include "mainwindow/help_viewer.h"
#include "mainwindow/program_switches.h"
#include "mainwindow/settings_store.h"
#include "steam/property_libraries.h"

namespace mainwindow {

struct Services {
  Clipboard& clipboard;
  steam::PropertyLibraries& libraries;
  SettingsStore& settings;
  HelpViewer& help;
  ProgramSwitches& switches;
};

}  // namespace mainwindow

#endif
