// SPDX-License-Identifier: GPL-3.0-or-later
// A state, or both formulations' states side by side, written as an aligned
// table, one JSON object, or CSV/TSV rows.
#ifndef HYDRELIX_CLI_STATE_OUTPUT_H
#define HYDRELIX_CLI_STATE_OUTPUT_H

#include <optional>
#include <string>
#include <string_view>

#include "cli/state_report.h"

namespace cli {

enum class StateFormat { Table, Json, Csv, Tsv };
std::optional<StateFormat> StateFormatNamed(std::string_view name);

// The state's report; a refused state writes only its JSON error object.
std::string StateText(const StateReport& report, StateFormat format);

// IFC-67 against IF-97 of the same inputs.
std::string ComparisonText(const StateReport& if97, const StateReport& ifc67, StateFormat format);

}  // namespace cli

#endif
