#include "platform/desktop_startup.h"

#include "platform/shell_dialog_support.h"

#include <QApplication>
#include <QDialog>
#include <QDateTime>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace platform {

DesktopStartup::DesktopStartup(SingleInstance& instance, std::function<void()> mainWindowShown)
    : instance_(instance), mainWindowShown_(std::move(mainWindowShown)) {}

DesktopStartup::~DesktopStartup() {
  if (busy_) QApplication::restoreOverrideCursor();
}

bool DesktopStartup::PreviousInstanceRunning() { return instance_.AnotherInstanceRunning(); }
bool DesktopStartup::RaisePreviousInstance() { return instance_.AskToRaise(); }

void DesktopStartup::ShowMessage(const shell::MessageBoxRequest& request) {
  ShowMessageBoxWindow(nullptr, request);
}

void DesktopStartup::SetBusyPointer(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

const void* DesktopStartup::ShowSplash() {
  splash_ = std::make_unique<SplashWindow>();
  splash_->ShowPainted();
  return splash_.get();
}

void DesktopStartup::UnloadSplash() { splash_.reset(); }

void DesktopStartup::MainWindowShown() {
  if (mainWindowShown_) mainWindowShown_();
  instance_.ServeRequests();
}

void DesktopStartup::Beep() { QApplication::beep(); }

std::int64_t DesktopStartup::NowMilliseconds() const {
  return QDateTime::currentMSecsSinceEpoch();
}

void DesktopStartup::Wait(int milliseconds) {
  // The windows keep painting and a second start's request is taken in
  // (and kept); the user's input waits until start-up is over.
  if (endRequested_) return;
  QEventLoop loop;
  QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  waitLoop_ = &loop;
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  waitLoop_ = nullptr;
}

void DesktopStartup::EndNow() {
  endRequested_ = true;
  if (waitLoop_ != nullptr) waitLoop_->quit();
  CloseModalWindows();
}

void RaiseRunningWindow(mainwindow::frmMain& form) {
  if (QWidget* modal = QApplication::activeModalWidget()) {
    if (modal->isMinimized()) modal->showNormal();
    modal->raise();
    modal->activateWindow();
    return;
  }
  // The tray menu's Open: shown again, restored and brought to the front.
  form.mnuTrayPopupItem_Click(0);
}

}  // namespace platform

namespace platform {

void CloseModalWindows() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QDialog*>(window);
    if (dialog != nullptr && dialog->isVisible() && dialog->isModal()) {
      dialog->done(QDialog::Rejected);
    }
  }
}

}  // namespace platform
