// What the window writes when it unloads, and nothing sooner; what it finds
// in the store counts only as the texts it writes itself.
#include "mainwindow/frm_main.h"
#include "mainwindow/saved_settings.h"
#include "platform/shared_property_libraries.h"

#include <gtest/gtest.h>

#include <string>

using shell::InMemorySettingsStore;

namespace {

// Counts what the window asks of the help viewer.
struct RecordingHelpViewer final : shell::HelpViewer {
  void InitHelp(const void* window) override { owner = window; }
  std::string HelpFilePath() const override { return shell::kHelpFileName; }
  void QuitHelp() override { ++quits; }
  bool ShowHelpContents() override { return true; }
  bool ShowHelpFinder() override { return true; }
  const void* owner = nullptr;
  int quits = 0;
};

// One run of the program over a store that outlives it.
struct ProgramRun {
  explicit ProgramRun(InMemorySettingsStore& store) : settings(store) {
    form.Form_Load();
    form.Show();
  }
  void Click(const std::string& name) { form.UserClick(*form.FindControl(name)); }
  const std::string& Text(int16_t index) const { return form.txtData(index).Text(); }

  InMemorySettingsStore& settings;
  shell::InMemoryClipboard clipboard;
  platform::SharedPropertyLibraries libraries;
  RecordingHelpViewer help;
  shell::ProgramSwitches switches;
  mainwindow::frmMain form{{clipboard, libraries, settings, help, switches}};
};

std::string Stored(const InMemorySettingsStore& store, const std::string& key) {
  return store.Read("Settings", key, "<absent>");
}

}  // namespace

TEST(Unload, WritesEverySettingOfTheWindowAsText) {
  InMemorySettingsStore store;
  {
    ProgramRun run(store);
    run.Click("optUnits(1)");
    run.Click("optSteam(1)");
    run.switches.KeepOnTop = true;
    run.form.Form_Unload();
  }
  EXPECT_EQ(Stored(store, "Units"), "1");
  EXPECT_EQ(Stored(store, "IFC"), "1");
  EXPECT_EQ(Stored(store, "KeepOnTop"), "True");
  EXPECT_EQ(Stored(store, "TFormat"), "####0.00");
  EXPECT_EQ(Stored(store, "IEFormat"), "#0.000");
  // The disclaimer window owns its own setting.
  EXPECT_EQ(Stored(store, "Disclaimer Show"), "<absent>");
  EXPECT_EQ(store.entries.size(), 18u);
}

TEST(Unload, IsTheOnlyMomentTheWindowWrites) {
  InMemorySettingsStore store;
  ProgramRun run(store);
  run.Click("txtData(43)");
  run.Click("cmdMore");
  run.Click("optUnits(1)");
  run.Click("optSteam(1)");
  run.Click("cmdClose");
  bool cancel = false;
  run.form.Form_QueryUnload(cancel, mainwindow::QueryUnloadMode::ControlMenu);
  EXPECT_TRUE(store.entries.empty());
}

TEST(Unload, ClosesTheHelpThatLoadOpenedForTheWindow) {
  InMemorySettingsStore store;
  ProgramRun run(store);
  EXPECT_EQ(run.help.owner, &run.form);
  EXPECT_EQ(run.form.Caption(), "Hydrelix - Steam and Water Properties");
  EXPECT_EQ(run.help.quits, 0);
  run.form.Form_Unload();
  EXPECT_EQ(run.help.quits, 1);
}

TEST(StrictReading, AnythingButTheWrittenTextsGivesTheDefault) {
  for (const char* text : {"2", "-1", " 1", "1 ", "01", "1.0", "true", "True", "", "\xff"}) {
    InMemorySettingsStore store;
    store.Write("Settings", "Units", text);
    store.Write("Settings", "IFC", text);
    ProgramRun run(store);
    EXPECT_TRUE(run.form.optUnits(0).Value()) << '"' << text << '"';
    EXPECT_TRUE(run.form.optSteam(0).Value()) << '"' << text << '"';
  }
  for (const char* text : {"true", "TRUE", "1", "-1", " True", "True ", "Yes", "", "False\n"}) {
    InMemorySettingsStore store;
    store.Write("Settings", "KeepOnTop", text);
    store.Write("Settings", "Disclaimer Show", text);
    const shell::ProgramSwitches switches = mainwindow::ReadProgramSwitches(store);
    EXPECT_FALSE(switches.KeepOnTop) << '"' << text << '"';
    EXPECT_TRUE(switches.DisclaimerShow) << '"' << text << '"';
  }
}

TEST(StrictReading, AForeignFormatShowsPlainNumbersAndIsSavedBackUnchanged) {
  for (const char* format : {"%s%n%x", "0.0.0", "%.400f", ""}) {
    InMemorySettingsStore store;
    store.Write("Settings", "TFormat", format);
    {
      ProgramRun run(store);
      EXPECT_EQ(run.Text(43), "68") << format;
      EXPECT_EQ(run.Text(44), "14.696") << format;
      run.form.Form_Unload();
    }
    EXPECT_EQ(Stored(store, "TFormat"), format);
  }
}
