// How the range texts a user types expand into the values of a table.
#include "analysis/sweep_range.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace analysis {
namespace {

struct RangeCase {
  const char* text;
  bool logarithmic;
  std::vector<double> values;
  const char* unit;
};

class RangeExpansion : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeExpansion, GivesEachValueOnceInOrder) {
  const RangeCase& c = GetParam();
  const SweepValues range = ParseSweepValues(c.text, c.logarithmic);
  ASSERT_TRUE(range.ok()) << c.text << ": " << range.error;
  EXPECT_EQ(range.unit, c.unit) << c.text;
  ASSERT_EQ(range.values.size(), c.values.size()) << c.text;
  for (std::size_t i = 0; i < c.values.size(); ++i) {
    EXPECT_NEAR(range.values[i], c.values[i], 1e-12 * std::fabs(c.values[i]) + 1e-300)
        << c.text << " value " << i;
  }
  EXPECT_FALSE(range.endsAtCriticalPoint);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RangeExpansion,
    ::testing::Values(
        RangeCase{"0:100:25", false, {0, 25, 50, 75, 100}, ""},
        // A float step that lands on the end a rounding away keeps the end.
        RangeCase{"0:1:0.1", false, {0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0}, ""},
        RangeCase{"0:1:0.3", false, {0, 0.3, 0.6, 0.9}, ""},
        RangeCase{"300:100:100 C", false, {300, 200, 100}, "C"},
        RangeCase{"5:5:1\u00B0C", false, {5}, "\u00B0C"},
        RangeCase{"1e2:3e2:1e2 psia", false, {100, 200, 300}, "psia"},
        RangeCase{" 100 , 200,100, 300 kPa ", false, {100, 200, 300}, "kPa"},
        RangeCase{"0.5", false, {0.5}, ""},
        RangeCase{"-10:10:10K", false, {-10, 0, 10}, "K"},
        RangeCase{"1:1000:3", true,
                  {1, 2.154434690031884, 4.641588833612779, 10, 21.54434690031884,
                   46.41588833612779, 100, 215.4434690031884, 464.1588833612779, 1000},
                  ""},
        RangeCase{"1:100:1 MPa", true, {1, 10, 100}, "MPa"},
        RangeCase{"100:1:1", true, {100, 10, 1}, ""},
        RangeCase{"1:50:1", true, {1, 10}, ""}));

TEST(RangeExpansion, TheEndOfAFloatStepIsTheEndAsWritten) {
  const SweepValues range = ParseSweepValues("0.1:0.7:0.2", false);
  ASSERT_TRUE(range.ok());
  ASSERT_EQ(range.values.size(), 4u);
  EXPECT_EQ(range.values.back(), 0.7);
}

TEST(RangeExpansion, RefusesWhatIsNoRange) {
  for (const char* text : {"", "1:2", "1:2:3:4", "a:2:1", "1:b:1", "1:2:0", "1:2:-1", "1,,2",
                           "1:1e12:1e-3", "kPa"}) {
    EXPECT_FALSE(ParseSweepValues(text, false).ok()) << text;
  }
  for (const char* text : {"0:10:1", "-1:10:1", "1:10:0"}) {
    EXPECT_FALSE(ParseSweepValues(text, true).ok()) << text;
  }
}

TEST(RangePresets, AreThePrintedTablesTemperaturesEndingAtTheCriticalPoint) {
  struct Preset {
    const char* name;
    const char* unit;
    double first;
    double second;
    double tenStart;
    double last;
    std::size_t count;
  };
  for (const Preset& p : {Preset{"Textbook SI", "\u00B0C", 0.01, 5, 100, 370, 1 + 19 + 28},
                          Preset{"textbook ip", "\u00B0F", 32.018, 35, 100, 700, 1 + 13 + 61}}) {
    const SweepValues preset = ParseSweepValues(p.name, false);
    ASSERT_TRUE(preset.ok()) << p.name;
    EXPECT_TRUE(preset.endsAtCriticalPoint) << p.name;
    EXPECT_EQ(preset.unit, p.unit);
    ASSERT_EQ(preset.values.size(), p.count) << p.name;
    EXPECT_EQ(preset.values[0], p.first);
    EXPECT_EQ(preset.values[1], p.second);
    EXPECT_EQ(preset.values.back(), p.last);
    // The step changes from 5 to 10 at 100, which appears once.
    EXPECT_EQ(std::count(preset.values.begin(), preset.values.end(), p.tenStart), 1);
  }
}

}  // namespace
}  // namespace analysis
