// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's tray icon lives: the desktop's system tray, or nowhere
// when the desktop has none. Tests hand in a fake that is present or absent.
#ifndef HYDRELIX_PLATFORM_TRAY_ICON_HOST_H
#define HYDRELIX_PLATFORM_TRAY_ICON_HOST_H

#include <QIcon>
#include <QObject>
#include <QString>

#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace platform {

class TrayIconHost : public QObject {
  Q_OBJECT

 public:
  virtual bool Available() const = 0;
  virtual void Show(const QIcon& icon, const QString& toolTip) = 0;
  // The popup menu at the mouse pointer.
  virtual void Popup(QMenu& menu) = 0;

 signals:
  // Button 1 is the left, 2 the right.
  void mouseDown(int button);
};

class SystemTrayIconHost final : public TrayIconHost {
  Q_OBJECT

 public:
  SystemTrayIconHost();
  ~SystemTrayIconHost() override;
  bool Available() const override;
  void Show(const QIcon& icon, const QString& toolTip) override;
  void Popup(QMenu& menu) override;

 private:
  std::unique_ptr<QSystemTrayIcon> icon_;
};

}  // namespace platform

#endif
