// The disclaimer text window, frmDisclaimer, on the desktop.
#ifndef HYDRELIX_PLATFORM_DISCLAIMER_TEXT_DIALOG_H
#define HYDRELIX_PLATFORM_DISCLAIMER_TEXT_DIALOG_H

#include "app/frm_disclaimer.h"
#include "platform/shell_dialog.h"
#include "platform/shell_dialog_support.h"

class QPlainTextEdit;
class QPushButton;

namespace platform {

class DisclaimerTextDialog final : public ShellDialog, public app::DisclaimerTextView {
 public:
  DisclaimerTextDialog(QWidget* owner, app::DisclaimerSource source, DialogServices services);

  // Reads the file; false when it could not be read (the program has ended).
  bool Load();

  QPlainTextEdit& Text() const { return *txtText_; }
  QPushButton& OK() const { return *cmdOK_; }

  // ---- DisclaimerTextView
  void Beep() override;
  void ShowText(const std::string& bytes) override;
  void CenterMouseCursorOnOK() override;
  void ShowMessage(const shell::MessageBoxRequest& request) override;
  void Close() override;
  void EndProgram() override;

 protected:
  void Activated() override;
  bool KeyPressed(app::DialogKey key) override;
  void WindowManagerClose() override;

 private:
  DialogServices services_;
  app::frmDisclaimer form_;
  QPlainTextEdit* txtText_;
  QPushButton* cmdOK_;
};

}  // namespace platform

#endif
