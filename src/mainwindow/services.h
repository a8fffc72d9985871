// What the main window uses of the world outside the model, handed in as one
// value so a new service does not change every place that makes a window.
#ifndef HYDRELIX_MAINWINDOW_SERVICES_H
#define HYDRELIX_MAINWINDOW_SERVICES_H

#include "shell/clipboard.h"
#include "shell/help_viewer.h"
#include "shell/program_switches.h"
#include "shell/settings_store.h"
#include "steam/property_libraries.h"

namespace mainwindow {

// The shell's services under the names the window's code uses.
using shell::Clipboard;
using shell::HelpViewer;
using shell::InMemoryClipboard;
using shell::InMemorySettingsStore;
using shell::kHelpFileName;
using shell::NoHelpViewer;
using shell::ProgramSwitches;
using shell::SettingsStore;

struct Services {
  Clipboard& clipboard;
  steam::PropertyLibraries& libraries;
  SettingsStore& settings;
  HelpViewer& help;
  ProgramSwitches& switches;
};

}  // namespace mainwindow

#endif
