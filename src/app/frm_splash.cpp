#include "app/frm_splash.h"

#include "shell/application_identity.h"
#include "app/version_text.h"

namespace app {

void frmSplash::Form_Load() {
  CompanyProductText = shell::kIdentity.companyName;
  ProductNameText = shell::kIdentity.title;
  VersionText = app::VersionText();
  DescriptionText = shell::kIdentity.fileDescription;
  CopyrightText = shell::kIdentity.copyright;
  WarningText = shell::kIdentity.trademarks;
}

}  // namespace app
