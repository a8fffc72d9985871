#include "platform/single_instance.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace platform {

namespace {

constexpr char kRaiseRequest[] = "raise\n";
constexpr char kAnswer[] = "ok\n";

// A folder of this user's alone: anyone else could plant a socket in it.
bool UsableByUserAlone(const QByteArray& path) {
  struct stat status {};
  return lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
         status.st_uid == getuid() && (status.st_mode & 077) == 0;
}

}  // namespace

QString UserRuntimeDirectory() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && UsableByUserAlone(runtime)) return QString::fromLocal8Bit(runtime);
  const QByteArray fallback = "/tmp/hydrelix-" + QByteArray::number(getuid());
  if (mkdir(fallback.constData(), 0700) != 0 && errno != EEXIST) return {};
  return UsableByUserAlone(fallback) ? QString::fromLocal8Bit(fallback) : QString();
}

SingleInstance::SingleInstance(QString runtimeDirectory)
    : directory_(std::move(runtimeDirectory)) {}

SingleInstance::~SingleInstance() {
  if (server_ != nullptr) server_->close();
  if (lockDescriptor_ >= 0) close(lockDescriptor_);
}

QString SingleInstance::LockPath() const { return directory_ + "/hydrelix.lock"; }
QString SingleInstance::SocketPath() const { return directory_ + "/hydrelix.socket"; }

bool SingleInstance::AnotherInstanceRunning() {
  // Without a folder of its own the program runs unguarded rather than not
  // at all.
  if (directory_.isEmpty()) return false;
  // Asked again after it took the lock: this copy is the one running.
  if (lockDescriptor_ >= 0) return false;
  const QByteArray lockPath = LockPath().toLocal8Bit();
  const int descriptor = open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (descriptor < 0) return false;
  if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    close(descriptor);
    return held;
  }
  lockDescriptor_ = descriptor;
  Listen();
  return false;
}

void SingleInstance::Listen() {
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  // Whatever socket file is there was left by a copy that ended without
  // cleaning up: the lock says no copy runs.
  QLocalServer::removeServer(SocketPath());
  if (!server_->listen(SocketPath())) return;
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::Accept);
}

void SingleInstance::Accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (!socket->canReadLine()) {
        // A request is one short line; anything longer is not ours.
        if (socket->bytesAvailable() > 64) socket->abort();
        return;
      }
      const QByteArray line = socket->readLine(64);
      if (line != kRaiseRequest) {
        socket->abort();
        return;
      }
      socket->write(kAnswer);
      socket->flush();
      socket->disconnectFromServer();
      if (serving_) {
        emit raiseRequested();
      } else {
        pending_ = true;
      }
    });
  }
}

bool SingleInstance::AskToRaise(int timeoutMilliseconds) {
  QElapsedTimer elapsed;
  elapsed.start();
  // The first copy takes the lock a moment before it listens.
  while (elapsed.elapsed() < timeoutMilliseconds) {
    QLocalSocket socket;
    socket.connectToServer(SocketPath());
    if (!socket.waitForConnected(timeoutMilliseconds)) {
      QThread::msleep(50);
      continue;
    }
    socket.write(kRaiseRequest);
    if (!socket.waitForBytesWritten(timeoutMilliseconds)) return false;
    while (!socket.canReadLine()) {
      const int left = timeoutMilliseconds - static_cast<int>(elapsed.elapsed());
      if (left <= 0 || !socket.waitForReadyRead(left)) return false;
    }
    return socket.readLine(16) == kAnswer;
  }
  return false;
}

void SingleInstance::ServeRequests() {
  serving_ = true;
  if (pending_) {
    pending_ = false;
    emit raiseRequested();
  }
}

}  // namespace platform
