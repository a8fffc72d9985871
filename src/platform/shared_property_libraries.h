// The two property libraries bound from a folder: each opened by file name
// through its own private handle the first time the calculation asks for it,
// and kept for the rest of the run.
#ifndef HYDRELIX_PLATFORM_SHARED_PROPERTY_LIBRARIES_H
#define HYDRELIX_PLATFORM_SHARED_PROPERTY_LIBRARIES_H

#include "steam/property_libraries.h"

#include <stm/dynamic_library.h>
#include <stm/entry_points.h>

#include <optional>
#include <string>

namespace platform {

using steam::kCalorixFile;
using steam::kHydrixFile;

class SharedPropertyLibraries final : public steam::PropertyLibraries {
 public:
  // Binds from `folder`, the program's own folder by default.
  explicit SharedPropertyLibraries(std::string folder = {});

  const stm::HydrixEntryPoints* Hydrix() override;
  const stm::CalorixEntryPoints* Calorix() override;
  std::string Folder() const override { return folder_; }

 private:
  // A library that failed to open is tried again at the next call: the
  // user may have put it back.
  template <typename Entries>
  const Entries* Bind(stm::DynamicLibrary& library, std::optional<Entries>& entries,
                      const char* file);

  std::string folder_;
  stm::DynamicLibrary hydrixLibrary_;
  stm::DynamicLibrary calorixLibrary_;
  std::optional<stm::HydrixEntryPoints> hydrix_;
  std::optional<stm::CalorixEntryPoints> calorix_;
};

}  // namespace platform

#endif
