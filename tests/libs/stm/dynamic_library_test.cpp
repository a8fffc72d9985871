// SPDX-License-Identifier: GPL-3.0-or-later
#include <stm/dynamic_library.h>

#include <gtest/gtest.h>

TEST(DynamicLibrary, MissingFileIsReportedNotFatal) {
  stm::DynamicLibrary library("/nonexistent/libHydrix.so");
  EXPECT_FALSE(library.isOpen());
  EXPECT_FALSE(library.error().empty());
  EXPECT_EQ(library.entry<double (*)(double)>("STM_sPt"), nullptr);
}

TEST(DynamicLibrary, MissingEntryPointGivesNull) {
  stm::DynamicLibrary library("libm.so.6");
  ASSERT_TRUE(library.isOpen()) << library.error();
  EXPECT_NE(library.entry<double (*)(double)>("cos"), nullptr);
  EXPECT_EQ(library.entry<double (*)(double)>("STM_NoSuchEntry"), nullptr);
}
