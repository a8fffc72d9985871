// SPDX-License-Identifier: GPL-3.0-or-later
// One running copy of the program per user on Linux. The first copy holds
// an advisory lock on a file in the user's runtime folder and listens on a
// local socket beside it; a later copy finds the lock taken and sends the
// one request it knows, "raise". The kernel drops the lock with the process
// however it ends, so a crashed or killed copy never blocks the next start.
#ifndef HYDRELIX_PLATFORM_SINGLE_INSTANCE_H
#define HYDRELIX_PLATFORM_SINGLE_INSTANCE_H

#include <QObject>
#include <QString>

class QLocalServer;

namespace platform {

// The per-user runtime folder: XDG_RUNTIME_DIR, else /tmp/hydrelix-<uid>
// made for the user alone. Empty when neither is usable.
QString UserRuntimeDirectory();

class SingleInstance final : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(QString runtimeDirectory = UserRuntimeDirectory());
  ~SingleInstance() override;

  // Takes the lock when it is free (and listens from then on); true when
  // another copy holds it.
  bool AnotherInstanceRunning();
  // Asks the copy holding the lock to raise its window; false when it does
  // not answer in time.
  bool AskToRaise(int timeoutMilliseconds = 3000);
  // Until this call requests are only kept; one that came meanwhile is acted
  // on now, later ones at once.
  void ServeRequests();

  QString LockPath() const;
  QString SocketPath() const;

 signals:
  void raiseRequested();

 private:
  void Listen();
  void Accept();

  QString directory_;
  int lockDescriptor_ = -1;
  QLocalServer* server_ = nullptr;
  bool serving_ = false;
  bool pending_ = false;
};

}  // namespace platform

#endif
