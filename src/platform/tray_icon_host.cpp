// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/tray_icon_host.h"

#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

namespace platform {

SystemTrayIconHost::SystemTrayIconHost() : icon_(std::make_unique<QSystemTrayIcon>()) {
  connect(icon_.get(), &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger) emit mouseDown(1);
            if (reason == QSystemTrayIcon::Context) emit mouseDown(2);
          });
}

SystemTrayIconHost::~SystemTrayIconHost() = default;

bool SystemTrayIconHost::Available() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

void SystemTrayIconHost::Show(const QIcon& icon, const QString& toolTip) {
  icon_->setIcon(icon);
  icon_->setToolTip(toolTip);
  icon_->show();
}

void SystemTrayIconHost::Popup(QMenu& menu) { menu.popup(QCursor::pos()); }

}  // namespace platform
