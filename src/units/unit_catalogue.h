// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue of quantities and their unit labels. A unit is identified by
// its position (unit index, from 0) in its quantity's list; labels are UTF-8.
#ifndef HYDRELIX_UNITS_UNIT_CATALOGUE_H
#define HYDRELIX_UNITS_UNIT_CATALOGUE_H

#include <string>
#include <string_view>
#include <vector>

namespace units {

// The labels of the row whose tag equals `tag` exactly (case-sensitive, no
// trimming), or nullptr when no row has that tag.
const std::vector<std::string>* UnitLabels(std::string_view tag);

// Appends the labels of the row tagged `tag` to `list`. It neither clears the
// list nor selects anything; an unknown tag leaves the list unchanged.
void LoadUnits(std::string_view tag, std::vector<std::string>& list);

}  // namespace units

#endif
