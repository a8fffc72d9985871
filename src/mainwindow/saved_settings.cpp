// The main window's load and unload handlers, and the reading of the saved
// settings they and start-up share.
#include "mainwindow/saved_settings.h"

#include "mainwindow/frm_main.h"
#include "units/display_format.h"
#include "units/unit_catalogue.h"

namespace mainwindow {

namespace {

// The title the window carries once loaded; the designed caption is the
// bare application title.
constexpr char kLoadedWindowTitle[] = "Hydrelix - Steam and Water Properties";

}  // namespace

const char* BooleanSettingText(bool value) { return value ? "True" : "False"; }

bool ReadBooleanSetting(const SettingsStore& store, const shell::SettingEntry& entry) {
  const std::string text = shell::ReadSetting(store, entry);
  if (text == "True") return true;
  if (text == "False") return false;
  return std::string(entry.defaultText) == "True";
}

int ReadChoiceSetting(const SettingsStore& store, const shell::SettingEntry& entry) {
  return shell::ReadSetting(store, entry) == "1" ? 1 : 0;
}

WindowSettings DefaultWindowSettings() {
  WindowSettings settings;
  for (size_t i = 0; i < settings.displayFormats.size(); ++i) {
    settings.displayFormats[i] = units::kDisplayFormatSettings[i].defaultFormat;
  }
  return settings;
}

WindowSettings ReadWindowSettings(const SettingsStore& store) {
  WindowSettings settings;
  settings.units = ReadChoiceSetting(store, shell::kUnitsSetting);
  settings.formulation = ReadChoiceSetting(store, shell::kFormulationSetting);
  for (size_t i = 0; i < settings.displayFormats.size(); ++i) {
    const units::DisplayFormatSetting& format = units::kDisplayFormatSettings[i];
    settings.displayFormats[i] =
        store.Read(shell::kSettingsSection, format.key, format.defaultFormat);
  }
  return settings;
}

ProgramSwitches ReadProgramSwitches(const SettingsStore& store) {
  ProgramSwitches switches;
  switches.DisclaimerShow = ReadBooleanSetting(store, shell::kDisclaimerShowSetting);
  switches.KeepOnTop = ReadBooleanSetting(store, shell::kKeepOnTopSetting);
  return switches;
}

WindowSettings frmMain::ReadWindowSettings() const {
  return mainwindow::ReadWindowSettings(services_.settings);
}

// The order matters: the unit system must be in place before the formulation
// switch computes, and the first compute shows every result in those units.
void frmMain::Form_Load() {
  // The model itself stands for the main window until a view owns the help.
  services_.help.InitHelp(this);
  mnuTrayPopup.SetVisible(false);
  for (auto& list : cboUnits_) {
    std::vector<std::string> entries;
    units::LoadUnits(list->tag, entries);
    list->SetEntries(std::move(entries));
  }

  WorkingState.Temperature = 68.0;
  WorkingState.Pressure = 14.696;
  WorkingState.MolarMass = 18.01528f;

  const WindowSettings settings = ReadWindowSettings();
  DisplayFormats = settings.displayFormats;
  optUnits(static_cast<int16_t>(settings.units)).SetValue(true);
  optSteam(static_cast<int16_t>(settings.formulation)).SetValue(true);
  cboUnits_Click(16);
  cboUnits_Click(17);

  // The menu item carries no check mark yet, so the toggle turns it on.
  if (services_.switches.KeepOnTop) mnuFileOnTop_Click();
  SetCaption(kLoadedWindowTitle);
}

// Settings are written here and nowhere else in the main window: a window
// that is only hidden, or a program ended any other way, writes nothing.
void frmMain::Form_Unload() {
  services_.help.QuitHelp();
  SettingsStore& store = services_.settings;
  shell::WriteSetting(store, shell::kUnitsSetting, optUnits(0).Value() ? "0" : "1");
  shell::WriteSetting(store, shell::kFormulationSetting, optSteam(0).Value() ? "0" : "1");
  for (size_t i = 0; i < DisplayFormats.size(); ++i) {
    store.Write(shell::kSettingsSection, units::kDisplayFormatSettings[i].key, DisplayFormats[i]);
  }
  shell::WriteSetting(store, shell::kKeepOnTopSetting,
                      BooleanSettingText(services_.switches.KeepOnTop));
}

}  // namespace mainwindow
