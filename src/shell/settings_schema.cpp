#include "shell/settings_schema.h"

#include "units/display_format.h"

namespace shell {

std::vector<SettingEntry> FixedSettings() {
  std::vector<SettingEntry> entries{kUnitsSetting, kFormulationSetting, kDisclaimerShowSetting,
                                    kKeepOnTopSetting};
  for (const units::DisplayFormatSetting& format : units::kDisplayFormatSettings) {
    entries.push_back({kSettingsSection, format.key, format.defaultFormat});
  }
  return entries;
}

std::string AnalysisGeometryKey(std::string_view window) {
  return std::string(window) + "Geometry";
}

std::string ReadSetting(const SettingsStore& store, const SettingEntry& entry) {
  return store.Read(entry.section, entry.key, entry.defaultText);
}

void WriteSetting(SettingsStore& store, const SettingEntry& entry, const std::string& text) {
  store.Write(entry.section, entry.key, text);
}

}  // namespace shell
