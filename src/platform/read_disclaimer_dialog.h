// The disclaimer acceptance window, frmReadDisclaimer, on the desktop.
#ifndef HYDRELIX_PLATFORM_READ_DISCLAIMER_DIALOG_H
#define HYDRELIX_PLATFORM_READ_DISCLAIMER_DIALOG_H

#include "app/frm_disclaimer.h"
#include "app/frm_read_disclaimer.h"
#include "platform/shell_dialog.h"
#include "platform/shell_dialog_support.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace platform {

class ReadDisclaimerDialog final : public ShellDialog, public app::ReadDisclaimerView {
 public:
  ReadDisclaimerDialog(QWidget* owner, shell::ProgramSwitches& switches,
                       shell::SettingsStore& settings, app::DisclaimerSource source,
                       DialogServices services);

  app::frmReadDisclaimer& Form() { return form_; }
  QLabel& Title() const { return *Label1_; }
  QPushButton& Read() const { return *cmdRead_; }
  QGroupBox& Frame() const { return *Frame1_; }
  QPushButton& Disagree() const { return *cmdDisagree_; }
  QPushButton& Agree() const { return *cmdAgree_; }
  QCheckBox& DontShow() const { return *chkDontShow_; }

  // ---- ReadDisclaimerView
  void ShowDontShowTicked(bool ticked) override;
  void CenterMouseCursorOnAgree() override;
  void ShowTextWindow() override;
  void Close() override;
  void EndProgram() override;

 protected:
  void Activated() override;
  bool KeyPressed(app::DialogKey key) override;
  void WindowManagerClose() override;

 private:
  app::DisclaimerSource source_;
  DialogServices services_;
  app::frmReadDisclaimer form_;
  QLabel* Label1_;
  QPushButton* cmdRead_;
  QGroupBox* Frame1_;
  QPushButton* cmdDisagree_;
  QPushButton* cmdAgree_;
  QCheckBox* chkDontShow_;
};

}  // namespace platform

#endif
