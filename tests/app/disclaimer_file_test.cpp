// SPDX-License-Identifier: GPL-3.0-or-later
// The disclaimer file as the installation leaves it: beside the program,
// maybe missing, empty, replaced by a folder, or far too large.
#include "app/disclaimer_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <string>

namespace {

namespace fs = std::filesystem;

struct ProgramFolder {
  ProgramFolder() {
    path = fs::temp_directory_path() /
           ("hydrelix-disclaimer-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~ProgramFolder() { fs::remove_all(path); }
  void Write(const std::string& bytes) const {
    std::ofstream(path / "disclaimer.txt", std::ios::binary) << bytes;
  }
  std::string File() const { return app::DisclaimerFilePath(path.string()); }

  fs::path path;
};

TEST(DisclaimerFilePath, OneSeparatorBetweenFolderAndName) {
  EXPECT_EQ(app::DisclaimerFilePath("/opt/hydrelix"), "/opt/hydrelix/disclaimer.txt");
  EXPECT_EQ(app::DisclaimerFilePath("/opt/hydrelix/"), "/opt/hydrelix/disclaimer.txt");
  EXPECT_EQ(app::DisclaimerFilePath("/opt/hydrelix/ "), "/opt/hydrelix/ disclaimer.txt");
}

TEST(DisclaimerFile, BytesComeBackAsTheyAreLineBreaksIncluded) {
  ProgramFolder folder;
  const std::string bytes = std::string("Caf\xE9\r\n\tsecond line\n\0after a zero\n", 33);
  folder.Write(bytes);
  EXPECT_EQ(app::ReadDisclaimerFile(folder.File()), bytes);
}

TEST(DisclaimerFile, EmptyFileIsAnEmptyText) {
  ProgramFolder folder;
  folder.Write("");
  EXPECT_EQ(app::ReadDisclaimerFile(folder.File()), "");
}

TEST(DisclaimerFile, MissingFolderInsteadOrTooLargeIsUnreadable) {
  ProgramFolder folder;
  EXPECT_EQ(app::ReadDisclaimerFile(folder.File()), std::nullopt) << "missing";

  folder.Write(std::string(app::kLargestDisclaimerFile, 'x'));
  EXPECT_TRUE(app::ReadDisclaimerFile(folder.File()).has_value()) << "exactly the limit";
  folder.Write(std::string(app::kLargestDisclaimerFile + 1, 'x'));
  EXPECT_EQ(app::ReadDisclaimerFile(folder.File()), std::nullopt) << "one byte over";

  fs::remove(folder.path / "disclaimer.txt");
  fs::create_directory(folder.path / "disclaimer.txt");
  EXPECT_EQ(app::ReadDisclaimerFile(folder.File()), std::nullopt) << "a folder";
}

TEST(DisclaimerFile, DeviceOrPipeInItsPlaceIsUnreadableWithoutHanging) {
  EXPECT_EQ(app::ReadDisclaimerFile("/dev/zero"), std::nullopt);
  ProgramFolder folder;
  const std::string fifo = folder.File();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(app::ReadDisclaimerFile(fifo), std::nullopt);
}

}  // namespace
