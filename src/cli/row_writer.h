// SPDX-License-Identifier: GPL-3.0-or-later
// Rows of named columns written as CSV (RFC 4180: comma, fields quoted when
// they hold a comma, a quote or a line break, quotes doubled), as TSV (tab,
// tabs and line breaks inside a field turned into spaces) or as JSON Lines
// (one object per row, the column names as keys). Every line ends in "\n".
// A writer only appends to a text, so rows can be formatted on several
// threads and written in order by one.
#ifndef HYDRELIX_CLI_ROW_WRITER_H
#define HYDRELIX_CLI_ROW_WRITER_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class RowFormat { Csv, Tsv, JsonLines };

// "csv", "tsv", "json" (JSON Lines).
std::optional<RowFormat> RowFormatNamed(std::string_view name);

// One cell: a text (a JSON string), a number already written as text or a
// double written as its shortest round-trip text (a JSON number), or nothing
// (an empty field, JSON null).
struct Cell {
  enum class Kind { Text, Number, Real, Null };
  Kind kind = Kind::Null;
  std::string text;
  double real = 0.0;

  static Cell Of(std::string text) { return {Kind::Text, std::move(text)}; }
  static Cell Number(std::string text) { return {Kind::Number, std::move(text)}; }
  static Cell Number(double value) { return {Kind::Real, {}, value}; }
  static Cell Number(int value);
  static Cell Null() { return {}; }
};

class RowWriter {
 public:
  RowWriter(RowFormat format, std::vector<std::string> columns);

  RowFormat Format() const { return format_; }
  const std::vector<std::string>& Columns() const { return columns_; }

  // The header line; JSON Lines have none, so nothing is appended.
  void AppendHeader(std::string& out) const;
  // One row; missing cells are written as nothing, extra cells are dropped.
  void AppendRow(std::string& out, const std::vector<Cell>& cells) const;

 private:
  void AppendField(std::string& out, std::string_view text) const;
  void AppendCell(std::string& out, const Cell& cell) const;

  RowFormat format_;
  std::vector<std::string> columns_;
  std::vector<std::string> jsonKeys_;  // each column's key, quoted, with ": "
};

// A JSON string literal of UTF-8 text.
void AppendJsonString(std::string& out, std::string_view text);

}  // namespace cli

#endif
