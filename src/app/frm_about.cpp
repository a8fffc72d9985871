#include "app/frm_about.h"

#include "shell/application_identity.h"
#include "app/version_text.h"

#include <optional>

namespace app {

shell::MessageBoxRequest SystemInfoUnavailableMessage() {
  return {"System Information Is Unavailable At This Time", shell::kIdentity.title,
          shell::MessageIcon::None};
}

frmAbout::frmAbout(SystemInfoTool& tool, AboutView& view) : tool_(tool), view_(view) {}

void frmAbout::UserPressKey(DialogKey) { cmdOK_Click(); }
void frmAbout::UserClose() { view_.Close(); }

void frmAbout::Form_Load() {
  CompanyNameText = shell::kIdentity.companyName;
  TitleText = shell::kIdentity.title;
  VersionText = app::VersionText();
  DescriptionText = shell::kIdentity.fileDescription;
  DisclaimerText = shell::kIdentity.trademarks;
}

void frmAbout::Form_Activate() { view_.CenterMouseCursorOnOK(); }
void frmAbout::cmdOK_Click() { view_.Close(); }
void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo() {
  std::optional<std::string> path = tool_.FullPath();
  if (!path) {
    const std::optional<std::string> folder = tool_.Folder();
    if (folder && tool_.FileExists(*folder + tool_.FileName())) path = *folder + tool_.FileName();
  }
  // The About window stays open either way.
  if (!path || !tool_.Start(*path)) view_.ShowMessage(SystemInfoUnavailableMessage());
}

}  // namespace app
