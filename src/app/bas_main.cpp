#include "app/bas_main.h"

#include "app/application_identity.h"
#include "app/frm_splash.h"

#include <string>

namespace app {

namespace {

// Saved as "True" or "False"; anything else keeps the default.
bool ReadSwitch(const mainwindow::SettingsStore& store, const char* key, bool fallback) {
  const std::string text = store.Read("Settings", key, fallback ? "True" : "False");
  if (text == "True") return true;
  if (text == "False") return false;
  return fallback;
}

}  // namespace

mainwindow::MessageBoxRequest PreviousInstanceMessage() {
  return {std::string("A previous instance of ") + kIdentity.title + " is currently running.",
          kIdentity.title, mainwindow::MessageIcon::Exclamation};
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

  services.switches.DisclaimerShow = ReadSwitch(services.settings, "Disclaimer Show", true);
  services.switches.KeepOnTop = ReadSwitch(services.settings, "KeepOnTop", false);

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
