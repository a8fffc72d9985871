// The pins file: what is saved comes back exactly; a file the program cannot
// read is set aside and never overwritten; a save that fails, for a folder
// that cannot be written or a disk that is full, leaves the old file whole.
#include "platform/json_pin_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using analysis::PinnedStates;

PinnedStates SomePins(int count) {
  PinnedStates pins;
  for (int i = 0; i < count; ++i) {
    steam::SteamState state;
    state.formulation = i % 2 == 0 ? steam::Formulation::IF97 : steam::Formulation::IFC67;
    state.pair = static_cast<steam::InputPair>(i % 7);
    // Values with all their binary digits: a round trip through decimal
    // text must give every one of them back.
    state.values.Temperature = 1000.0 / 3.0 + i;
    state.values.Pressure = 0.1 + 0.2 * i;
    state.values.Quality = i % 2 == 0 ? 1.0 : 0.123456789012345678;
    state.values.Enthalpy = 25000.0 + 1.0 / 7.0;
    state.values.Entropy = 30.0 / 11.0;
    state.values.SpecificVolume = 1e-3 / 3.0 + i;
    pins.Add(state);
  }
  return pins;
}

class PinFile : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
  std::string FileName() const { return folder_.filePath("Hydrelix/pins.json").toStdString(); }
  QByteArray FileBytes() const {
    QFile file(QString::fromStdString(FileName()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  void WriteFile(const QByteArray& bytes) const {
    ASSERT_TRUE(QDir().mkpath(folder_.filePath("Hydrelix")));
    QFile file(QString::fromStdString(FileName()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  }
  QStringList FilesBeside() const {
    return QDir(folder_.filePath("Hydrelix")).entryList(QDir::Files, QDir::Name);
  }

  QTemporaryDir folder_;
};

TEST_F(PinFile, KeptInTheUsersDataFolder) {
  const QByteArray before = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", folder_.path().toLocal8Bit());
  const std::string location = platform::JsonPinStore().Location();
  qputenv("XDG_DATA_HOME", before);
  EXPECT_EQ(location, FileName());
}

TEST_F(PinFile, NoFileIsNoPinsAndNoNotice) {
  platform::JsonPinStore store(FileName());
  const analysis::PinLoad load = store.Load();
  EXPECT_EQ(load.pins.Count(), 0u);
  EXPECT_EQ(load.notice, "");
}

TEST_F(PinFile, WhatIsSavedComesBackExactly) {
  PinnedStates pins = SomePins(50);
  pins.Rename(3, "Turbine exhaust \u00B0 \"wet\"");
  pins.SetReference(7);
  pins.SetBase(analysis::DifferenceBase::Previous);
  platform::JsonPinStore store(FileName());
  ASSERT_TRUE(store.Save(pins));

  const analysis::PinLoad load = platform::JsonPinStore(FileName()).Load();
  EXPECT_EQ(load.notice, "");
  ASSERT_EQ(load.pins.Count(), 50u);
  EXPECT_EQ(load.pins.ChosenReference(), std::optional<std::size_t>(7));
  EXPECT_EQ(load.pins.Base(), analysis::DifferenceBase::Previous);
  for (std::size_t i = 0; i < pins.Count(); ++i) {
    const analysis::Pin& saved = pins.Pins()[i];
    const analysis::Pin& read = load.pins.Pins()[i];
    EXPECT_EQ(read.name, saved.name);
    EXPECT_EQ(read.formulation, saved.formulation);
    EXPECT_EQ(read.pair, saved.pair);
    for (auto result : {steam::Result::Temperature, steam::Result::Pressure, steam::Result::Quality,
                        steam::Result::Enthalpy, steam::Result::Entropy,
                        steam::Result::SpecificVolume}) {
      EXPECT_EQ(read.Value(result), saved.Value(result)) << i;  // bit for bit
    }
  }
  // A later save replaces the file; no temporary file stays behind.
  ASSERT_TRUE(store.Save(SomePins(2)));
  EXPECT_EQ(platform::JsonPinStore(FileName()).Load().pins.Count(), 2u);
  EXPECT_EQ(FilesBeside(), QStringList{"pins.json"});
}

TEST_F(PinFile, AnUnreadableFileIsSetAsideAndTheUserToldOnce) {
  const std::string goodPin =
      R"({"name":"P1","formulation":"IFC-67","inputs":"p, h","temperature_degF":1,)"
      R"("pressure_psia":2,"quality":0,"enthalpy_Btu_per_lbmol":3,)"
      R"("entropy_Btu_per_lbmol_R":4,"volume_ft3_per_lbmol":5})";
  auto file = [](const std::string& version, const std::string& pins,
                 const std::string& rest = "") {
    return QByteArray::fromStdString(R"({"content":"Hydrelix pinned states","version":)" +
                                     version + R"(,"differences":"reference","pins":[)" + pins +
                                     "]" + rest + "}");
  };
  struct Case {
    const char* name;
    QByteArray bytes;
    const char* cause;
  };
  const Case cases[] = {
      {"cut short", file("1", goodPin).left(80), "could not be read"},
      {"empty", "", "could not be read"},
      {"not JSON", "P1 212 14.696\n", "could not be read"},
      {"another program's JSON", R"({"version":1,"pins":[]})", "could not be read"},
      {"a pin without a value", file("1", goodPin).replace("\"quality\":0,", ""),
       "could not be read"},
      {"an unknown formulation", file("1", goodPin).replace("IFC-67", "IFC-68"),
       "could not be read"},
      {"a reference beyond the pins", file("1", goodPin, R"(,"reference":1)"),
       "could not be read"},
      {"fifty-one pins", file("1", [&] {
         std::string many = goodPin;
         for (int i = 0; i < 50; ++i) many += "," + goodPin;
         return many;
       }()), "could not be read"},
      {"a newer version", file("2", goodPin), "was written by a newer version of Hydrelix"},
  };
  for (const Case& c : cases) {
    QDir(folder_.filePath("Hydrelix")).removeRecursively();
    WriteFile(c.bytes);
    platform::JsonPinStore store(FileName());
    const analysis::PinLoad load = store.Load();
    EXPECT_EQ(load.pins.Count(), 0u) << c.name;
    EXPECT_NE(load.notice.find(c.cause), std::string::npos) << c.name << ": " << load.notice;
    EXPECT_NE(load.notice.find("starts with no pinned states"), std::string::npos) << c.name;
    // The file is kept, byte for byte, under the name the notice gives.
    const QStringList files = FilesBeside();
    ASSERT_EQ(files.size(), 1) << c.name;
    EXPECT_TRUE(files[0].startsWith("pins.unreadable-") && files[0].endsWith(".json")) << c.name;
    EXPECT_NE(load.notice.find(files[0].toStdString()), std::string::npos) << c.name;
    QFile aside(folder_.filePath("Hydrelix/" + files[0]));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), c.bytes) << c.name;
    // The next start finds no file: the user is told only once.
    EXPECT_EQ(platform::JsonPinStore(FileName()).Load().notice, "") << c.name;
    // New pins go to a new file beside the one set aside.
    ASSERT_TRUE(store.Save(SomePins(1))) << c.name;
    EXPECT_EQ(FilesBeside().size(), 2) << c.name;
  }
}

TEST_F(PinFile, AFileWithoutPinsIsReadAsIs) {
  WriteFile(R"({"content":"Hydrelix pinned states","version":1,"differences":"previous","pins":[]})");
  const analysis::PinLoad load = platform::JsonPinStore(FileName()).Load();
  EXPECT_EQ(load.notice, "");
  EXPECT_EQ(load.pins.Base(), analysis::DifferenceBase::Previous);
  EXPECT_EQ(FilesBeside(), QStringList{"pins.json"});
}

TEST_F(PinFile, AFolderThatCannotBeWrittenKeepsTheOldFile) {
  platform::JsonPinStore store(FileName());
  ASSERT_TRUE(store.Save(SomePins(3)));
  const QByteArray before = FileBytes();
  const QString folder = folder_.filePath("Hydrelix");
  ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  const bool writable = access(folder.toLocal8Bit().constData(), W_OK) == 0;
  const bool saved = store.Save(SomePins(5));
  QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner);
  if (writable) GTEST_SKIP() << "permissions do not bind this user (root)";
  EXPECT_FALSE(saved);
  EXPECT_EQ(FileBytes(), before);
}

TEST_F(PinFile, AFolderThatIsAFileFailsTheSave) {
  // The place of the folder is taken by a file: nothing can be written.
  QFile blocker(folder_.filePath("Hydrelix"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_FALSE(platform::JsonPinStore(FileName()).Save(SomePins(1)));
}

TEST_F(PinFile, AFullDiskKeepsTheOldFileWhole) {
  platform::JsonPinStore store(FileName());
  ASSERT_TRUE(store.Save(SomePins(2)));
  const QByteArray before = FileBytes();
  ASSERT_GT(before.size(), 0);

  // The file-size limit makes every write beyond it fail as on a full disk
  // (with EFBIG instead of the signal the limit would otherwise raise).
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tight = saved;
  tight.rlim_cur = static_cast<rlim_t>(before.size());
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
  const bool written = store.Save(SomePins(50));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(written);
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(FilesBeside(), QStringList{"pins.json"});
}

}  // namespace
