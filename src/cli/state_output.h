// SPDX-License-Identifier: GPL-3.0-or-later
// A state, or both formulations' states side by side, written as an aligned
// table, one JSON object, or CSV/TSV rows.
#ifndef HYDRELIX_CLI_STATE_OUTPUT_H
#define HYDRELIX_CLI_STATE_OUTPUT_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/state_report.h"

namespace cli {

enum class StateFormat { Table, Json, Csv, Tsv };
std::optional<StateFormat> StateFormatNamed(std::string_view name);

// The state's report; a refused state writes only its JSON error object.
std::string StateText(const StateReport& report, StateFormat format);

// The state's JSON object (its error object where it was refused), for
// outputs that hold states among other things.
void AppendJsonState(std::string& out, const StateReport& report);

// `, "key": {"value": V, "unit": "U"}`: a number with its unit as a member
// of the object being written.
void AppendJsonMeasure(std::string& out, std::string_view key, double value,
                       std::string_view unit);

// Rows of cells written in columns two spaces apart; columns listed in
// `right` are aligned to the right. Trailing blanks are dropped.
std::string Aligned(const std::vector<std::vector<std::string>>& rows,
                    const std::vector<bool>& right);

// IFC-67 against IF-97 of the same inputs.
std::string ComparisonText(const StateReport& if97, const StateReport& ifc67, StateFormat format);

}  // namespace cli

#endif
