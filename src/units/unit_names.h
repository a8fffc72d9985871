// SPDX-License-Identifier: GPL-3.0-or-later
// Unit labels as people type them: a label of a quantity's list matched
// without regard to ASCII case, with the degree sign optional or written
// "deg" ("100C", "100degC", "100°C"), and "3" and "2" for the superscripts
// ("kg/m3" for "kg/m³"). Pressure also takes "MPa" (kMegapascal).
#ifndef HYDRELIX_UNITS_UNIT_NAMES_H
#define HYDRELIX_UNITS_UNIT_NAMES_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "units/unit_lists.h"

namespace units {

// The unit index the text names in the quantity's list, or nothing.
std::optional<int16_t> FindUnit(Quantity quantity, std::string_view text);

// The same matching in the catalogue's row tagged `tag` ("Flow Rate",
// "Power"), for the lists outside the main window.
std::optional<int16_t> FindUnitInRow(std::string_view tag, std::string_view text);

// The label of unit `unit` of the quantity's list ("MPa" for kMegapascal),
// empty outside the list.
std::string UnitLabel(Quantity quantity, int16_t unit);

}  // namespace units

#endif
