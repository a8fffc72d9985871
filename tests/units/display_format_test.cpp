// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/display_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <vector>

namespace units {
namespace {

const NumberLocale kDotLocale{".", ","};
const NumberLocale kCommaLocale{",", "."};

struct FormatCase {
  double value;
  std::string format;
  std::string dotText;
  std::string commaText;
};

void ExpectFormats(const std::vector<FormatCase>& cases) {
  for (const FormatCase& c : cases) {
    EXPECT_EQ(FormatValue(c.value, c.format, kDotLocale), c.dotText)
        << c.value << " with \"" << c.format << '"';
    EXPECT_EQ(FormatValue(c.value, c.format, kCommaLocale), c.commaText)
        << c.value << " with \"" << c.format << "\" under a comma locale";
  }
}

TEST(FormatValue, DefaultFormatsShowTheExpectedDigits) {
  ExpectFormats({
      {68.0, "####0.00", "68.00", "68,00"},
      {14.696, "####0.000", "14.696", "14,696"},
      {0.5, "0.000", "0.500", "0,500"},
      {1234567.891, "####0.00", "1234567.89", "1234567,89"},
      {-17.777778, "####0.00", "-17.78", "-17,78"},
      {68.0, "####0.", "68.", "68,"},
      {0.0, "#####0.0000", "0.0000", "0,0000"},
      {0.0, "####0.0", "0.0", "0,0"},
      {0.25, "#0.00000", "0.25000", "0,25000"},
      {12345.6, "####0.0", "12345.6", "12345,6"},
  });
}

TEST(FormatValue, RoundsHalfAwayFromZeroOnTheExactBinaryValue) {
  ExpectFormats({
      {0.125, "0.00", "0.13", "0,13"},
      {-0.125, "0.00", "-0.13", "-0,13"},
      {2.5, "0.", "3.", "3,"},
      {-2.5, "0.", "-3.", "-3,"},
      {0.5, "0.", "1.", "1,"},
      {1.5, "####0.", "2.", "2,"},
      // 1.005 and 2.675 are stored just below their halfway points.
      {1.005, "0.00", "1.00", "1,00"},
      {2.675, "0.00", "2.67", "2,67"},
      // 2.345 and 8.345 are stored just above.
      {2.345, "0.00", "2.35", "2,35"},
      {-8.345, "0.00", "-8.35", "-8,35"},
      {9.9951, "0.00", "10.00", "10,00"},
      {99.996, "#0.00", "100.00", "100,00"},
      {-999.9996, "####0.000", "-1000.000", "-1000,000"},
      {0.0005, "0.000", "0.001", "0,001"},  // stored above 0.0005
  });
}

TEST(FormatValue, NegativeValueThatRoundsToZeroHasNoMinusSign) {
  ExpectFormats({
      {-0.001, "0.00", "0.00", "0,00"},
      {-0.0, "####0.00", "0.00", "0,00"},
      {-0.4, "####0.", "0.", "0,"},
      {-1e-300, "#0.00000", "0.00000", "0,00000"},
  });
}

TEST(FormatValue, PlaceholdersBeforeThePoint) {
  ExpectFormats({
      {0.5, "#.00", ".50", ",50"},
      {-0.5, "#.00", "-.50", "-,50"},
      {5.0, "00.0", "05.0", "05,0"},
      {5.0, "000#.0", "0005.0", "0005,0"},
      {12345.0, "0.0", "12345.0", "12345,0"},
      {0.4, "#.", "0.", "0,"},
      {0.0, "#.##", "0.", "0,"},
      {1e20, "0.0", "100000000000000000000.0", "100000000000000000000,0"},
  });
}

TEST(FormatValue, HashAfterThePointDropsOnlyTrailingZeros) {
  ExpectFormats({
      {1.5, "0.0#", "1.5", "1,5"},
      {1.25, "0.0#", "1.25", "1,25"},
      {1.0, "0.##", "1.", "1,"},
      {1.0, "0.#0", "1.00", "1,00"},
  });
}

TEST(FormatValue, MoreDecimalsThanTheValueHoldsShowItsExactBinaryDigits) {
  // A converted value is a 32-bit number: 293.15 is held as
  // 293.149993896484375.
  const double kelvin = static_cast<double>(293.15f);
  EXPECT_EQ(FormatValue(kelvin, "####0.00", kDotLocale), "293.15");
  EXPECT_EQ(FormatValue(kelvin, "####0.00000000", kDotLocale), "293.14999390");
  EXPECT_EQ(FormatValue(static_cast<double>(0.1f), "#0.00000000", kCommaLocale), "0,10000000");
  EXPECT_EQ(FormatValue(0.1, "0.00000000000000000000", kDotLocale), "0.10000000000000000555");
  EXPECT_EQ(FormatValue(static_cast<double>(1.0000035f), "0.00000000", kDotLocale), "1.00000346");
}

TEST(FormatValue, ExtremeValuesAreWrittenInFull) {
  const std::string max = FormatValue(DBL_MAX, "####0.00", kDotLocale);
  EXPECT_EQ(max.size(), 309u + 3u);
  EXPECT_EQ(max.substr(0, 6), "179769");
  EXPECT_EQ(max.substr(309), ".00");
  EXPECT_EQ(FormatValue(-DBL_MAX, "0.", kDotLocale).size(), 1u + 309u + 1u);
  EXPECT_EQ(FormatValue(5e-324, "0.00", kDotLocale), "0.00");
  EXPECT_EQ(FormatValue(FLT_MAX, "0.0", kDotLocale), "340282346638528859811704183484516925440.0");
}

TEST(FormatValue, NonFiniteValueLeavesTheFieldBlank) {
  for (double value : {double{NAN}, double{HUGE_VAL}, -double{HUGE_VAL}}) {
    EXPECT_EQ(FormatValue(value, "####0.00", kDotLocale), "");
    EXPECT_EQ(FormatValue(value, "", kDotLocale), "");
  }
}

TEST(FormatValue, OtherPatternsShowTheValueInAGeneralForm) {
  ExpectFormats({
      {68.0, "", "68", "68"},
      {14.696, "", "14.696", "14,696"},
      {-17.5, "", "-17.5", "-17,5"},
      {-0.0, "", "0", "0"},
      {static_cast<double>(293.15f), "", "293.15", "293,15"},
      {68.0, "####0.00x", "68", "68"},
      {68.0, "0.0.0", "68", "68"},
      {68.0, "##,##0.00", "68", "68"},
      {0.5, "abc", "0.5", "0,5"},
      {1e20, "", "1e+20", "1e+20"},
  });
}

// A format without a point, which only the settings can hold, still follows
// its placeholders: a whole number, padded by its "0"s, with no separator.
TEST(FormatValue, PatternWithoutPointShowsAWholeNumber) {
  ExpectFormats({
      {68.0, "0000", "0068", "0068"},
      {68.5, "0000", "0069", "0069"},
      {-2.5, "0", "-3", "-3"},
      {1234567.891, "0000", "1234568", "1234568"},
      {68.4, "##", "68", "68"},
      {0.2, "##", "0", "0"},
      {-0.2, "#0", "0", "0"},
  });
}

TEST(FormatValue, LongAndOddFormatsFormatWithoutTrouble) {
  EXPECT_EQ(FormatValue(68.0, std::string(10000, '#') + "0.00", kDotLocale), "68.00");
  EXPECT_EQ(FormatValue(68.0, std::string(10000, 'x'), kDotLocale), "68");
  EXPECT_EQ(FormatValue(68.0, std::string(10000, '.'), kDotLocale), "68");
  const std::string manyDecimals = FormatValue(0.1, "0." + std::string(10000, '0'), kDotLocale);
  ASSERT_EQ(manyDecimals.size(), 2u + 10000u);
  EXPECT_EQ(manyDecimals.substr(0, 57), "0.1000000000000000055511151231257827021181583404541015625");
  EXPECT_EQ(manyDecimals.find_first_not_of('0', 57), std::string::npos);
  const std::string manyDigits = FormatValue(68.0, std::string(10000, '0') + ".0", kDotLocale);
  ASSERT_EQ(manyDigits.size(), 10002u);
  EXPECT_EQ(manyDigits.substr(9998), "68.0");
  const std::string withNul("0.0\0" "0", 5);
  EXPECT_EQ(FormatValue(68.0, withNul, kDotLocale), "68");
  EXPECT_EQ(FormatValue(68.0, "\xC2\xB0" "0.0", kDotLocale), "68");
}

TEST(FormatValue, MultiCharacterDecimalSeparatorIsWrittenWhole) {
  const NumberLocale arabic{"\xD9\xAB", "\xD9\xAC"};
  EXPECT_EQ(FormatValue(1.5, "0.00", arabic), "1\xD9\xAB" "50");
  EXPECT_EQ(FormatValue(1.5, "", arabic), "1\xD9\xAB" "5");
}

TEST(DigitCount, CountsCharactersAfterTheFirstPoint) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"####0.00", 2}, {"####0.", 0}, {"0.000", 3}, {"#0.00000000", 8}, {"0000", 4},
      {"", 0},         {".", 0},      {"0.0.0", 3}, {"abc", 3},
  };
  for (const auto& [format, count] : cases) EXPECT_EQ(DigitCount(format), count) << format;
  EXPECT_EQ(DigitCount(std::string(10000, '0')), 10000);
}

std::vector<std::string> Presses(std::string format, int times,
                                 std::string (*press)(std::string)) {
  std::vector<std::string> seen;
  for (int i = 0; i < times; ++i) {
    format = press(format);
    seen.push_back(format);
  }
  return seen;
}

TEST(MoreDigits, AddsOneDecimalUpToEight) {
  EXPECT_EQ(Presses("#0.00000", 5, WithMoreDigits),
            (std::vector<std::string>{"#0.000000", "#0.0000000", "#0.00000000", "#0.00000000",
                                      "#0.00000000"}));
  EXPECT_EQ(Presses("####0.", 2, WithMoreDigits),
            (std::vector<std::string>{"####0.0", "####0.00"}));
  // Without a point the whole length counts as digits.
  EXPECT_EQ(Presses("0000", 5, WithMoreDigits),
            (std::vector<std::string>{"00000", "000000", "0000000", "00000000", "00000000"}));
  EXPECT_EQ(WithMoreDigits(""), "0");
}

TEST(LessDigits, RemovesOneDecimalButNeverThePoint) {
  EXPECT_EQ(Presses("####0.0", 6, WithLessDigits),
            (std::vector<std::string>(6, "####0.")));
  EXPECT_EQ(Presses("0000", 5, WithLessDigits),
            (std::vector<std::string>{"000", "00", "0", "", ""}));
}

TEST(MoreAndLessDigits, EveryDefaultMovesBetweenZeroAndEightDecimals) {
  for (const DisplayFormatSetting& setting : kDisplayFormatSettings) {
    std::string format = setting.defaultFormat;
    for (int i = 0; i < 12; ++i) format = WithMoreDigits(format);
    EXPECT_EQ(DigitCount(format), 8) << setting.key;
    EXPECT_EQ(FormatValue(1.0, format, kDotLocale), "1.00000000") << setting.key;
    for (int i = 0; i < 12; ++i) format = WithLessDigits(format);
    EXPECT_EQ(DigitCount(format), 0) << setting.key;
    EXPECT_EQ(format.back(), '.') << setting.key;
    EXPECT_EQ(FormatValue(1.0, format, kDotLocale), "1.") << setting.key;
  }
}

TEST(DisplayFormatSettings, KeysAndDefaultsFollowTheFieldOrder) {
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"TFormat", "####0.00"},   {"PFormat", "####0.000"},  {"QFormat", "0.000"},
      {"HFormat", "#####0.0000"}, {"SFormat", "#0.00000"},   {"VFormat", "#0.000000"},
      {"DFormat", "#0.00000"},   {"CpFormat", "#0.0000"},   {"CvFormat", "#0.0000"},
      {"VisFormat", "#0.00000"}, {"TCFormat", "#0.00000"},  {"STFormat", "##0.000"},
      {"SVFormat", "####0.0"},   {"PrFormat", "#0.000"},    {"IEFormat", "#0.000"},
  };
  ASSERT_EQ(kDisplayFormatSettings.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(kDisplayFormatSettings[i].key, expected[i].first) << i;
    EXPECT_EQ(kDisplayFormatSettings[i].defaultFormat, expected[i].second) << i;
  }
}

}  // namespace
}  // namespace units
