// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of the shell's modal windows on the desktop: a fixed client
// area of twips, key preview for Enter and Esc, each activation and the
// window manager's close reported to the window's model.
#ifndef HYDRELIX_PLATFORM_SHELL_DIALOG_H
#define HYDRELIX_PLATFORM_SHELL_DIALOG_H

#include "app/dialog_key.h"
#include "app/dialog_layout.h"

#include <QDialog>

namespace platform {

class ShellDialog : public QDialog {
 public:
  // `closeBox`: whether the title bar carries one.
  ShellDialog(QWidget* owner, const char* caption, const app::TwipsBox& clientArea,
              bool closeBox);

  // Loads (the subclass has already), centres on the owner and runs modally
  // until the model closes the window.
  void RunModal();
  // The model's Close: the window goes, without another close event.
  void Finish();

 protected:
  // The window became active within the program: first when it opens.
  virtual void Activated() = 0;
  // True when the model gave the key a meaning.
  virtual bool KeyPressed(app::DialogKey key) = 0;
  virtual void WindowManagerClose() = 0;

  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Esc is the model's to give a meaning, not the dialog's.
  void reject() override {}
  // Every child's keys pass through the window first.
  void PreviewKeysOf(QWidget& child);

 private:
  QWidget* owner_;
  bool finishing_ = false;
  bool activatedOnce_ = false;
};

}  // namespace platform

#endif
