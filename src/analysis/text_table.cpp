#include "analysis/text_table.h"

namespace analysis {

namespace {

// A tab or a line break inside a cell would split it in a spreadsheet.
std::string CellText(const std::string& cell) {
  std::string text = cell;
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

std::string Escaped(const std::string& cell) {
  std::string text;
  for (char c : cell) {
    switch (c) {
      case '&': text += "&amp;"; break;
      case '<': text += "&lt;"; break;
      case '>': text += "&gt;"; break;
      case '"': text += "&quot;"; break;
      default: text += c;
    }
  }
  return text;
}

void AppendLine(std::string& out, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out += '\t';
    out += CellText(cells[i]);
  }
  out += '\n';
}

void AppendHtmlRow(std::string& out, const std::vector<std::string>& cells, const char* tag) {
  out += "<tr>";
  for (const std::string& cell : cells) {
    out += std::string("<") + tag + ">" + Escaped(cell) + "</" + tag + ">";
  }
  out += "</tr>\n";
}

}  // namespace

std::string AsTabSeparated(const TextTable& table) {
  std::string out;
  AppendLine(out, table.header);
  for (const auto& row : table.rows) AppendLine(out, row);
  return out;
}

std::string AsHtml(const TextTable& table) {
  std::string out = "<table>\n";
  AppendHtmlRow(out, table.header, "th");
  for (const auto& row : table.rows) AppendHtmlRow(out, row, "td");
  out += "</table>\n";
  return out;
}

}  // namespace analysis
