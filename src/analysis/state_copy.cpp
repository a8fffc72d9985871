#include "analysis/state_copy.h"

namespace analysis {

namespace {

using Cells = std::vector<std::string>;

// Cells are the window's captions, units and field texts: none holds a tab or
// a line break, so plain text needs no quoting.
std::string PlainText(const std::vector<Cells>& rows) {
  std::string text;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (r > 0) text += '\n';
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      if (c > 0) text += '\t';
      text += rows[r][c];
    }
  }
  return text;
}

std::string Escaped(const std::string& cell) {
  std::string html;
  for (char c : cell) {
    switch (c) {
      case '&': html += "&amp;"; break;
      case '<': html += "&lt;"; break;
      case '>': html += "&gt;"; break;
      case '"': html += "&quot;"; break;
      default: html += c;
    }
  }
  return html;
}

// The first row is the header.
std::string Html(const std::vector<Cells>& rows) {
  // The charset tells a reader of the bare fragment that the text is UTF-8.
  std::string html = "<meta charset=\"utf-8\">\n<table>\n";
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const char* tag = r == 0 ? "th" : "td";
    html += "<tr>";
    for (const std::string& cell : rows[r]) {
      html += std::string("<") + tag + ">" + Escaped(cell) + "</" + tag + ">";
    }
    html += "</tr>\n";
  }
  html += "</table>\n";
  return html;
}

ClipboardContents Contents(const std::vector<Cells>& rows) { return {PlainText(rows), Html(rows)}; }

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
