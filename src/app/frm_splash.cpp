#include "app/frm_splash.h"

#include "app/application_identity.h"
#include "app/version_text.h"

namespace app {

void frmSplash::Form_Load() {
  CompanyProductText = kIdentity.companyName;
  ProductNameText = kIdentity.title;
  VersionText = app::VersionText();
  DescriptionText = kIdentity.fileDescription;
  CopyrightText = kIdentity.copyright;
  WarningText = kIdentity.trademarks;
}

}  // namespace app
