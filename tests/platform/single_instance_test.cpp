// The single-instance guard within one test program: two guards on one
// runtime folder stand for two copies of the program (the lock is per open
// file, so they exclude each other as two processes would).
#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <sys/stat.h>

namespace {

// Runs `ask` on another thread while this one serves the first copy's
// events, as the two processes would run side by side.
template <typename Ask>
auto WhileServing(Ask ask) {
  auto answer = std::async(std::launch::async, ask);
  while (answer.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
    QCoreApplication::processEvents();
  }
  QCoreApplication::processEvents();
  return answer.get();
}

struct RuntimeFolder {
  RuntimeFolder() { QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }
  QTemporaryDir folder;
};

TEST(SingleInstance, SecondCopyFindsTheFirstAndTheLockGoesWithIt) {
  RuntimeFolder runtime;
  {
    platform::SingleInstance first(runtime.folder.path());
    EXPECT_FALSE(first.AnotherInstanceRunning());
    // The program asks before it builds its window and again as start-up
    // runs: the copy holding the lock is never another one.
    EXPECT_FALSE(first.AnotherInstanceRunning());
    platform::SingleInstance second(runtime.folder.path());
    EXPECT_TRUE(second.AnotherInstanceRunning());
  }
  platform::SingleInstance next(runtime.folder.path());
  EXPECT_FALSE(next.AnotherInstanceRunning()) << "the lock outlived its copy";
}

TEST(SingleInstance, RequestDuringStartUpIsKeptUntilTheMainWindowShows) {
  RuntimeFolder runtime;
  platform::SingleInstance first(runtime.folder.path());
  ASSERT_FALSE(first.AnotherInstanceRunning());
  int raises = 0;
  QObject::connect(&first, &platform::SingleInstance::raiseRequested, [&raises] { ++raises; });

  platform::SingleInstance second(runtime.folder.path());
  ASSERT_TRUE(second.AnotherInstanceRunning());
  EXPECT_TRUE(WhileServing([&second] { return second.AskToRaise(); }));
  EXPECT_EQ(raises, 0);
  first.ServeRequests();
  EXPECT_EQ(raises, 1);
  // Once serving, a request is acted on at once.
  EXPECT_TRUE(WhileServing([&second] { return second.AskToRaise(); }));
  EXPECT_EQ(raises, 2);
}

TEST(SingleInstance, SocketLeftByAKilledCopyDoesNotBlock) {
  RuntimeFolder runtime;
  platform::SingleInstance probe(runtime.folder.path());
  QFile leftOver(probe.SocketPath());
  ASSERT_TRUE(leftOver.open(QIODevice::WriteOnly));
  leftOver.close();

  platform::SingleInstance first(runtime.folder.path());
  ASSERT_FALSE(first.AnotherInstanceRunning());
  first.ServeRequests();
  int raises = 0;
  QObject::connect(&first, &platform::SingleInstance::raiseRequested, [&raises] { ++raises; });
  platform::SingleInstance second(runtime.folder.path());
  ASSERT_TRUE(second.AnotherInstanceRunning());
  EXPECT_TRUE(WhileServing([&second] { return second.AskToRaise(); }));
  EXPECT_EQ(raises, 1);
}

TEST(SingleInstance, LockHeldButNobodyAnsweringIsUnreachable) {
  RuntimeFolder runtime;
  platform::SingleInstance first(runtime.folder.path());
  ASSERT_FALSE(first.AnotherInstanceRunning());
  QFile::remove(first.SocketPath());  // holds the lock, listens nowhere
  platform::SingleInstance second(runtime.folder.path());
  ASSERT_TRUE(second.AnotherInstanceRunning());
  EXPECT_FALSE(second.AskToRaise(300));
}

TEST(SingleInstance, AnythingButTheOneRequestIsIgnored) {
  RuntimeFolder runtime;
  platform::SingleInstance first(runtime.folder.path());
  ASSERT_FALSE(first.AnotherInstanceRunning());
  first.ServeRequests();
  int raises = 0;
  QObject::connect(&first, &platform::SingleInstance::raiseRequested, [&raises] { ++raises; });
  for (const char* request : {"RAISE\n", "raise now\n", "quit\n"}) {
    WhileServing([&first, request] {
      QLocalSocket socket;
      socket.connectToServer(first.SocketPath());
      if (!socket.waitForConnected(1000)) return false;
      socket.write(request);
      socket.waitForBytesWritten(1000);
      socket.waitForDisconnected(1000);
      return true;
    });
  }
  EXPECT_EQ(raises, 0);
}

TEST(SingleInstance, LockAndSocketAreTheUsersAlone) {
  RuntimeFolder runtime;
  platform::SingleInstance first(runtime.folder.path());
  ASSERT_FALSE(first.AnotherInstanceRunning());
  for (const QString& path : {first.LockPath(), first.SocketPath()}) {
    struct stat status {};
    ASSERT_EQ(stat(path.toLocal8Bit().constData(), &status), 0) << path.toStdString();
    EXPECT_EQ(status.st_mode & 077, 0u) << path.toStdString();
  }
}

TEST(UserRuntimeDirectory, SharedOrForeignFolderIsNotUsed) {
  const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
  QTemporaryDir shared;
  QFile::setPermissions(shared.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadOther | QFile::ExeOther);
  qputenv("XDG_RUNTIME_DIR", shared.path().toLocal8Bit());
  const QString chosen = platform::UserRuntimeDirectory();
  EXPECT_NE(chosen, shared.path());
  if (!chosen.isEmpty()) {
    struct stat status {};
    ASSERT_EQ(stat(chosen.toLocal8Bit().constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 077, 0u);
  }

  RuntimeFolder own;
  qputenv("XDG_RUNTIME_DIR", own.folder.path().toLocal8Bit());
  EXPECT_EQ(platform::UserRuntimeDirectory(), own.folder.path());
  if (saved.isEmpty()) {
    qunsetenv("XDG_RUNTIME_DIR");
  } else {
    qputenv("XDG_RUNTIME_DIR", saved);
  }
}

}  // namespace
