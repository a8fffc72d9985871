// The one way out of the main window model: whatever the model changes or
// asks for reaches the view through these calls, in the order it happens.
// The view shows it and holds no rule of its own; what the user does comes
// back in through frmMain's User* calls.
#ifndef HYDRELIX_MAINWINDOW_MAIN_WINDOW_VIEW_H
#define HYDRELIX_MAINWINDOW_MAIN_WINDOW_VIEW_H

#include "mainwindow/controls.h"
#include "shell/message_box.h"

namespace mainwindow {

// The shell's message boxes under the names the window's code uses.
using shell::IconName;
using shell::MessageBoxRequest;
using shell::MessageButtons;
using shell::MessageIcon;

// What about the window itself changed.
enum class WindowProperty { Caption, Visible, Topmost };

// The modal windows the main window opens; the shell builds them.
enum class ShellWindow { About, Disclaimer };

class MainWindowView {
 public:
  virtual ~MainWindowView() = default;

  virtual void ControlChanged(const Control& control, ControlProperty property) = 0;
  // nullptr when no control has the focus.
  virtual void FocusChanged(const Control* focused) = 0;
  virtual void WindowChanged(WindowProperty property) = 0;

  // Each returns once the user has closed the window it opened.
  virtual void ShowMessageBox(const MessageBoxRequest& request) = 0;
  virtual void ShowModalWindow(ShellWindow window) = 0;

  // The tray icon's popup menu (frmMain::mnuTrayPopup) at the mouse pointer.
  virtual void ShowTrayPopup() = 0;
  // Brings the window to the front of the others and gives it the focus.
  virtual void BringToFront() = 0;
  virtual void Minimize() = 0;
  // Whether the desktop shows tray icons: hiding to a tray that does not
  // exist would strand the window.
  virtual bool SystemTrayAvailable() const = 0;
  // A line across the client area, in twips, while the window repaints.
  virtual void DrawLine(int x1, int y1, int x2, int y2, SystemColour colour) = 0;
  // The window has unloaded; the program ends.
  virtual void EndProgram() = 0;
};

// A view that shows nothing: the window before a view is attached, and the
// base of views that want only a few of the calls.
class NoView : public MainWindowView {
 public:
  void ControlChanged(const Control&, ControlProperty) override {}
  void FocusChanged(const Control*) override {}
  void WindowChanged(WindowProperty) override {}
  void ShowMessageBox(const MessageBoxRequest&) override {}
  void ShowModalWindow(ShellWindow) override {}
  void ShowTrayPopup() override {}
  void BringToFront() override {}
  void Minimize() override {}
  bool SystemTrayAvailable() const override { return true; }
  void DrawLine(int, int, int, int, SystemColour) override {}
  void EndProgram() override {}
};

}  // namespace mainwindow

#endif
