// SPDX-License-Identifier: GPL-3.0-or-later
// The real libraries bound by file name from a folder, as the program binds
// them from its own.
#include "platform/program_directory.h"
#include "platform/shared_property_libraries.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

TEST(LibraryBinding, EveryEntryPointTheProgramCallsIsBound) {
  platform::SharedPropertyLibraries libraries;
  const stm::HydrixEntryPoints* hydrix = libraries.Hydrix();
  const stm::CalorixEntryPoints* calorix = libraries.Calorix();
  ASSERT_NE(hydrix, nullptr);
  ASSERT_NE(calorix, nullptr);
  // Each table is a row of function pointers; none may be missing.
  const auto* h = reinterpret_cast<void* const*>(hydrix);
  for (size_t i = 0; i < sizeof *hydrix / sizeof(void*); ++i) EXPECT_NE(h[i], nullptr) << i;
  const auto* c = reinterpret_cast<void* const*>(calorix);
  for (size_t i = 0; i < sizeof *calorix / sizeof(void*); ++i) EXPECT_NE(c[i], nullptr) << i;
  // Bound once: the same table at every call.
  EXPECT_EQ(libraries.Hydrix(), hydrix);
}

TEST(LibraryBinding, AFolderWithoutTheLibrariesBindsNothing) {
  platform::SharedPropertyLibraries libraries("/nonexistent-folder");
  EXPECT_EQ(libraries.Hydrix(), nullptr);
  EXPECT_EQ(libraries.Calorix(), nullptr);
}

TEST(LibraryBinding, AFileThatIsNoLibraryBindsNothing) {
  char folder[] = "/tmp/hydrelix-binding-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const std::string path = std::string(folder) + "/" + platform::kHydrixFile;
  std::ofstream(path) << "not a shared library";
  platform::SharedPropertyLibraries libraries(folder);
  EXPECT_EQ(libraries.Hydrix(), nullptr);
  std::remove(path.c_str());
  std::remove(folder);
}

}  // namespace
