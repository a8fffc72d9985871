#include "analysis/state_copy.h"

#include "analysis/text_table.h"

namespace analysis {

namespace {

using Cells = std::vector<std::string>;

// The first row is the header.
ClipboardContents Contents(const std::vector<Cells>& rows) {
  const TextTable table{rows.front(), {rows.begin() + 1, rows.end()}};
  return {AsTabSeparated(table), AsHtml(table)};
}

}  // namespace

const char* FormulationName(steam::Formulation formulation) {
  return formulation == steam::Formulation::IF97 ? "IAPWS-IF97" : "IFC-67";
}

ClipboardContents StateAsTable(const StateTable& table) {
  std::vector<Cells> rows{{"Property", FormulationName(table.formulation), "Unit", "Input"}};
  for (const StateRow& row : table.rows) {
    rows.push_back({row.caption, row.text, row.unit, row.input ? "input" : ""});
  }
  return Contents(rows);
}

ClipboardContents StateAsRow(const StateTable& table) {
  Cells header, values;
  for (const StateRow& row : table.rows) {
    header.push_back(row.unit == "-" ? row.caption : row.caption + " [" + row.unit + "]");
    values.push_back(row.text);
  }
  header.push_back("Formulation");
  values.push_back(FormulationName(table.formulation));
  return Contents({header, values});
}

}  // namespace analysis
