// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/row_writer.h"

#include "cli/shortest_number.h"

namespace cli {

std::optional<RowFormat> RowFormatNamed(std::string_view name) {
  if (name == "csv") return RowFormat::Csv;
  if (name == "tsv") return RowFormat::Tsv;
  if (name == "json") return RowFormat::JsonLines;
  return std::nullopt;
}

Cell Cell::Number(int value) { return {Kind::Number, std::to_string(value)}; }

void AppendJsonString(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  for (char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (u < 0x20) {
          out += "\\u00";
          out += kHex[u >> 4];
          out += kHex[u & 15];
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

RowWriter::RowWriter(RowFormat format, std::vector<std::string> columns)
    : format_(format), columns_(std::move(columns)) {
  for (const std::string& column : columns_) {
    std::string key;
    AppendJsonString(key, column);
    key += ": ";
    jsonKeys_.push_back(std::move(key));
  }
}

void RowWriter::AppendField(std::string& out, std::string_view text) const {
  if (format_ == RowFormat::Tsv) {
    for (char c : text) out += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
    return;
  }
  bool quoted = false;
  for (char c : text) quoted = quoted || c == ',' || c == '"' || c == '\r' || c == '\n';
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

void RowWriter::AppendCell(std::string& out, const Cell& cell) const {
  switch (cell.kind) {
    case Cell::Kind::Real:
      AppendShortest(out, cell.real);
      return;
    case Cell::Kind::Null:
      return;
    case Cell::Kind::Number:
    case Cell::Kind::Text:
      AppendField(out, cell.text);
      return;
  }
}

void RowWriter::AppendHeader(std::string& out) const {
  if (format_ == RowFormat::JsonLines) return;
  const char separator = format_ == RowFormat::Csv ? ',' : '\t';
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (i > 0) out += separator;
    AppendField(out, columns_[i]);
  }
  out += '\n';
}

void RowWriter::AppendRow(std::string& out, const std::vector<Cell>& cells) const {
  if (format_ == RowFormat::JsonLines) {
    out += '{';
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      if (i > 0) out += ", ";
      out += jsonKeys_[i];
      const Cell* cell = i < cells.size() ? &cells[i] : nullptr;
      if (cell == nullptr || cell->kind == Cell::Kind::Null) {
        out += "null";
      } else if (cell->kind == Cell::Kind::Text) {
        AppendJsonString(out, cell->text);
      } else {
        AppendCell(out, *cell);
      }
    }
    out += "}\n";
    return;
  }
  const char separator = format_ == RowFormat::Csv ? ',' : '\t';
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (i > 0) out += separator;
    if (i < cells.size()) AppendCell(out, cells[i]);
  }
  out += '\n';
}

}  // namespace cli
