#include "analysis/text_table.h"

namespace analysis {

namespace {

using Cells = std::vector<std::string>;

// A tab or a line break inside a cell (a pin's name may hold one) would
// split it in a spreadsheet.
std::string CellText(const std::string& cell) {
  std::string text = cell;
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
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

void AppendLine(std::string& text, const Cells& cells) {
  for (std::size_t c = 0; c < cells.size(); ++c) {
    if (c > 0) text += '\t';
    text += CellText(cells[c]);
  }
}

void AppendHtmlRow(std::string& html, const Cells& cells, const char* tag) {
  html += "<tr>";
  for (const std::string& cell : cells) {
    html += std::string("<") + tag + ">" + Escaped(cell) + "</" + tag + ">";
  }
  html += "</tr>\n";
}

}  // namespace

std::string AsTabSeparated(const TextTable& table) {
  std::string text;
  AppendLine(text, table.header);
  for (const Cells& row : table.rows) {
    text += '\n';
    AppendLine(text, row);
  }
  return text;
}

std::string AsHtml(const TextTable& table) {
  // The charset tells a reader of the bare fragment that the text is UTF-8.
  std::string html = "<meta charset=\"utf-8\">\n<table>\n";
  AppendHtmlRow(html, table.header, "th");
  for (const Cells& row : table.rows) AppendHtmlRow(html, row, "td");
  html += "</table>\n";
  return html;
}

}  // namespace analysis
