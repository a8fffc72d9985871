// Every entry of the settings file with its section, key and the default a
// missing entry gives, declared here once: the main window's and start-up's
// entries in section "Settings", and the Analysis windows' places in section
// "Analysis". Readers and writers name an entry by these declarations, never
// by its text.
#ifndef HYDRELIX_SHELL_SETTINGS_SCHEMA_H
#define HYDRELIX_SHELL_SETTINGS_SCHEMA_H

#include <string>
#include <string_view>
#include <vector>

#include "shell/settings_store.h"

namespace shell {

inline constexpr char kSettingsSection[] = "Settings";
inline constexpr char kAnalysisSection[] = "Analysis";

struct SettingEntry {
  const char* section;
  const char* key;
  const char* defaultText;
};

// The unit system: "0" IP, "1" SI.
inline constexpr SettingEntry kUnitsSetting{kSettingsSection, "Units", "0"};
// The formulation: "0" IF-97, "1" IFC-67.
inline constexpr SettingEntry kFormulationSetting{kSettingsSection, "IFC", "0"};
// Whether start-up shows the disclaimer acceptance window: "True" or "False".
inline constexpr SettingEntry kDisclaimerShowSetting{kSettingsSection, "Disclaimer Show", "True"};
// Whether the main window stays on top: "True" or "False".
inline constexpr SettingEntry kKeepOnTopSetting{kSettingsSection, "KeepOnTop", "False"};

// Every fixed entry: the four above, then the fifteen display formats
// ("TFormat" ... with their default patterns, units::kDisplayFormatSettings).
std::vector<SettingEntry> FixedSettings();

// An Analysis window's size and position, in section "Analysis" under
// "<window>Geometry" (e.g. "PinsGeometry"); empty by default, which places
// the window beside the main window.
std::string AnalysisGeometryKey(std::string_view window);
inline constexpr char kAnalysisGeometryDefault[] = "";

// Compare Formulations marks a row whose |Δ %| passes this many percent;
// written with a ".".
inline constexpr SettingEntry kCompareThresholdSetting{kAnalysisSection,
                                                       "CompareThresholdPercent", "0.1"};

// The stored text of `entry`, or its default.
std::string ReadSetting(const SettingsStore& store, const SettingEntry& entry);
void WriteSetting(SettingsStore& store, const SettingEntry& entry, const std::string& text);

}  // namespace shell

#endif
