// The About window, frmAbout, on the desktop.
#ifndef HYDRELIX_PLATFORM_ABOUT_DIALOG_H
#define HYDRELIX_PLATFORM_ABOUT_DIALOG_H

#include "app/frm_about.h"
#include "platform/shell_dialog.h"
#include "platform/shell_dialog_support.h"

class QLabel;
class QPushButton;

namespace platform {

class AboutDialog final : public ShellDialog, public app::AboutView {
 public:
  AboutDialog(QWidget* owner, app::SystemInfoTool& tool, DialogServices services);

  QLabel& CompanyName() const { return *lblCompanyName_; }
  QLabel& Title() const { return *lblTitle_; }
  QLabel& Version() const { return *lblVersion_; }
  QLabel& Description() const { return *lblDescription_; }
  QLabel& Disclaimer() const { return *lblDisclaimer_; }
  QPushButton& OK() const { return *cmdOK_; }
  QPushButton& SysInfo() const { return *cmdSysInfo_; }

  // ---- AboutView
  void CenterMouseCursorOnOK() override;
  void ShowMessage(const shell::MessageBoxRequest& request) override;
  void Close() override;

 protected:
  void Activated() override;
  bool KeyPressed(app::DialogKey key) override;
  void WindowManagerClose() override;
  void paintEvent(QPaintEvent* event) override;

 private:
  DialogServices services_;
  app::frmAbout form_;
  QLabel* picIcon_;
  QLabel* lblCompanyName_;
  QLabel* lblTitle_;
  QLabel* lblVersion_;
  QLabel* lblDescription_;
  QLabel* lblDisclaimer_;
  QPushButton* cmdOK_;
  QPushButton* cmdSysInfo_;
};

}  // namespace platform

#endif
