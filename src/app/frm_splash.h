// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window, frmSplash, as a model: its layout and the identity
// texts it shows while the main window loads.
#ifndef HYDRELIX_APP_FRM_SPLASH_H
#define HYDRELIX_APP_FRM_SPLASH_H

#include "app/dialog_layout.h"

#include <string>

namespace app {

struct frmSplash {
  // No title bar, no close box, not in the task bar, centred on the screen.
  static constexpr TwipsBox kClientArea{0, 0, 7515, 4680};
  static constexpr ControlLayout fraMainFrame{"fraMainFrame", "", {75, 0, 7380, 4590}, -1};
  // Inside fraMainFrame.
  static constexpr ControlLayout picLogo{"picLogo", "", {360, 420, 1170, 1170}, -1};
  static constexpr ControlLayout lblCompanyProduct{"lblCompanyProduct", "", {1770, 525, 2460, 345}, -1};
  static constexpr FontLayout kCompanyProductFont{"Arial", 14.25, true};
  static constexpr ControlLayout lblProductName{"lblProductName", "", {1770, 795, 2580, 705}, -1};
  static constexpr FontLayout kProductNameFont{"Tahoma", 29.25, true};
  static constexpr ControlLayout lblVersion{"lblVersion", "", {390, 1965, 930, 300}, -1};
  static constexpr FontLayout kVersionFont{"MS Sans Serif", 12.0, true};
  static constexpr ControlLayout lblDescription{"lblDescription", "", {390, 2685, 6765, 390}, -1};
  static constexpr ControlLayout lblCopyright{"lblCopyright", "", {390, 3300, 6825, 255}, -1};
  static constexpr ControlLayout lblWarning{"lblWarning", "", {390, 3810, 6855, 555}, -1};

  // Fills the labels from the application identity.
  void Form_Load();

  std::string CompanyProductText;
  std::string ProductNameText;
  std::string VersionText;
  std::string DescriptionText;
  std::string CopyrightText;
  std::string WarningText;
};

}  // namespace app

#endif
