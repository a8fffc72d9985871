// SPDX-License-Identifier: GPL-3.0-or-later
// The fifteen results under the names, units and display formats the
// command line gives them: keys in the calculator's order, the quantity of
// the unit list each is shown in (none for quality, the Prandtl number and
// the isentropic exponent), and the index of its display format.
#ifndef HYDRELIX_CLI_RESULT_KEYS_H
#define HYDRELIX_CLI_RESULT_KEYS_H

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "steam/steam.h"
#include "units/unit_lists.h"

namespace cli {

struct ResultKey {
  steam::Result result;
  const char* key;
  std::optional<units::Quantity> quantity;
};

extern const std::array<ResultKey, steam::kResultCount> kResultKeys;

const ResultKey* FindResultKey(std::string_view key);

// The unit of each result: a unit index of its list, or -1 for the three
// without a list.
using ResultUnits = std::array<int16_t, steam::kResultCount>;

// The units the window's IP or SI switch selects.
ResultUnits SystemUnits(bool si);

}  // namespace cli

#endif
