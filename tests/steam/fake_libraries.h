// Property libraries for tests: the real ones beside the test program, whose
// entry points a test may replace one by one (with a captureless lambda), take
// away, or drop a whole library.
#ifndef HYDRELIX_TESTS_STEAM_FAKE_LIBRARIES_H
#define HYDRELIX_TESTS_STEAM_FAKE_LIBRARIES_H

#include "platform/shared_property_libraries.h"
#include "steam/property_libraries.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace steam_test {

class FakeLibraries final : public steam::PropertyLibraries {
 public:
  FakeLibraries() {
    const stm::HydrixEntryPoints* realHydrix = real_.Hydrix();
    const stm::CalorixEntryPoints* realCalorix = real_.Calorix();
    EXPECT_NE(realHydrix, nullptr) << "libHydrix.so is not beside the test program";
    EXPECT_NE(realCalorix, nullptr) << "libCalorix.so is not beside the test program";
    if (realHydrix != nullptr) hydrix = *realHydrix;
    if (realCalorix != nullptr) calorix = *realCalorix;
  }

  const stm::HydrixEntryPoints* Hydrix() override { return hydrix ? &*hydrix : nullptr; }
  const stm::CalorixEntryPoints* Calorix() override { return calorix ? &*calorix : nullptr; }
  std::string Folder() const override { return real_.Folder(); }

  std::optional<stm::HydrixEntryPoints> hydrix;
  std::optional<stm::CalorixEntryPoints> calorix;

 private:
  platform::SharedPropertyLibraries real_;
};

}  // namespace steam_test

#endif
