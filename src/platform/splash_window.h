// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window, frmSplash, on the desktop: shown while the main window
// loads, without a title bar, centred on the screen.
#ifndef HYDRELIX_PLATFORM_SPLASH_WINDOW_H
#define HYDRELIX_PLATFORM_SPLASH_WINDOW_H

#include "app/frm_splash.h"

#include <QWidget>

class QGroupBox;
class QLabel;

namespace platform {

class SplashWindow final : public QWidget {
 public:
  SplashWindow();

  // Shows the window and paints it before returning.
  void ShowPainted();

  QLabel& CompanyProduct() const { return *lblCompanyProduct_; }
  QLabel& ProductName() const { return *lblProductName_; }
  QLabel& Version() const { return *lblVersion_; }
  QLabel& Description() const { return *lblDescription_; }
  QLabel& Copyright() const { return *lblCopyright_; }
  QLabel& Warning() const { return *lblWarning_; }

 private:
  app::frmSplash form_;
  QGroupBox* fraMainFrame_;
  QLabel* picLogo_;
  QLabel* lblCompanyProduct_;
  QLabel* lblProductName_;
  QLabel* lblVersion_;
  QLabel* lblDescription_;
  QLabel* lblCopyright_;
  QLabel* lblWarning_;
};

}  // namespace platform

#endif
