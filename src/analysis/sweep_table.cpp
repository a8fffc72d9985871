#include "analysis/sweep_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace analysis {

namespace {

const std::string kNoMessage;

void AppendField(std::string& out, const std::string& text, char separator) {
  const bool quoted = text.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string::npos;
  if (!quoted) {
    out += text;
    return;
  }
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendEscaped(std::string& out, const std::string& text) {
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
}

}  // namespace

std::string NumberText(double value, char decimal) {
  if (!std::isfinite(value)) return {};
  if (value == 0.0) return "0";
  char text[32];
  const std::to_chars_result written =
      std::to_chars(text, text + sizeof text, value, std::chars_format::general, 12);
  std::string number(text, written.ptr);
  if (decimal != '.') std::replace(number.begin(), number.end(), '.', decimal);
  return number;
}

SweepTable::SweepTable(SweepKind kind, std::vector<SweepColumn> columns)
    : kind_(kind), columns_(std::move(columns)) {}

void SweepTable::Append(const SweepChunk& chunk) {
  const std::size_t first = RowCount();
  values_.insert(values_.end(), chunk.values.begin(), chunk.values.end());
  marks_.insert(marks_.end(), chunk.marks.begin(), chunk.marks.end());
  for (std::size_t row = 0; row < chunk.RowCount(); ++row) {
    if (!chunk.messages[row].empty()) messages_.emplace_back(first + row, chunk.messages[row]);
  }
}

std::size_t SweepTable::ColumnCount() const {
  return columns_.size() + (HasMarkColumn(kind_) ? 2 : 1);
}

std::string SweepTable::Header(std::size_t column, const TableUnits& units) const {
  if (column < columns_.size()) {
    return columns_[column].key + " [" + ColumnUnitLabel(columns_[column], units) + "]";
  }
  return HasMarkColumn(kind_) && column == columns_.size() ? "mark" : "message";
}

double SweepTable::Value(std::size_t row, std::size_t column, const TableUnits& units) const {
  return ColumnValue(columns_[column], values_[row * columns_.size() + column], units);
}

const std::string& SweepTable::Message(std::size_t row) const {
  const auto found = std::lower_bound(
      messages_.begin(), messages_.end(), row,
      [](const std::pair<std::size_t, std::string>& m, std::size_t r) { return m.first < r; });
  return found != messages_.end() && found->first == row ? found->second : kNoMessage;
}

std::string SweepTable::Text(std::size_t row, std::size_t column, const TableUnits& units,
                             char decimal) const {
  if (column < columns_.size()) return NumberText(Value(row, column, units), decimal);
  if (HasMarkColumn(kind_) && column == columns_.size()) return MarkText(marks_[row]);
  return Message(row);
}

void AppendDelimitedHeader(std::string& out, const SweepTable& table, const TableUnits& units,
                           DelimitedStyle style) {
  for (std::size_t c = 0; c < table.ColumnCount(); ++c) {
    if (c > 0) out += style.separator;
    AppendField(out, table.Header(c, units), style.separator);
  }
  out += '\n';
}

void AppendDelimitedRows(std::string& out, const SweepTable& table, const TableUnits& units,
                         DelimitedStyle style, std::size_t firstRow, std::size_t endRow) {
  endRow = std::min(endRow, table.RowCount());
  for (std::size_t r = firstRow; r < endRow; ++r) {
    for (std::size_t c = 0; c < table.ColumnCount(); ++c) {
      if (c > 0) out += style.separator;
      AppendField(out, table.Text(r, c, units, style.decimal), style.separator);
    }
    out += '\n';
  }
}

std::string HtmlTable(const SweepTable& table, const TableUnits& units, char decimal,
                      std::size_t firstRow, std::size_t endRow) {
  std::string out = "<table>\n<tr>";
  for (std::size_t c = 0; c < table.ColumnCount(); ++c) {
    out += "<th>";
    AppendEscaped(out, table.Header(c, units));
    out += "</th>";
  }
  out += "</tr>\n";
  endRow = std::min(endRow, table.RowCount());
  for (std::size_t r = firstRow; r < endRow; ++r) {
    out += "<tr>";
    for (std::size_t c = 0; c < table.ColumnCount(); ++c) {
      out += "<td>";
      AppendEscaped(out, table.Text(r, c, units, decimal));
      out += "</td>";
    }
    out += "</tr>\n";
  }
  out += "</table>\n";
  return out;
}

}  // namespace analysis
