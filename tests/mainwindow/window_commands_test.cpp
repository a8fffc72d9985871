// Hiding, opening from the tray, keeping on top, the modal windows, Exit and
// the etched line, as the view sees them asked for.
#include "loaded_window.h"

#include <algorithm>

using mainwindow::ShellWindow;
using mainwindow::SystemColour;
using mainwindow::WindowProperty;

TEST(Hide, FromTheMenuTheButtonAndTheCloseBoxKeepsEveryValue) {
  for (const char* trigger : {"mnuFileHide", "cmdClose", "close box"}) {
    LoadedWindow w;
    w.Enter(43, "100");
    if (std::string(trigger) == "close box") {
      w.form.UserClose();
    } else {
      w.Click(trigger);
    }
    EXPECT_FALSE(w.form.Visible()) << trigger;
    EXPECT_EQ(w.view.programEnds, 0) << trigger;
    EXPECT_EQ(w.Text(43), "100.00") << trigger;
    w.form.UserTrayMouseDown(1);
    EXPECT_TRUE(w.form.Visible()) << trigger;
    EXPECT_EQ(w.view.broughtToFront, 1) << trigger;
  }
}

TEST(Hide, WithoutASystemTrayMinimisesInstead) {
  LoadedWindow w;
  w.view.trayAvailable = false;
  w.Click("cmdClose");
  w.form.UserClose();
  EXPECT_TRUE(w.form.Visible());
  EXPECT_EQ(w.view.minimized, 2);
}

TEST(KeepOnTop, TogglesTheMarkTheWindowAndTheSwitch) {
  LoadedWindow w;
  w.Click("mnuFileOnTop");
  EXPECT_TRUE(w.form.mnuFileOnTop.Checked());
  EXPECT_TRUE(w.form.Topmost());
  EXPECT_TRUE(w.switches.KeepOnTop);
  w.Click("mnuFileOnTop");
  EXPECT_FALSE(w.form.mnuFileOnTop.Checked());
  EXPECT_FALSE(w.form.Topmost());
  EXPECT_FALSE(w.switches.KeepOnTop);
}

TEST(KeepOnTop, HiddenAndOpenedAgainStaysTopmost) {
  LoadedWindow w;
  w.Click("mnuFileOnTop");
  w.form.UserClose();
  w.Click("mnuTrayPopupItem(0)");
  EXPECT_TRUE(w.form.Visible());
  EXPECT_TRUE(w.form.Topmost());
}

TEST(KeepOnTop, ASavedSwitchMakesTheWindowTopmostBeforeItIsShown) {
  shell::InMemoryClipboard clipboard;
  platform::SharedPropertyLibraries libraries;
  shell::InMemorySettingsStore settings;
  shell::NoHelpViewer help;
  shell::ProgramSwitches switches;
  switches.KeepOnTop = true;
  mainwindow::frmMain form({clipboard, libraries, settings, help, switches});
  form.Form_Load();
  EXPECT_TRUE(form.Topmost());
  EXPECT_TRUE(form.mnuFileOnTop.Checked());
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.Caption(), "Hydrelix - Steam and Water Properties");
}

// A topmost main window would cover the modal one it opened.
TEST(ModalWindows, OpenInsideTheTopmostBracket) {
  static LoadedWindow* window = nullptr;
  static bool topmostWhileOpen = true;
  LoadedWindow w;
  window = &w;
  w.view.whileModal = [] { topmostWhileOpen = window->form.Topmost(); };
  w.Click("mnuFileOnTop");
  w.Click("mnuHelpAbout");
  EXPECT_FALSE(topmostWhileOpen);
  EXPECT_TRUE(w.form.Topmost());
  w.Click("mnuFileDisclaimer");
  w.Click("mnuFileOnTop");
  topmostWhileOpen = true;
  w.Click("mnuHelpAbout");
  EXPECT_FALSE(topmostWhileOpen);
  EXPECT_FALSE(w.form.Topmost());
  const std::vector<ShellWindow> expected{ShellWindow::About, ShellWindow::Disclaimer,
                                          ShellWindow::About};
  EXPECT_EQ(w.view.modalWindows, expected);
}

TEST(Tray, RightButtonShowsThePopupWithOpenAsItsDefault) {
  LoadedWindow w;
  w.form.UserTrayMouseDown(2);
  EXPECT_EQ(w.view.trayPopups, 1);
  EXPECT_TRUE(w.form.mnuTrayPopupItem(0).isDefault);
  EXPECT_FALSE(w.form.mnuTrayPopupItem(1).isDefault);
}

TEST(Tray, AboutFromTheTrayLeavesAHiddenWindowHidden) {
  LoadedWindow w;
  w.form.UserClose();
  w.Click("mnuTrayPopupItem(1)");
  EXPECT_EQ(w.view.modalWindows, std::vector<ShellWindow>{ShellWindow::About});
  EXPECT_FALSE(w.form.Visible());
  EXPECT_EQ(w.view.broughtToFront, 1);
}

TEST(Exit, FromTheMenuOrTheTrayEndsTheProgramOnce) {
  for (const char* trigger : {"mnuFileExit", "mnuTrayPopupItem(3)"}) {
    LoadedWindow w;
    w.Click(trigger);
    w.form.UserEndSession();
    EXPECT_EQ(w.view.programEnds, 1) << trigger;
  }
}

TEST(Exit, TheEndOfTheSessionUnloadsTheWindow) {
  LoadedWindow w;
  w.form.UserEndSession();
  EXPECT_EQ(w.view.programEnds, 1);
}

TEST(EtchedLine, WhiteOnePixelDownThenTheShadowAlongTheTop) {
  LoadedWindow w;
  w.form.Form_Paint();
  ASSERT_EQ(w.view.lines.size(), 2u);
  EXPECT_EQ(w.view.lines[0].y1, 15);
  EXPECT_EQ(w.view.lines[0].x2, 5820);
  EXPECT_EQ(w.view.lines[0].colour, SystemColour::White);
  EXPECT_EQ(w.view.lines[1].y1, 0);
  EXPECT_EQ(w.view.lines[1].colour, SystemColour::ButtonShadow);
}
