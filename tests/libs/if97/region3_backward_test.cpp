// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "region3.h"
#include "region3_backward_ph_ps.h"
#include "region3_check_values.h"
#include "region3_volume_tp.h"

namespace {

using namespace if97::region3;

TEST(Region3BackwardTp, VolumeMatchesPublishedValuesInEverySubregion) {
  const auto rows = region3_test::checkValues({"v_of_pT"}, "3");
  ASSERT_EQ(rows.size(), 52u);
  for (const auto& row : rows) {
    // The published 3z value at (647.15 K, 22.064 MPa) lies within 0.03 of a
    // last-digit unit of a rounding midpoint: either rounding is right.
    const bool atRoundingMidpoint = row.region == "3z" && row.input("p_MPa") == 22.064;
    const double tolerance = (atRoundingMidpoint ? 2.0 : 1.0) * row.halfLastDigit();
    EXPECT_NEAR(backward::specificVolumeTp(row.input("T_K"), row.input("p_MPa")), row.value, tolerance)
        << row.describe();
  }
}

TEST(Region3BackwardTp, EachPublishedStateFallsInTheSubregionItIsListedFor) {
  for (const auto& row : region3_test::checkValues({"v_of_pT"}, "3")) {
    const char listed = row.region.at(1);
    const Subregion chosen = subregionTp(row.input("T_K"), row.input("p_MPa"));
    EXPECT_EQ(static_cast<char>('a' + static_cast<int>(chosen)), listed) << row.describe();
  }
}

TEST(Region3BackwardTp, SubregionBoundariesMatchPublishedValues) {
  const struct {
    const char* property;
    SubregionBoundary boundary;
  } boundaries[] = {
      {"T3ab_of_p", SubregionBoundary::ab}, {"T3cd_of_p", SubregionBoundary::cd},
      {"T3ef_of_p", SubregionBoundary::ef}, {"T3gh_of_p", SubregionBoundary::gh},
      {"T3ij_of_p", SubregionBoundary::ij}, {"T3jk_of_p", SubregionBoundary::jk},
      {"T3mn_of_p", SubregionBoundary::mn}, {"T3op_of_p", SubregionBoundary::op},
      {"T3qu_of_p", SubregionBoundary::qu}, {"T3rx_of_p", SubregionBoundary::rx},
      {"T3uv_of_p", SubregionBoundary::uv}, {"T3wx_of_p", SubregionBoundary::wx},
  };
  for (const auto& entry : boundaries) {
    const auto rows = region3_test::checkValues({entry.property}, "boundary 3");
    ASSERT_EQ(rows.size(), 1u) << entry.property;
    EXPECT_NEAR(boundaryTemperature(entry.boundary, rows[0].input("p_MPa")), rows[0].value,
                rows[0].halfLastDigit())
        << rows[0].describe();
  }
}

TEST(Region3BackwardTp, OutsideRegion3IsNotANumber) {
  EXPECT_TRUE(std::isnan(backward::specificVolumeTp(620.0, 50.0)));   // region 1
  EXPECT_TRUE(std::isnan(backward::specificVolumeTp(700.0, 20.0)));   // below B23: region 2
  EXPECT_TRUE(std::isnan(backward::specificVolumeTp(700.0, 100.5)));  // above 100 MPa
  EXPECT_TRUE(std::isnan(backward::specificVolumeTp(870.0, 100.0)));  // region 2
}

TEST(Region3BackwardPh, TemperatureAndVolumeMatchPublishedValues) {
  const auto rows = region3_test::checkValues({"T_of_ph", "v_of_ph"}, "3");
  ASSERT_EQ(rows.size(), 12u);
  for (const auto& row : rows) {
    const double p = row.input("p_MPa");
    const double h = row.input("h_kJkg");
    const double actual = row.property == "T_of_ph" ? backward::temperaturePh(p, h)
                                                    : backward::specificVolumePh(p, h);
    EXPECT_NEAR(actual, row.value, row.halfLastDigit()) << row.describe();
  }
}

TEST(Region3BackwardPs, TemperatureAndVolumeMatchPublishedValues) {
  const auto rows = region3_test::checkValues({"T_of_ps", "v_of_ps"}, "3");
  ASSERT_EQ(rows.size(), 12u);
  for (const auto& row : rows) {
    const double p = row.input("p_MPa");
    const double s = row.input("s_kJkgK");
    const double actual = row.property == "T_of_ps" ? backward::temperaturePs(p, s)
                                                    : backward::specificVolumePs(p, s);
    EXPECT_NEAR(actual, row.value, row.halfLastDigit()) << row.describe();
  }
}

TEST(Region3BackwardPh, CriticalIsentropeSplitsSubregionsAAndB) {
  const auto rows = region3_test::checkValues({"h3ab_of_p"}, "3a/3b");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_NEAR(criticalIsentropeEnthalpy(rows[0].input("p_MPa")), rows[0].value, rows[0].halfLastDigit());
}

TEST(Region3SaturationPressure, FromEnthalpyAndEntropyMatchPublishedValues) {
  const auto rows = region3_test::checkValues({"p3sat_of_h", "p3sat_of_s"}, "3");
  ASSERT_EQ(rows.size(), 6u);
  for (const auto& row : rows) {
    const double actual = row.property == "p3sat_of_h"
                              ? backward::saturationPressureH(row.input("h_kJkg"))
                              : backward::saturationPressureS(row.input("s_kJkgK"));
    EXPECT_NEAR(actual, row.value, row.halfLastDigit()) << row.describe();
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
