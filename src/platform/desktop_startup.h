// Start-up's desktop: the single-instance guard, the splash window, the
// busy pointer, the beep, and a wait that keeps the windows painted.
#ifndef HYDRELIX_PLATFORM_DESKTOP_STARTUP_H
#define HYDRELIX_PLATFORM_DESKTOP_STARTUP_H

#include "app/bas_main.h"
#include "platform/single_instance.h"
#include "platform/splash_window.h"

#include <QEventLoop>

#include <functional>
#include <memory>

namespace platform {

class DesktopStartup final : public app::StartupDesktop, public app::StartupClock {
 public:
  // `mainWindowShown` runs once the main window is on screen.
  DesktopStartup(SingleInstance& instance, std::function<void()> mainWindowShown);
  ~DesktopStartup() override;

  bool PreviousInstanceRunning() override;
  bool RaisePreviousInstance() override;
  void ShowMessage(const shell::MessageBoxRequest& request) override;
  void EndProgram() override {}
  void SetBusyPointer(bool busy) override;
  const void* ShowSplash() override;
  void UnloadSplash() override;
  void MainWindowShown() override;
  void Beep() override;
  bool EndRequested() const override { return endRequested_; }
  // The program is ending (the main window has unloaded): a wait in
  // progress stops and the modal windows close.
  void EndNow();

  std::int64_t NowMilliseconds() const override;
  void Wait(int milliseconds) override;

 private:
  SingleInstance& instance_;
  std::function<void()> mainWindowShown_;
  std::unique_ptr<SplashWindow> splash_;
  bool busy_ = false;
  bool endRequested_ = false;
  QEventLoop* waitLoop_ = nullptr;
};

// A second start asked for the window: the open modal window comes
// forward, else the main window, out of the tray or minimised.
void RaiseRunningWindow(mainwindow::frmMain& form);

// Ends every modal window's loop at once, without its close handling: the
// program is ending under them.
void CloseModalWindows();

}  // namespace platform

#endif
