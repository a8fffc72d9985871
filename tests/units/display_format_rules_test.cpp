// SPDX-License-Identifier: GPL-3.0-or-later
// The display formats written by their rules from the value's exact decimal
// expansion (as the C library prints it), set against what FormatValue and
// a DisplayFormat read once give, over many values and every format shape
// the window starts with or can save.
#include "units/display_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

// The pattern rules applied digit by digit to "%.1100f", which holds every
// double's binary value exactly.
std::string Exact(double value) {
  std::vector<char> text(1500);
  std::snprintf(text.data(), text.size(), "%.1100f", std::fabs(value));
  return text.data();
}

std::string ByTheRules(double value, const std::string& exact, const std::string& format,
                       const std::string& separator) {
  const size_t point = format.find('.');
  const std::string integerPlaces = format.substr(0, point);
  const std::string decimals = point == std::string::npos ? "" : format.substr(point + 1);
  const size_t exactPoint = exact.find('.');
  std::string digits = exact.substr(0, exactPoint) + exact.substr(exactPoint + 1, decimals.size());
  if (exact[exactPoint + 1 + decimals.size()] >= '5') {
    size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) digits.insert(digits.begin(), '1'); else ++digits[i - 1];
  }
  std::string integer = digits.substr(0, digits.size() - decimals.size());
  std::string fraction = digits.substr(digits.size() - decimals.size());
  integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
  const size_t firstZero = integerPlaces.find('0');
  const size_t width = firstZero == std::string::npos ? 0 : integerPlaces.size() - firstZero;
  if (integer.size() < width) integer.insert(0, width - integer.size(), '0');
  while (!fraction.empty() && decimals[fraction.size() - 1] == '#' && fraction.back() == '0') {
    fraction.pop_back();
  }
  if (integer.empty() && fraction.empty()) integer = "0";
  const bool zero = (integer + fraction).find_first_not_of('0') == std::string::npos;
  return (value < 0 && !zero ? "-" : "") + integer +
         (point == std::string::npos ? "" : separator) + fraction;
}

std::vector<std::string> FormatShapes() {
  std::vector<std::string> shapes;
  for (const units::DisplayFormatSetting& setting : units::kDisplayFormatSettings) {
    // Every shape the digits buttons reach from a default, as saved.
    std::string format = setting.defaultFormat;
    while (units::DigitCount(format) > 0) format = units::WithLessDigits(format);
    shapes.push_back(format);
    for (int k = 0; k < 8; ++k) shapes.push_back(format = units::WithMoreDigits(format));
  }
  for (const char* odd : {"0", "#", "0000", "##", "#.", ".", "0.", ".0", "#.##", "0.#0#",
                          "000.000", "#0.#########",
                          "0.0000000000000000000", "#0.00000000000000000000",
                          "00000000000000000000000.0"}) {
    shapes.push_back(odd);
  }
  return shapes;
}

std::vector<double> Values() {
  std::vector<double> values = {0.0, -0.0, 0.5, 1.5, 2.5, -2.5, 0.125, 0.375, 1.005, 0.0049,
                                0.005, 0.05, 9.5, 99.5, 999.9999, 9.999999999, 68.5,
                                1e-300, 5e-324, 1e17, 9.99e17, 1e18, 1e19, 1e22, 123456789.123,
                                4503599627370495.5, 9007199254740993.0, -0.0005, 293.15};
  std::mt19937_64 random(17);
  std::uniform_real_distribution<double> exponent(-12.0, 18.5);
  std::uniform_int_distribution<int> ties(0, 1 << 20);
  for (int k = 0; k < 1500; ++k) {
    const double value = std::pow(10.0, exponent(random));
    values.push_back(k % 2 ? value : -value);
    // Exact binary ties at every few decimals, and their neighbours.
    const double tie = ties(random) / 1024.0;
    values.push_back(tie);
    values.push_back(std::nextafter(tie, 0.0));
    values.push_back(std::nextafter(tie, 1e300));
  }
  return values;
}

TEST(DisplayFormatRules, EveryShapeWritesEveryValueAsItsRulesSay) {
  const std::vector<double> values = Values();
  std::vector<std::string> exact;
  for (const double value : values) exact.push_back(Exact(value));
  for (const std::string& separator : {std::string("."), std::string(","), std::string("\u066b")}) {
    units::NumberLocale locale;
    locale.decimalSeparator = separator;
    for (const std::string& format : FormatShapes()) {
      const units::DisplayFormat plan(format);
      int failures = 0;
      for (size_t k = 0; k < values.size(); ++k) {
        const double value = values[k];
        const std::string expected = ByTheRules(value, exact[k], format, separator);
        const std::string written = plan.Write(value, locale);
        EXPECT_EQ(written, expected) << format << " " << std::hexfloat << value;
        EXPECT_EQ(units::FormatValue(value, format, locale), written);
        if (written != expected && ++failures > 5) break;
      }
    }
  }
}

TEST(DisplayFormatRules, AFormatReadOnceKeepsItsTextWhenCopied) {
  units::DisplayFormat plan("#0.0#");
  const units::DisplayFormat copy = plan;
  plan = units::DisplayFormat("0");
  EXPECT_EQ(copy.Text(), "#0.0#");
  EXPECT_EQ(copy.Write(2.5, {}), "2.5");
  EXPECT_EQ(plan.Write(2.5, {}), "3");
  EXPECT_EQ(units::DisplayFormat("").Write(0.1, {}), "0.1");
}

}  // namespace
