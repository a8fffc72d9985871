// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the check-value tables of tests/data/ifc67/: rows of
// source,inputs,property,unit,value with inputs as "name=value;name=value".
#ifndef IFC67_TESTS_CHECK_TABLE_H
#define IFC67_TESTS_CHECK_TABLE_H

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace ifc67_test {

struct CheckRow {
  int line;
  std::string inputs;  // as written, for failure messages
  std::map<std::string, double> input;
  std::string property;
  std::string unit;
  std::string valueText;
  double value;

  bool has(const std::string& name) const { return input.count(name) != 0; }
  double get(const std::string& name) const { return input.at(name); }
};

// Splits one CSV line; fields may be double-quoted (with commas inside).
inline std::vector<std::string> splitCsvLine(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (char c : line) {
    if (c == '"') quoted = !quoted;
    else if (c == ',' && !quoted) fields.emplace_back();
    else if (c != '\r') fields.back() += c;
  }
  return fields;
}

inline std::vector<CheckRow> readCheckTable(const std::string& path) {
  std::vector<CheckRow> rows;
  std::ifstream in(path);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (number == 1 || line.empty()) continue;
    const std::vector<std::string> f = splitCsvLine(line);
    if (f.size() != 5) continue;
    CheckRow row;
    row.line = number;
    row.inputs = f[1];
    size_t start = 0;
    while (start < f[1].size()) {
      size_t end = f[1].find(';', start);
      if (end == std::string::npos) end = f[1].size();
      const std::string pair = f[1].substr(start, end - start);
      const size_t equals = pair.find('=');
      row.input[pair.substr(0, equals)] = std::strtod(pair.c_str() + equals + 1, nullptr);
      start = end + 1;
    }
    row.property = f[2];
    row.unit = f[3];
    row.valueText = f[4];
    row.value = std::strtod(f[4].c_str(), nullptr);
    rows.push_back(row);
  }
  return rows;
}

// Half a unit of the last printed digit of a value as written ("2733.1",
// "0.35323426e4", "2.5316826343790743e-2"), and its significant digits.
struct PrintedPrecision {
  double halfUnit;
  int significantDigits;
};

inline PrintedPrecision printedPrecision(const std::string& text) {
  const size_t e = text.find_first_of("eE");
  const std::string mantissa = text.substr(0, e);
  const int exponent = e == std::string::npos ? 0 : std::atoi(text.c_str() + e + 1);
  const size_t point = mantissa.find('.');
  const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
  int significant = 0;
  bool leading = true;
  for (char c : mantissa) {
    if (!std::isdigit(static_cast<unsigned char>(c))) continue;
    if (leading && c == '0') continue;
    leading = false;
    ++significant;
  }
  return {0.5 * std::pow(10.0, exponent - decimals), significant};
}

}  // namespace ifc67_test

#endif  // IFC67_TESTS_CHECK_TABLE_H
