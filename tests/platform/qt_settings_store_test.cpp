// The settings survive the program through the real settings file, and a
// file edited by hand cannot make the program start in a state it would
// never have saved.
#include "mainwindow/frm_main.h"
#include "mainwindow/main_window_view.h"
#include "mainwindow/saved_settings.h"
#include "platform/qt_settings_store.h"
#include "platform/shared_property_libraries.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Points the per-user store at a folder of its own for one test.
class SettingsFolder : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
  }

  QString FilePath() const { return folder_.path() + "/Hydrelix/Hydrelix.conf"; }
  bool FileExists() const { return QFile::exists(FilePath()); }
  // The file as a user would write it with a text editor.
  void WriteFile(const QByteArray& text) const {
    ASSERT_TRUE(QDir().mkpath(folder_.path() + "/Hydrelix"));
    QFile file(FilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
  }
  QByteArray FileText() const {
    QFile file(FilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

 private:
  QTemporaryDir folder_;
};

// The message boxes a run asked for.
struct MessageRecorder final : mainwindow::NoView {
  void ShowMessageBox(const shell::MessageBoxRequest& request) override {
    messages.push_back(request);
  }
  std::vector<shell::MessageBoxRequest> messages;
};

// One run of the program: a new store over the same file, a loaded window.
struct ProgramRun {
  ProgramRun() {
    form.AttachView(view);
    form.Form_Load();
    form.Show();
  }
  void Click(const std::string& name) { form.UserClick(*form.FindControl(name)); }
  void Type(const std::string& text) {
    for (char c : text) form.UserType(static_cast<unsigned char>(c));
  }
  const std::string& Text(int16_t index) const { return form.txtData(index).Text(); }

  platform::QtSettingsStore settings;
  shell::InMemoryClipboard clipboard;
  platform::SharedPropertyLibraries libraries;
  shell::NoHelpViewer help;
  shell::ProgramSwitches switches = mainwindow::ReadProgramSwitches(settings);
  MessageRecorder view;
  mainwindow::frmMain form{{clipboard, libraries, settings, help, switches}};
};

using SettingsFile = SettingsFolder;

}  // namespace

TEST_F(SettingsFile, LivesUnderTheApplicationsOwnName) {
  platform::QtSettingsStore store;
  EXPECT_EQ(store.FileName(), FilePath().toStdString());
}

TEST_F(SettingsFile, FirstRunStartsWithTheDefaultsAndHidingWritesNothing) {
  {
    ProgramRun run;
    EXPECT_TRUE(run.form.optUnits(0).Value());
    EXPECT_TRUE(run.form.optSteam(0).Value());
    EXPECT_EQ(run.form.DisplayFormats, mainwindow::DefaultWindowSettings().displayFormats);
    EXPECT_TRUE(run.switches.DisclaimerShow);
    EXPECT_FALSE(run.switches.KeepOnTop);
    run.Click("txtData(44)");
    run.Click("cmdMore");
    run.Click("optUnits(1)");
    run.Click("cmdClose");
    bool cancel = false;
    run.form.Form_QueryUnload(cancel, mainwindow::QueryUnloadMode::ControlMenu);
  }
  EXPECT_FALSE(FileExists());
}

TEST_F(SettingsFile, TwoMoreDecimalsOnTemperatureLastIntoTheNextRun) {
  {
    ProgramRun run;
    run.Click("txtData(43)");
    run.Click("cmdMore");
    run.Click("cmdMore");
    run.form.Form_Unload();
  }
  ASSERT_TRUE(FileExists());
  EXPECT_TRUE(FileText().contains("TFormat=####0.0000")) << FileText().toStdString();
  ProgramRun next;
  EXPECT_EQ(next.form.DisplayFormats[0], "####0.0000");
  EXPECT_EQ(next.Text(43), "68.0000");
  EXPECT_EQ(next.Text(44), "14.696");
}

TEST_F(SettingsFile, UnitsOneStartsInSiWithEveryListAtItsSiChoice) {
  {
    ProgramRun run;
    run.form.UserSelect(run.form.cboUnits(17), 5);  // kPa: a single list is not remembered
    run.Click("optUnits(1)");
    run.form.UserSelect(run.form.cboUnits(17), 5);
    run.form.Form_Unload();
  }
  ProgramRun next;
  EXPECT_TRUE(next.form.optUnits(1).Value());
  EXPECT_EQ(next.form.cboUnits(17).ListIndex(), 7);  // Bar
  EXPECT_EQ(next.Text(43), "20.00");
  EXPECT_EQ(next.Text(44), "1.013");
}

TEST_F(SettingsFile, IfcOneStartsInIfc67AndComputesWithIt) {
  WriteFile("[Settings]\nIFC=1\n");
  ProgramRun run;
  EXPECT_TRUE(run.form.optSteam(1).Value());
  EXPECT_TRUE(run.view.messages.empty());
  // Beyond 1472 F only IF-97 computes.
  run.form.UserFocus(run.form.txtData(43));
  run.form.UserPressKey(mainwindow::Key::Delete);
  run.Type("1500");
  run.Click("cmdCompute");
  ASSERT_EQ(run.view.messages.size(), 1u);
  EXPECT_EQ(run.view.messages[0].text, "Temperature must be lower than 1472 F (800 C).");
}

TEST_F(SettingsFile, GarbageValuesGiveTheDefaults) {
  WriteFile(
      "[Settings]\n"
      "Units=2\n"
      "IFC=1, 1\n"
      "KeepOnTop=true\n"
      "Disclaimer%20Show=0\n"
      "TFormat=\"%s%n\"\n");
  ProgramRun run;
  EXPECT_TRUE(run.form.optUnits(0).Value());
  EXPECT_TRUE(run.form.optSteam(0).Value());
  EXPECT_FALSE(run.switches.KeepOnTop);
  EXPECT_TRUE(run.switches.DisclaimerShow);
  // A foreign format shows the plain number and goes back as it came.
  EXPECT_EQ(run.Text(43), "68");
  run.form.Form_Unload();
  platform::QtSettingsStore store;
  EXPECT_EQ(store.Read("Settings", "TFormat", ""), "%s%n");
  EXPECT_EQ(store.Read("Settings", "Units", ""), "0");
}

TEST_F(SettingsFile, KeysWithBlanksAndUnwrittenKeysReadBack) {
  {
    platform::QtSettingsStore store;
    store.Write("Settings", "Disclaimer Show", "False");
    store.Write("Settings", "KeepOnTop", "True");
    EXPECT_EQ(store.Read("Settings", "PFormat", "####0.000"), "####0.000");
    // Texts the file format gives a meaning of its own still come back as written.
    store.Write("Settings", "HFormat", "#0.0; x=\"1\", 2\n@Variant(0)\\");
  }
  platform::QtSettingsStore store;
  const shell::ProgramSwitches switches = mainwindow::ReadProgramSwitches(store);
  EXPECT_FALSE(switches.DisclaimerShow);
  EXPECT_TRUE(switches.KeepOnTop);
  EXPECT_EQ(store.Read("Settings", "Units", "<absent>"), "<absent>");
  EXPECT_EQ(store.Read("Other", "KeepOnTop", "<absent>"), "<absent>");
  EXPECT_EQ(store.Read("Settings", "HFormat", ""), "#0.0; x=\"1\", 2\n@Variant(0)\\");
}
