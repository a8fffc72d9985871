// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the published check values of tests/data/if97/verification.csv.
#ifndef HYDRELIX_TESTS_IF97_PUBLISHED_VALUES_H
#define HYDRELIX_TESTS_IF97_PUBLISHED_VALUES_H

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace if97_test {

struct PublishedValue {
  std::string source;    // release and table
  std::string region;    // "1", "2 metastable vapour", "2a", "B23", ...
  std::map<std::string, double> inputs;  // "T_K" -> 300, ...
  std::string property;  // "h", "T_of_ph", ...
  std::string text;      // the value as printed
  double value;
  // Half a unit in the last printed digit.
  double halfLastDigit() const {
    const auto e = text.find_first_of("eE");
    const std::string mantissa = text.substr(0, e);
    const int exponent = e == std::string::npos ? 0 : std::atoi(text.c_str() + e + 1);
    const auto point = mantissa.find('.');
    const int digits = static_cast<int>(mantissa.size() - point - 1);
    return 0.5 * std::pow(10.0, exponent - digits);
  }
  double input(const std::string& name) const {
    const auto it = inputs.find(name);
    return it == inputs.end() ? std::nan("") : it->second;
  }
  std::string describe() const {
    std::ostringstream out;
    out << source << ", region " << region << ", " << property << " at";
    for (const auto& [name, v] : inputs) out << " " << name << "=" << v;
    out << ": printed " << text;
    return out.str();
  }
};

inline std::vector<std::string> splitOn(const std::string& line, char separator) {
  std::vector<std::string> fields;
  std::string field;
  std::istringstream in(line);
  while (std::getline(in, field, separator)) fields.push_back(field);
  return fields;
}

inline std::vector<PublishedValue> readPublishedValues(const std::string& path) {
  std::vector<PublishedValue> rows;
  std::ifstream file(path);
  std::string line;
  std::getline(file, line);  // header
  while (std::getline(file, line)) {
    if (line.empty()) continue;
    const auto fields = splitOn(line, ',');
    if (fields.size() != 6) continue;
    PublishedValue row;
    row.source = fields[0];
    row.region = fields[1];
    for (const auto& pair : splitOn(fields[2], ';')) {
      const auto eq = pair.find('=');
      row.inputs[pair.substr(0, eq)] = std::strtod(pair.c_str() + eq + 1, nullptr);
    }
    row.property = fields[3];
    row.text = fields[5];
    row.value = std::strtod(row.text.c_str(), nullptr);
    rows.push_back(row);
  }
  return rows;
}

}  // namespace if97_test

#endif
