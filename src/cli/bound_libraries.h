// SPDX-License-Identifier: GPL-3.0-or-later
// The two property libraries beside the program, bound and set to the
// program's units once, before any worker thread starts. Afterwards they
// are only read, so any number of threads may compute with them; a library
// that could not be bound stays missing for the whole run.
#ifndef HYDRELIX_CLI_BOUND_LIBRARIES_H
#define HYDRELIX_CLI_BOUND_LIBRARIES_H

#include <memory>
#include <string>
#include <vector>

#include "platform/shared_property_libraries.h"
#include "steam/property_libraries.h"

namespace cli {

class BoundLibraries final : public steam::PropertyLibraries {
 public:
  // Binds from `folder`, the program's own folder by default. The messages
  // of a library present that refused one of the program's units are kept
  // in `warnings`.
  explicit BoundLibraries(const std::string& folder = {});

  const stm::HydrixEntryPoints* Hydrix() override { return hydrix_; }
  const stm::CalorixEntryPoints* Calorix() override { return calorix_; }
  const std::vector<std::string>& Warnings() const { return warnings_; }

 private:
  // Holds the libraries' handles, in which the entry points live.
  std::unique_ptr<platform::SharedPropertyLibraries> shared_;
  const stm::HydrixEntryPoints* hydrix_ = nullptr;
  const stm::CalorixEntryPoints* calorix_ = nullptr;
  std::vector<std::string> warnings_;
};

}  // namespace cli

#endif
