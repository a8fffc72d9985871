// The settings the program keeps between runs, read and written through the
// per-user settings store. Every entry lives in one section.
#ifndef HYDRELIX_MAINWINDOW_SAVED_SETTINGS_H
#define HYDRELIX_MAINWINDOW_SAVED_SETTINGS_H

#include "shell/program_switches.h"
#include "shell/settings_schema.h"
#include "shell/settings_store.h"
#include "mainwindow/window_settings.h"

#include <string>

namespace mainwindow {

// "True" or "False", the only two texts a boolean setting is written as.
const char* BooleanSettingText(bool value);

// A boolean setting: exactly "True" or "False"; anything else, including a
// missing entry, gives the entry's default.
bool ReadBooleanSetting(const shell::SettingsStore& store, const shell::SettingEntry& entry);

// "Units" and "IFC": exactly "0" or "1"; anything else gives 0.
int ReadChoiceSetting(const shell::SettingsStore& store, const shell::SettingEntry& entry);

// What the main window reads when it loads. A stored format is taken as it
// is: it is only ever read as a pattern of "#", "0" and ".", so a foreign one
// shows numbers in the general form and is saved back unchanged.
WindowSettings ReadWindowSettings(const shell::SettingsStore& store);

// The two program-wide switches as start-up reads them: the disclaimer shown
// unless "Disclaimer Show" says "False", keep-on-top only when "KeepOnTop"
// says "True".
shell::ProgramSwitches ReadProgramSwitches(const shell::SettingsStore& store);

}  // namespace mainwindow

#endif
