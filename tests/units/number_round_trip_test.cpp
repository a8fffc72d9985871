// SPDX-License-Identifier: GPL-3.0-or-later
// What the window writes into a field must read back as the number it shows:
// a user who leaves a field unchanged, or copies a result into another field,
// gets that number and not some other one.
#include "units/conversions.h"
#include "units/display_format.h"
#include "units/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace units {
namespace {

const std::vector<NumberLocale> kLocales = {
    {".", ","}, {",", "."}, {",", "\xC2\xA0"}, {".", "'"}};

double RandomValue(std::mt19937_64& random) {
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-7, 12);
  std::bernoulli_distribution negative(0.3);
  const double value = mantissa(random) * std::pow(10.0, exponent(random));
  return negative(random) ? -value : value;
}

std::string RandomPattern(std::mt19937_64& random) {
  std::uniform_int_distribution<int> hashes(0, 5);
  std::uniform_int_distribution<int> zeros(0, 3);
  std::uniform_int_distribution<int> decimals(0, 8);
  std::string pattern(hashes(random), '#');
  pattern += std::string(zeros(random), '0');
  pattern += '.';
  pattern += std::string(decimals(random), '0');
  return pattern;
}

TEST(FormattedNumberReadsBack, WithinHalfTheLastShownDecimal) {
  std::mt19937_64 random(20261208);
  for (int i = 0; i < 20000; ++i) {
    const NumberLocale& locale = kLocales[i % kLocales.size()];
    const double value = RandomValue(random);
    const std::string pattern = RandomPattern(random);
    const std::string text = FormatValue(value, pattern, locale);
    const std::optional<double> read = ReadNumber(text, locale);
    ASSERT_TRUE(read.has_value()) << value << " with \"" << pattern << "\" gave \"" << text << '"';
    const double halfStep = 0.5 * std::pow(10.0, -DigitCount(pattern));
    EXPECT_LE(std::fabs(*read - value), halfStep * (1 + 1e-9) + std::fabs(value) * 1e-15)
        << value << " with \"" << pattern << "\" gave \"" << text << '"';
  }
}

TEST(FormattedNumberReadsBack, GeneralFormGivesTheSameNumber) {
  std::mt19937_64 random(8);
  for (int i = 0; i < 20000; ++i) {
    const NumberLocale& locale = kLocales[i % kLocales.size()];
    double value = RandomValue(random) * std::pow(10.0, (i % 61) - 30);
    const bool inSingleRange = std::fabs(value) <= FLT_MAX;
    if (i % 2 == 0 && inSingleRange) value = static_cast<float>(value);
    const std::string text = FormatValue(value, "", locale);
    if (inSingleRange && static_cast<double>(static_cast<float>(value)) == value) {
      EXPECT_EQ(ReadSingle(text, locale), static_cast<float>(value)) << text;
    } else {
      EXPECT_EQ(ReadNumber(text, locale), value) << text;
    }
  }
}

// A unit round trip as the window makes it: a typed value is stored in the
// working unit, shown in the selected unit, and the shown text typed again.
// The stored value must not creep away with every pass.
TEST(FormattedNumberReadsBack, ShowingAndReenteringATemperatureDoesNotDrift) {
  const NumberLocale locale{",", "."};
  for (int16_t unit = 0; unit < 4; ++unit) {
    float stored = TemperatureFromUnit("25,123", unit, locale);
    const float first = stored;
    for (int pass = 0; pass < 20; ++pass) {
      const std::string shown = FormatValue(TemperatureToUnit(stored, unit), "#0.00000", locale);
      stored = TemperatureFromUnit(shown, unit, locale);
    }
    EXPECT_NEAR(stored, first, 1e-3) << "unit " << unit;
  }
}

TEST(PastedText, NeverGivesANonFiniteNumber) {
  const std::string alphabet[] = {"0", "1", "9", ".", ",", "-", "+", "e", "E", " ", "\t",
                                  "\xC2\xA0", "n", "a", "i", "f", "x", "'", "5", "3"};
  std::mt19937_64 random(3);
  std::uniform_int_distribution<size_t> pick(0, std::size(alphabet) - 1);
  std::uniform_int_distribution<int> length(0, 24);
  for (int i = 0; i < 20000; ++i) {
    const NumberLocale& locale = kLocales[i % kLocales.size()];
    std::string text;
    for (int n = length(random); n > 0; --n) text += alphabet[pick(random)];
    if (const std::optional<double> value = ReadNumber(text, locale)) {
      EXPECT_TRUE(std::isfinite(*value)) << text;
    }
    const auto unit = static_cast<int16_t>(i % 9);
    for (float value : {ReadSingle(text, locale), TemperatureFromUnit(text, unit, locale),
                        PressureFromUnit(text, unit, locale),
                        HeatCapacityFromUnit(text, 18.01528f, unit, locale),
                        EnthalpyFromUnit(text, 18.01528f, unit, locale)}) {
      EXPECT_TRUE(std::isfinite(value)) << '"' << text << "\" unit " << unit;
    }
  }
}

}  // namespace
}  // namespace units
