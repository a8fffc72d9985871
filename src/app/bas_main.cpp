#include "app/bas_main.h"

#include "shell/application_identity.h"
#include "app/frm_splash.h"
#include "mainwindow/saved_settings.h"

#include <string>

namespace app {

shell::MessageBoxRequest PreviousInstanceMessage() {
  return {
      std::string("A previous instance of ") + shell::kIdentity.title + " is currently running.",
      shell::kIdentity.title, shell::MessageIcon::Exclamation};
}

void ActivatePrevInstance(StartupDesktop& desktop) {
  if (!desktop.RaisePreviousInstance()) desktop.ShowMessage(PreviousInstanceMessage());
  desktop.EndProgram();
}

bool Main(const StartupServices& services) {
  StartupDesktop& desktop = services.desktop;
  if (desktop.PreviousInstanceRunning()) {
    ActivatePrevInstance(desktop);
    return false;
  }

  services.switches = mainwindow::ReadProgramSwitches(services.settings);

  desktop.SetBusyPointer(true);
  services.help.InitHelp(desktop.ShowSplash());

  services.form.Form_Load();
  // Counted from the end of the load: a slow load makes the splash last
  // longer, never shorter.
  services.clock.Wait(kSplashAfterLoadMilliseconds);
  services.help.QuitHelp();
  desktop.UnloadSplash();
  if (desktop.EndRequested()) {
    desktop.SetBusyPointer(false);
    return false;
  }

  services.form.Show();
  desktop.MainWindowShown();
  desktop.Beep();

  // The File menu's command, so a topmost main window steps back while the
  // acceptance window is open.
  if (services.switches.DisclaimerShow) services.form.mnuFileDisclaimer_Click();
  desktop.SetBusyPointer(false);
  return true;
}

}  // namespace app
