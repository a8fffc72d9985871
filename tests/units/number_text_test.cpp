// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace units {
namespace {

const std::string kNbsp = "\xC2\xA0";
const NumberLocale kDotLocale{".", ","};
const NumberLocale kCommaDotLocale{",", "."};
const NumberLocale kCommaNbspLocale{",", kNbsp};

struct ReadCase {
  std::string text;
  double expected;
};

void ExpectReads(const NumberLocale& locale, const std::vector<ReadCase>& cases) {
  for (const ReadCase& c : cases) {
    const std::optional<double> value = ReadNumber(c.text, locale);
    ASSERT_TRUE(value.has_value()) << '"' << c.text << "\" under \"" << locale.decimalSeparator
                                   << '"';
    EXPECT_EQ(*value, c.expected) << '"' << c.text << "\" under \"" << locale.decimalSeparator
                                  << '"';
  }
}

void ExpectRejects(const NumberLocale& locale, const std::vector<std::string>& texts) {
  for (const std::string& text : texts) {
    EXPECT_EQ(ReadNumber(text, locale), std::nullopt)
        << '"' << text << "\" under \"" << locale.decimalSeparator << '"';
    EXPECT_EQ(ReadSingle(text, locale), 0.0f)
        << '"' << text << "\" under \"" << locale.decimalSeparator << '"';
  }
}

TEST(ReadNumber, AcceptsPlainNumbersUnderAPointLocale) {
  ExpectReads(kDotLocale, {{"12.5", 12.5},
                           {"0", 0.0},
                           {"-3", -3.0},
                           {"+3", 3.0},
                           {".5", 0.5},
                           {"5.", 5.0},
                           {"-.5", -0.5},
                           {"007", 7.0},
                           {"1e5", 1e5},
                           {"2.5E-3", 2.5e-3},
                           {"1e+2", 100.0},
                           {"  12.5\t", 12.5},
                           {"\t-0.25  ", -0.25}});
}

TEST(ReadNumber, DropsGroupSeparatorsWhereverTheyStand) {
  ExpectReads(kDotLocale, {{"1,234.5", 1234.5},
                           {"1,2,3", 123.0},
                           {"1,,000", 1000.0},
                           {",5", 5.0},
                           {"5,", 5.0},
                           {"1.5,", 1.5},
                           {"-1,000", -1000.0}});
  ExpectReads(kCommaDotLocale, {{"12,5", 12.5},
                                {"1.234,5", 1234.5},
                                {"1.5", 15.0},
                                {"2,5E-3", 2.5e-3},
                                {"-,5", -0.5}});
  ExpectReads(kCommaNbspLocale, {{"12,5", 12.5},
                                 {"1" + kNbsp + "234,5", 1234.5},
                                 {kNbsp + "7" + kNbsp, 7.0},
                                 {"1" + kNbsp + kNbsp + "0", 10.0}});
}

TEST(ReadNumber, LocaleThatGroupsWithItsDecimalSeparatorReadsTheSeparator) {
  ExpectReads(NumberLocale{",", ","}, {{"1,5", 1.5}});
  ExpectRejects(NumberLocale{",", ","}, {"1,000,5"});
  // An unset separator falls back to the point rather than rejecting all.
  ExpectReads(NumberLocale{"", ""}, {{"1.5", 1.5}});
}

TEST(ReadNumber, RejectsAnythingElse) {
  const std::vector<std::string> rejected = {
      "", " ", "\t", "-", "+", ".", "-.", "+-1", "--1", "1-", "1+", "abc", "12a", "a12",
      "nan", "NaN", "-nan", "inf", "-inf", "Infinity", "0x1A", "0x1p3", "1e", "1e+", "e5",
      ".e5", "1.2.3", "1 2", "1e5.5", "1e5e5", "\xE2\x88\x92" "5", "5%", "$5", "1" + kNbsp};
  ExpectRejects(kDotLocale, rejected);
  // A point is neither the separator nor the grouping of this locale.
  ExpectRejects(kCommaNbspLocale, {"1.5", "1,2,3", "", ",", "-", "nan", "1 000"});
  ExpectRejects(kCommaDotLocale, {",", ".", "-,", "1,2,3", "1e5,5"});
}

TEST(ReadNumber, ValuesBeyondDoubleRangeAreRejectedAndTinyOnesAreZero) {
  ExpectRejects(kDotLocale, {"1e999", "-1e999", "1e99999999999999999999",
                             std::string(400, '9'), "1" + std::string(400, '0') + ".5"});
  ExpectReads(kDotLocale, {{"1e-999", 0.0},
                           {"-1e-999", 0.0},
                           {"0." + std::string(400, '0') + "1", 0.0},
                           {"0e99999", 0.0},
                           {"1e-99999999999999999999", 0.0}});
  EXPECT_TRUE(std::signbit(*ReadNumber("-1e-999", kDotLocale)));
}

TEST(ReadNumber, LongTextsAreReadWithoutTrouble) {
  ExpectReads(kDotLocale, {{std::string(5000, '0') + "1.5", 1.5},
                           {"1." + std::string(5000, '0'), 1.0},
                           {std::string(5000, ' ') + "2" + std::string(5000, '\t'), 2.0}});
  ExpectRejects(kDotLocale, {std::string(10000, 'x'), std::string(10000, '-')});
}

TEST(ReadSingle, GivesZeroBeyondSinglePrecisionRange) {
  const NumberLocale& dot = kDotLocale;
  EXPECT_EQ(ReadSingle("3.4e38", dot), 3.4e38f);
  EXPECT_EQ(ReadSingle("-3.4e38", dot), -3.4e38f);
  EXPECT_EQ(ReadSingle("3.5e38", dot), 0.0f);
  EXPECT_EQ(ReadSingle("-3.5e38", dot), 0.0f);
  EXPECT_EQ(ReadSingle("1e39", dot), 0.0f);
  EXPECT_EQ(ReadSingle("1e300", dot), 0.0f);
  EXPECT_EQ(ReadSingle("1e999", dot), 0.0f);
  EXPECT_EQ(ReadSingle("1e-50", dot), 0.0f);
  EXPECT_EQ(ReadSingle("12,5", kCommaNbspLocale), 12.5f);
  EXPECT_EQ(ReadSingle("1.25", dot), 1.25f);
}

TEST(ReadSingle, NeverGivesANonFiniteNumber) {
  for (const char* text : {"nan", "inf", "-inf", "1e999", "-1e999", "3.5e38", "1e-999",
                           "340282356779733661637539395458142568448"}) {
    EXPECT_TRUE(std::isfinite(ReadSingle(text, kDotLocale))) << text;
  }
}

}  // namespace
}  // namespace units
