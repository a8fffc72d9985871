// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shared_property_libraries.h"

#include "platform/program_directory.h"

#include <utility>

namespace platform {

SharedPropertyLibraries::SharedPropertyLibraries(std::string folder)
    : folder_(folder.empty() ? ProgramDirectory() : std::move(folder)) {}

template <typename Entries>
const Entries* SharedPropertyLibraries::Bind(stm::DynamicLibrary& library,
                                             std::optional<Entries>& entries, const char* file) {
  if (!entries) {
    if (!library.open(folder_ + "/" + file)) return nullptr;
    entries = Entries::Bind(library);
  }
  return &*entries;
}

const stm::HydrixEntryPoints* SharedPropertyLibraries::Hydrix() {
  return Bind(hydrixLibrary_, hydrix_, kHydrixFile);
}

const stm::CalorixEntryPoints* SharedPropertyLibraries::Calorix() {
  return Bind(calorixLibrary_, calorix_, kCalorixFile);
}

}  // namespace platform
