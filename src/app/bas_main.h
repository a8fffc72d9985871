// The program's start-up, basMain: one running copy per user, the two
// program-wide switches, the splash while the main window loads, the main
// window, and the disclaimer when the settings ask for it.
#ifndef HYDRELIX_APP_BAS_MAIN_H
#define HYDRELIX_APP_BAS_MAIN_H

#include "mainwindow/frm_main.h"
#include "shell/help_viewer.h"
#include "shell/message_box.h"
#include "shell/program_switches.h"
#include "shell/settings_store.h"

#include <cstdint>

namespace app {

// How long the splash stays once the main window has loaded.
inline constexpr int kSplashAfterLoadMilliseconds = 3250;

class StartupClock {
 public:
  virtual ~StartupClock() = default;
  virtual std::int64_t NowMilliseconds() const = 0;
  // Blocks for the time, with the windows on screen still painted; what the
  // user does meanwhile waits until it is over.
  virtual void Wait(int milliseconds) = 0;
};

// What start-up asks of the desktop around the main window.
class StartupDesktop {
 public:
  virtual ~StartupDesktop() = default;
  // Whether another copy of the program runs for this user.
  virtual bool PreviousInstanceRunning() = 0;
  // Asks that copy to restore and raise its main window; false when it
  // cannot be reached.
  virtual bool RaisePreviousInstance() = 0;
  virtual void ShowMessage(const shell::MessageBoxRequest& request) = 0;
  // Ends the program at once, before any window was shown.
  virtual void EndProgram() = 0;
  virtual void SetBusyPointer(bool busy) = 0;
  // Shows the splash window, painted at once; returns it for the help viewer.
  virtual const void* ShowSplash() = 0;
  virtual void UnloadSplash() = 0;
  // The main window is on screen: requests of a second start may be served.
  virtual void MainWindowShown() = 0;
  virtual void Beep() = 0;
  // The program was told to end (SIGTERM, the session's end) while the
  // splash was up: the main window has unloaded and is never shown.
  virtual bool EndRequested() const = 0;
};

struct StartupServices {
  mainwindow::frmMain& form;
  shell::SettingsStore& settings;
  shell::ProgramSwitches& switches;
  shell::HelpViewer& help;
  StartupDesktop& desktop;
  StartupClock& clock;
};

// Runs start-up; false when this copy must end at once (another copy runs,
// or the program was told to end before its window showed). Otherwise the program goes on with the main window's events, unless the
// user disagreed with the disclaimer, which has already ended it.
bool Main(const StartupServices& services);

// Another copy runs: raise it, or say it cannot be reached, and end.
void ActivatePrevInstance(StartupDesktop& desktop);

// "A previous instance of Hydrelix is currently running."
shell::MessageBoxRequest PreviousInstanceMessage();

}  // namespace app

#endif
