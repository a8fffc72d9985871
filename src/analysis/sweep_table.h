// A computed table kept for a window: its rows in working units, as the
// sweep delivered them, and their texts in any units. The numbers are kept
// once, so a change of units re-expresses the table without computing it
// again.
#ifndef HYDRELIX_ANALYSIS_SWEEP_TABLE_H
#define HYDRELIX_ANALYSIS_SWEEP_TABLE_H

#include "analysis/sweep.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace analysis {

class SweepTable {
 public:
  SweepTable() = default;
  SweepTable(SweepKind kind, std::vector<SweepColumn> columns);

  void Append(const SweepChunk& chunk);

  SweepKind Kind() const { return kind_; }
  std::size_t RowCount() const { return marks_.size(); }
  // The numeric columns, then `mark` (grids and sweeps) and `message`.
  std::size_t ColumnCount() const;
  const std::vector<SweepColumn>& NumericColumns() const { return columns_; }

  // "enthalpy_liquid [kJ/kg]", "quality [-]", "mark", "message".
  std::string Header(std::size_t column, const TableUnits& units) const;
  // A number to twelve significant digits (see NumberText), with `decimal`
  // for its point; empty where the cell is blank.
  std::string Text(std::size_t row, std::size_t column, const TableUnits& units,
                   char decimal = '.') const;
  // A numeric cell in the table's units, NaN where blank.
  double Value(std::size_t row, std::size_t column, const TableUnits& units) const;
  RowMark Mark(std::size_t row) const { return marks_[row]; }
  const std::string& Message(std::size_t row) const;

 private:
  SweepKind kind_ = SweepKind::SaturationByTemperature;
  std::vector<SweepColumn> columns_;
  std::vector<double> values_;
  std::vector<RowMark> marks_;
  // Only refused rows have a message: (row, text), in row order.
  std::vector<std::pair<std::size_t, std::string>> messages_;
};

// A finite double to twelve significant digits without trailing zeros
// ("100", "0.101418", "1e-05"), with `decimal` for its point: more digits than
// any formulation is good for, without the noise of the working units (0.01 C
// kept as 32.018 F comes back as 0.010000000000000378 C).
std::string NumberText(double value, char decimal = '.');

// Delimited text of a table: one header row of `Header`s, then one line per
// row, each ending in "\n". A field holding the separator, a quote or a line
// break is quoted with its quotes doubled (RFC 4180).
struct DelimitedStyle {
  char separator = ',';
  char decimal = '.';
};
void AppendDelimitedHeader(std::string& out, const SweepTable& table, const TableUnits& units,
                           DelimitedStyle style);
void AppendDelimitedRows(std::string& out, const SweepTable& table, const TableUnits& units,
                         DelimitedStyle style, std::size_t firstRow, std::size_t endRow);

// The same rows as an HTML table without styling, for the clipboard's
// text/html flavour: a header row, then one row per table row.
std::string HtmlTable(const SweepTable& table, const TableUnits& units, char decimal,
                      std::size_t firstRow, std::size_t endRow);

}  // namespace analysis

#endif
