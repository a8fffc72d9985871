// SPDX-License-Identifier: GPL-3.0-or-later
// What the window does outside the calculation: hiding to the tray and
// opening from it, staying on top, the modal windows it opens, ending the
// program, and the etched line under the menu bar.
#include "mainwindow/frm_main.h"

namespace mainwindow {

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

}  // namespace

// Without a tray to come back from, a hidden window could only be ended from
// outside: it goes to the task bar instead.
void frmMain::HideWindow() {
  if (!view_->SystemTrayAvailable()) {
    view_->Minimize();
    return;
  }
  SetVisible(false);
}

void frmMain::OpenWindow() {
  SetVisible(true);
  view_->BringToFront();
}

void frmMain::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  Form_Unload();
  view_->EndProgram();
}

void frmMain::ShowModalInTopmostBracket(ShellWindow window) {
  const bool onTop = mnuFileOnTop.Checked();
  if (onTop) SetTopmost(false);
  view_->ShowModalWindow(window);
  if (onTop) SetTopmost(true);
}

void frmMain::cmdClose_Click() { HideWindow(); }
void frmMain::mnuFileHide_Click() { HideWindow(); }

void frmMain::mnuFileOnTop_Click() {
  const bool onTop = !mnuFileOnTop.Checked();
  SetTopmost(onTop);
  mnuFileOnTop.SetChecked(onTop);
  services_.switches.KeepOnTop = mnuFileOnTop.Checked();
}

void frmMain::mnuFileDisclaimer_Click() { ShowModalInTopmostBracket(ShellWindow::Disclaimer); }
void frmMain::mnuFileExit_Click() { Unload(); }
void frmMain::mnuHelpAbout_Click() { ShowModalInTopmostBracket(ShellWindow::About); }

void frmMain::mnuTrayPopupItem_Click(int16_t index) {
  switch (index) {
    case 0:
      OpenWindow();
      return;
    case 1:
      // The About window comes first; a hidden main window stays hidden.
      mnuHelpAbout_Click();
      view_->BringToFront();
      return;
    case 3:
      Unload();
      return;
    default:
      return;
  }
}

void frmMain::Tray1_MouseDown(int button) {
  if (button == kLeftButton) {
    OpenWindow();
  } else if (button == kRightButton) {
    view_->ShowTrayPopup();
  }
}

// The close box and the system menu only hide the window; a close the
// program asks for, or the end of the session, goes on to unload it.
void frmMain::Form_QueryUnload(bool& cancel, QueryUnloadMode mode) {
  if (mode != QueryUnloadMode::ControlMenu) return;
  cancel = true;
  HideWindow();
}

void frmMain::UserClose() {
  bool cancel = false;
  Form_QueryUnload(cancel, QueryUnloadMode::ControlMenu);
  if (!cancel) Unload();
}

void frmMain::UserEndSession() {
  bool cancel = false;
  Form_QueryUnload(cancel, QueryUnloadMode::SessionEnd);
  if (!cancel) Unload();
}

// A white line one pixel down, then the button shadow along the top edge:
// together they read as a groove under the menu bar.
void frmMain::Form_Paint() {
  const int width = clientArea.width;
  view_->DrawLine(0, 15, width, 15, SystemColour::White);
  view_->DrawLine(0, 0, width, 0, SystemColour::ButtonShadow);
}

}  // namespace mainwindow
