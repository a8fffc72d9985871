#include "platform/desktop_shell_windows.h"

#include "app/disclaimer_file.h"
#include "platform/about_dialog.h"
#include "platform/program_directory.h"
#include "platform/read_disclaimer_dialog.h"

#include <QWidget>

#include <utility>

namespace platform {

namespace {

// The owner takes the activation back, as the desktop hands it back to the
// window under a closed dialog; without a window manager nobody else does.
void ReturnToOwner(QWidget* owner) {
  if (owner != nullptr && owner->isVisible()) owner->activateWindow();
}

}  // namespace

app::DisclaimerSource InstalledDisclaimer() {
  return [] { return app::ReadDisclaimerFile(app::DisclaimerFilePath(ProgramDirectory())); };
}

DesktopShellWindows::DesktopShellWindows(shell::ProgramSwitches& switches,
                                         shell::SettingsStore& settings,
                                         app::SystemInfoTool& systemInfo,
                                         DialogServices services,
                                         app::DisclaimerSource disclaimer)
    : switches_(switches),
      settings_(settings),
      systemInfo_(systemInfo),
      services_(std::move(services)),
      disclaimer_(std::move(disclaimer)) {}

void DesktopShellWindows::ShowMessage(QWidget* owner,
                                      const shell::MessageBoxRequest& request) {
  services_.showMessage(owner, request);
}

void DesktopShellWindows::ShowAbout(QWidget* owner) {
  AboutDialog about(owner, systemInfo_, services_);
  about.RunModal();
  ReturnToOwner(owner);
}

void DesktopShellWindows::ShowDisclaimer(QWidget* owner) {
  ReadDisclaimerDialog acceptance(owner, switches_, settings_, disclaimer_, services_);
  acceptance.RunModal();
  ReturnToOwner(owner);
}

}  // namespace platform
