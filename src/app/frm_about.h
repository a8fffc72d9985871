// The About window, frmAbout, as a model: the program's identity texts, OK,
// and System Info, which starts the desktop's system-information program.
#ifndef HYDRELIX_APP_FRM_ABOUT_H
#define HYDRELIX_APP_FRM_ABOUT_H

#include "app/dialog_key.h"
#include "app/dialog_layout.h"
#include "app/system_info_tool.h"
#include "shell/message_box.h"

#include <string>

namespace app {

class AboutView {
 public:
  virtual ~AboutView() = default;
  virtual void CenterMouseCursorOnOK() = 0;
  virtual void ShowMessage(const shell::MessageBoxRequest& request) = 0;
  virtual void Close() = 0;
};

// One stroke of the etched rule, in twips.
struct RuleStroke {
  int x1, y1, x2, y2;
  int red, green, blue;
};

class frmAbout {
 public:
  static constexpr const char* kCaption = "About Hydrelix";
  static constexpr TwipsBox kClientArea{0, 0, 5865, 3630};
  static constexpr ControlLayout picIcon{"picIcon", "", {270, 315, 540, 540}, -1};
  static constexpr ControlLayout lblCompanyName{"lblCompanyName", "Company Name", {1050, 180, 1815, 270}, -1};
  static constexpr FontLayout kCompanyNameFont{"Arial", 12.0, true};
  static constexpr ControlLayout lblTitle{"lblTitle", "Application Title", {1050, 555, 4095, 570}, -1};
  static constexpr FontLayout kTitleFont{"Tahoma", 20.25, true};
  static constexpr ControlLayout lblVersion{"lblVersion", "Version", {1050, 1290, 4095, 225}, -1};
  static constexpr ControlLayout lblDescription{
      "lblDescription", "App Description", {1050, 1665, 4095, 630}, -1};
  static constexpr ControlLayout lblDisclaimer{
      "lblDisclaimer", "Warning: ...", {255, 2625, 3780, 825}, -1};
  static constexpr ControlLayout cmdOK{"cmdOK", "OK", {4245, 2625, 1467, 345}, 0};
  static constexpr ControlLayout cmdSysInfo{"cmdSysInfo", "&System Info...", {4260, 3075, 1452, 345}, 1};
  // Grey over white, one twip-pixel apart: the etched rule.
  static constexpr RuleStroke Line1_1{225, 2430, 5657, 2430, 128, 128, 128};
  static constexpr RuleStroke Line1_0{240, 2445, 5657, 2445, 255, 255, 255};

  frmAbout(SystemInfoTool& tool, AboutView& view);

  // The labels' texts; placeholders until the window loads.
  std::string CompanyNameText = lblCompanyName.caption;
  std::string TitleText = lblTitle.caption;
  std::string VersionText = lblVersion.caption;
  std::string DescriptionText = lblDescription.caption;
  std::string DisclaimerText = lblDisclaimer.caption;

  // ---- What the user does
  // OK is both the default and the cancel button.
  void UserPressKey(DialogKey key);
  void UserClose();

  // ---- Window events
  void Form_Load();
  void Form_Activate();
  void cmdOK_Click();
  void cmdSysInfo_Click();

  void StartSysInfo();

 private:
  SystemInfoTool& tool_;
  AboutView& view_;
};

// "System Information Is Unavailable At This Time", under the title.
shell::MessageBoxRequest SystemInfoUnavailableMessage();

}  // namespace app

#endif
