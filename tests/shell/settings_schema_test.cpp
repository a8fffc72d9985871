// The settings schema: every fixed entry once, with the defaults the program
// writes on a first run and reads from an empty settings file.
#include "mainwindow/loaded_window.h"

#include "mainwindow/saved_settings.h"
#include "shell/settings_schema.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(SettingsSchema, EveryFixedEntryOnceInTheSettingsSection) {
  const std::vector<shell::SettingEntry> entries = shell::FixedSettings();
  ASSERT_EQ(entries.size(), 19u);  // four switches and choices, fifteen formats
  std::set<std::string> keys;
  for (const shell::SettingEntry& entry : entries) {
    EXPECT_STREQ(entry.section, "Settings");
    EXPECT_TRUE(keys.insert(entry.key).second) << entry.key;
  }
  struct Named {
    shell::SettingEntry entry;
    const char* key;
    const char* defaultText;
  };
  for (const Named& n : {Named{shell::kUnitsSetting, "Units", "0"},
                         Named{shell::kFormulationSetting, "IFC", "0"},
                         Named{shell::kDisclaimerShowSetting, "Disclaimer Show", "True"},
                         Named{shell::kKeepOnTopSetting, "KeepOnTop", "False"}}) {
    EXPECT_STREQ(n.entry.key, n.key);
    EXPECT_STREQ(n.entry.defaultText, n.defaultText) << n.key;
  }
  EXPECT_EQ(entries[4].key, std::string("TFormat"));
  EXPECT_EQ(entries[4].defaultText, std::string("####0.00"));
  EXPECT_EQ(shell::AnalysisGeometryKey("Pins"), "PinsGeometry");
  EXPECT_STREQ(shell::kAnalysisSection, "Analysis");
}

// A first run writes every entry but the disclaimer's (start-up writes that)
// with its default, and reads the defaults back from an empty store.
TEST(SettingsSchema, AFirstRunWritesAndReadsTheDefaults) {
  LoadedWindow w;
  w.form.Form_Unload();
  for (const shell::SettingEntry& entry : shell::FixedSettings()) {
    const std::string stored = w.settings.Read(entry.section, entry.key, "<absent>");
    if (std::string(entry.key) == shell::kDisclaimerShowSetting.key) {
      EXPECT_EQ(stored, "<absent>");
    } else {
      EXPECT_EQ(stored, entry.defaultText) << entry.key;
    }
  }
  shell::InMemorySettingsStore empty;
  const shell::ProgramSwitches switches = mainwindow::ReadProgramSwitches(empty);
  EXPECT_EQ(switches.DisclaimerShow, std::string(shell::kDisclaimerShowSetting.defaultText) == "True");
  EXPECT_EQ(switches.KeepOnTop, std::string(shell::kKeepOnTopSetting.defaultText) == "True");
}

TEST(SettingsSchema, UnreadableEntriesGiveTheirDefaults) {
  shell::InMemorySettingsStore store;
  for (const char* text : {"true", "1", "", "Yes"}) {
    shell::WriteSetting(store, shell::kDisclaimerShowSetting, text);
    shell::WriteSetting(store, shell::kKeepOnTopSetting, text);
    EXPECT_TRUE(mainwindow::ReadBooleanSetting(store, shell::kDisclaimerShowSetting)) << text;
    EXPECT_FALSE(mainwindow::ReadBooleanSetting(store, shell::kKeepOnTopSetting)) << text;
  }
  shell::WriteSetting(store, shell::kUnitsSetting, "2");
  EXPECT_EQ(mainwindow::ReadChoiceSetting(store, shell::kUnitsSetting), 0);
  shell::WriteSetting(store, shell::kUnitsSetting, "1");
  EXPECT_EQ(mainwindow::ReadChoiceSetting(store, shell::kUnitsSetting), 1);
}

}  // namespace
