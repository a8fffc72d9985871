#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "region3.h"
#include "region3_backward_ph_ps.h"
#include "region3_check_values.h"

namespace {

using namespace if97::region3;

TEST(Region3BackwardPh, TemperatureAndVolumeMatchPublishedValues) {
  const auto rows = region3_test::checkValues({"T_of_ph", "v_of_ph"}, "3");
  ASSERT_EQ(rows.size(), 12u);
  for (const auto& row : rows) {
    const double p = row.input.at("p_MPa");
    const double h = row.input.at("h_kJkg");
    const double actual = row.property == "T_of_ph" ? backward::temperaturePh(p, h)
                                                    : backward::specificVolumePh(p, h);
    EXPECT_NEAR(actual, row.value, row.halfLastDigit) << row.property << " in " << row.region << " at " << row.inputs;
  }
}

TEST(Region3BackwardPs, TemperatureAndVolumeMatchPublishedValues) {
  const auto rows = region3_test::checkValues({"T_of_ps", "v_of_ps"}, "3");
  ASSERT_EQ(rows.size(), 12u);
  for (const auto& row : rows) {
    const double p = row.input.at("p_MPa");
    const double s = row.input.at("s_kJkgK");
    const double actual = row.property == "T_of_ps" ? backward::temperaturePs(p, s)
                                                    : backward::specificVolumePs(p, s);
    EXPECT_NEAR(actual, row.value, row.halfLastDigit) << row.property << " in " << row.region << " at " << row.inputs;
  }
}

TEST(Region3BackwardPh, CriticalIsentropeSplitsSubregionsAAndB) {
  const auto rows = region3_test::checkValues({"h3ab_of_p"}, "3a/3b");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_NEAR(criticalIsentropeEnthalpy(rows[0].input.at("p_MPa")), rows[0].value, rows[0].halfLastDigit);
}

TEST(Region3SaturationPressure, FromEnthalpyAndEntropyMatchPublishedValues) {
  const auto rows = region3_test::checkValues({"p3sat_of_h", "p3sat_of_s"}, "3");
  ASSERT_EQ(rows.size(), 6u);
  for (const auto& row : rows) {
    const double actual = row.property == "p3sat_of_h"
                              ? backward::saturationPressureH(row.input.at("h_kJkg"))
                              : backward::saturationPressureS(row.input.at("s_kJkgK"));
    EXPECT_NEAR(actual, row.value, row.halfLastDigit) << row.property << " at " << row.inputs;
  }
}

TEST(Region3SaturationPressure, OutsideTheSaturationLineOfRegion3IsNotANumber) {
  EXPECT_TRUE(std::isnan(backward::saturationPressureH(1600.0)));
  EXPECT_TRUE(std::isnan(backward::saturationPressureH(2600.0)));
  EXPECT_TRUE(std::isnan(backward::saturationPressureS(3.7)));
  EXPECT_TRUE(std::isnan(backward::saturationPressureS(5.3)));
}

TEST(Region3Backward, UnusableArgumentsGiveNotANumberOrAFiniteValue) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double denormal = std::numeric_limits<double>::denorm_min();
  const double values[] = {nan, inf, -inf, 0.0, -20.0, denormal, 1e308, -1e308, 25.0, 650.0, 2000.0, 4.4};
  for (double a : values) {
    for (double b : values) {
      for (double (*equation)(double, double) :
           {backward::specificVolumeTp, backward::temperaturePh, backward::specificVolumePh,
            backward::temperaturePs, backward::specificVolumePs}) {
        const double result = equation(a, b);
        EXPECT_TRUE(std::isnan(result) || std::isfinite(result)) << a << ", " << b;
      }
    }
    for (double (*equation)(double) : {backward::saturationPressureH, backward::saturationPressureS}) {
      const double result = equation(a);
      EXPECT_TRUE(std::isnan(result) || std::isfinite(result)) << a;
    }
  }
}

}  // namespace
