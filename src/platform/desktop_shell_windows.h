// The modal windows the main window opens, as the program has them: message
// boxes, the About window and the disclaimer acceptance window.
#ifndef HYDRELIX_PLATFORM_DESKTOP_SHELL_WINDOWS_H
#define HYDRELIX_PLATFORM_DESKTOP_SHELL_WINDOWS_H

#include "app/frm_disclaimer.h"
#include "app/system_info_tool.h"
#include "shell/program_switches.h"
#include "shell/settings_store.h"
#include "platform/shell_dialog_support.h"
#include "platform/shell_windows.h"

namespace platform {

// The disclaimer file beside the program.
app::DisclaimerSource InstalledDisclaimer();

class DesktopShellWindows final : public ShellWindows {
 public:
  // Everything must outlive the windows.
  DesktopShellWindows(shell::ProgramSwitches& switches, shell::SettingsStore& settings,
                      app::SystemInfoTool& systemInfo, DialogServices services,
                      app::DisclaimerSource disclaimer = InstalledDisclaimer());

  void ShowMessage(QWidget* owner, const shell::MessageBoxRequest& request) override;
  void ShowAbout(QWidget* owner) override;
  void ShowDisclaimer(QWidget* owner) override;

 private:
  shell::ProgramSwitches& switches_;
  shell::SettingsStore& settings_;
  app::SystemInfoTool& systemInfo_;
  DialogServices services_;
  app::DisclaimerSource disclaimer_;
};

}  // namespace platform

#endif
