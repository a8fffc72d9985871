// What Copy State as Table and Copy State as Row put on the clipboard: the
// same cells as plain text (UTF-8, tab-separated, "\n" between rows) and as
// an unstyled HTML table, so a spreadsheet pastes them as cells.
#ifndef HYDRELIX_ANALYSIS_STATE_COPY_H
#define HYDRELIX_ANALYSIS_STATE_COPY_H

#include <string>
#include <vector>

#include "analysis/state_table.h"

namespace analysis {

struct ClipboardContents {
  std::string text;  // text/plain
  std::string html;  // text/html
};

// A header row "Property, <formulation>, Unit, Input", then one row per
// result: caption, the text shown, unit, and "input" on the ticked rows.
ClipboardContents StateAsTable(const StateTable& table);

// A header row of "Caption [unit]" cells (the caption alone where the result
// has no unit) and "Formulation", then one row of the texts shown and the
// formulation's name: successive copies paste as a log.
ClipboardContents StateAsRow(const StateTable& table);

}  // namespace analysis

#endif
