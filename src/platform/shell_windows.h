// The modal windows the main window opens: message boxes, About and the
// disclaimer. Each call returns once the user has closed its window.
#ifndef HYDRELIX_PLATFORM_SHELL_WINDOWS_H
#define HYDRELIX_PLATFORM_SHELL_WINDOWS_H

#include "shell/message_box.h"

class QWidget;

namespace platform {

class ShellWindows {
 public:
  virtual ~ShellWindows() = default;
  virtual void ShowMessage(QWidget* owner, const shell::MessageBoxRequest& request) = 0;
  virtual void ShowAbout(QWidget* owner) = 0;
  virtual void ShowDisclaimer(QWidget* owner) = 0;
};

}  // namespace platform

#endif
