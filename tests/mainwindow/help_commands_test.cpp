// Help contents (F1) and Help search open the help file, or say why not.
#include "loaded_window.h"

#include <string>

using shell::MessageBoxRequest;
using shell::MessageIcon;

namespace {

struct FakeHelpViewer final : shell::HelpViewer {
  void InitHelp(const void*) override { path = shell::kHelpFileName; }
  std::string HelpFilePath() const override { return path; }
  void QuitHelp() override {}
  bool ShowHelpContents() override {
    ++contentsOpened;
    return fileOpens;
  }
  bool ShowHelpFinder() override {
    ++searchOpened;
    return fileOpens;
  }
  std::string path;
  bool fileOpens = true;
  int contentsOpened = 0;
  int searchOpened = 0;
};

struct WindowWithHelp {
  WindowWithHelp() {
    form.AttachView(view);
    form.Form_Load();
    form.Show();
  }
  shell::InMemoryClipboard clipboard;
  platform::SharedPropertyLibraries libraries;
  shell::InMemorySettingsStore settings;
  FakeHelpViewer help;
  shell::ProgramSwitches switches;
  RecordingView view;
  mainwindow::frmMain form{{clipboard, libraries, settings, help, switches}};
};

}  // namespace

TEST(HelpMenu, OpensContentsAndSearchWithoutAMessage) {
  WindowWithHelp w;
  w.form.UserClick(w.form.mnuHelpContents);
  w.form.UserClick(w.form.mnuHelpSearchForHelpOn);
  EXPECT_EQ(w.help.contentsOpened, 1);
  EXPECT_EQ(w.help.searchOpened, 1);
  EXPECT_TRUE(w.view.messages.empty());
  EXPECT_EQ(w.form.Focused(), &w.form.txtData(43));
}

TEST(HelpMenu, AHelpFileThatCannotBeOpenedIsReportedUnderTheApplicationTitle) {
  WindowWithHelp w;
  w.help.fileOpens = false;
  w.form.UserClick(w.form.mnuHelpContents);
  w.form.UserClick(w.form.mnuHelpSearchForHelpOn);
  const MessageBoxRequest expected{"The help file Hydrelix.HLP could not be opened.", "Hydrelix",
                                   MessageIcon::None, shell::MessageButtons::Ok};
  ASSERT_EQ(w.view.messages.size(), 2u);
  EXPECT_EQ(w.view.messages[0], expected);
  EXPECT_EQ(w.view.messages[1], expected);
  // The window goes on as before.
  EXPECT_EQ(w.form.txtData(43).Text(), "68.00");
  EXPECT_FALSE(w.form.ResultsCleared);
}

TEST(HelpMenu, WithoutAHelpFilePathSaysThereIsNoHelpAndOpensNothing) {
  WindowWithHelp w;
  w.help.path.clear();
  w.form.UserClick(w.form.mnuHelpSearchForHelpOn);
  w.form.UserClick(w.form.mnuHelpContents);
  const MessageBoxRequest expected{
      "Unable to display Help Contents. There is no Help associated with this project.",
      "Hydrelix - Steam and Water Properties", MessageIcon::Information,
      shell::MessageButtons::Ok};
  ASSERT_EQ(w.view.messages.size(), 2u);
  EXPECT_EQ(w.view.messages[0], expected);
  EXPECT_EQ(w.view.messages[1], expected);
  EXPECT_EQ(w.help.contentsOpened + w.help.searchOpened, 0);
}
