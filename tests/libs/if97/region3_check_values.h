// Published region 3 check values, read from the project's copy of the
// release tables (tests/data/if97/verification.csv).
#ifndef HYDRELIX_TESTS_IF97_REGION3_CHECK_VALUES_H
#define HYDRELIX_TESTS_IF97_REGION3_CHECK_VALUES_H

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace region3_test {

struct CheckValue {
  std::string region;    // subregion or boundary the row names
  std::string inputs;    // as printed, for failure messages
  std::map<std::string, double> input;
  std::string property;  // the function evaluated
  double value;
  double halfLastDigit;  // half a unit in the last printed digit
};

inline std::vector<std::string> splitOn(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  std::string part;
  while (std::getline(stream, part, separator)) parts.push_back(part);
  return parts;
}

// Values are printed as 0.ddd...eX; the count of d's is the precision.
inline double halfLastDigitOf(const std::string& printed) {
  const std::size_t e = printed.find_first_of("eE");
  const std::string mantissa = printed.substr(0, e);
  const int exponent = e == std::string::npos ? 0 : std::atoi(printed.c_str() + e + 1);
  const std::size_t point = mantissa.find('.');
  const int digits = static_cast<int>(mantissa.size() - point - 1);
  return 0.5 * std::pow(10.0, exponent - digits);
}

// Every row whose property is one of `properties` and whose region column
// starts with `regionPrefix`.
inline std::vector<CheckValue> checkValues(const std::vector<std::string>& properties,
                                           const std::string& regionPrefix) {
  std::vector<CheckValue> rows;
  std::ifstream file(std::string(HYDRELIX_TEST_DATA) + "/if97/verification.csv");
  std::string line;
  std::getline(file, line);  // header
  while (std::getline(file, line)) {
    const std::vector<std::string> fields = splitOn(line, ',');
    if (fields.size() != 6) continue;
    bool wanted = false;
    for (const std::string& property : properties) wanted = wanted || fields[3] == property;
    if (!wanted || fields[1].compare(0, regionPrefix.size(), regionPrefix) != 0) continue;
    CheckValue row;
    row.region = fields[1];
    row.inputs = fields[2];
    for (const std::string& pair : splitOn(fields[2], ';')) {
      const std::size_t equals = pair.find('=');
      row.input[pair.substr(0, equals)] = std::atof(pair.c_str() + equals + 1);
    }
    row.property = fields[3];
    row.value = std::atof(fields[5].c_str());
    row.halfLastDigit = halfLastDigitOf(fields[5]);
    rows.push_back(row);
  }
  return rows;
}

}  // namespace region3_test

#endif
