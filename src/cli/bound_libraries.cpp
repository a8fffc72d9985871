// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/bound_libraries.h"

#include "steam/formulation_modules.h"

namespace cli {

BoundLibraries::BoundLibraries(const std::string& folder) {
  shared_ = std::make_unique<platform::SharedPropertyLibraries>(folder);
  platform::SharedPropertyLibraries* shared = shared_.get();
  hydrix_ = shared->Hydrix();
  calorix_ = shared->Calorix();
  if (hydrix_ != nullptr) {
    for (const steam::Message& message : steam::basSteam97Functions::SetUnits97(*shared))
      warnings_.push_back(message.text);
  }
  if (calorix_ != nullptr) {
    for (const steam::Message& message : steam::basSteam67Functions::SetUnits67(*shared))
      warnings_.push_back(message.text);
  }
}

}  // namespace cli
