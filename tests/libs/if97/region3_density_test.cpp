// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "boundary_b23.h"
#include "region3.h"
#include "region3_volume_tp.h"
#include "region4.h"

namespace {

using namespace if97::region3;
using if97::region4::saturationPressure;
using if97::region4::saturationTemperature;

constexpr double kTc = 647.096;
constexpr double kPc = 22.064;
constexpr double kRhoc = 322.0;

struct State {
  double T, p;
};

// Region 3 states on a coarse grid over the whole region, refined near the
// critical point and along the saturation line, and placed on both sides of
// every subregion boundary the grid crosses.
std::vector<State> region3States() {
  std::vector<State> states;
  for (double T = 623.15; T <= 863.15; T += 2.5) {
    const double lowest = if97::b23::pressure(T);
    for (double p = lowest; p <= 100.0; p += (100.0 - lowest) / 40.0) states.push_back({T, p});
    states.push_back({T, 100.0});
  }
  for (double T = 640.0; T <= 655.0; T += 0.05) {
    for (double p = 20.0; p <= 25.0; p += 0.02) states.push_back({T, p});
  }
  for (double T = 623.2; T < kTc; T += 0.37) {
    const double ps = saturationPressure(T);
    for (double offset : {-1e-3, -1e-6, 0.0, 1e-6, 1e-3}) states.push_back({T, ps + offset});
  }
  for (double dT : {-1e-3, -1e-6, 0.0, 1e-6, 1e-3}) {
    for (double dp : {-1e-3, -1e-6, 0.0, 1e-6, 1e-3}) states.push_back({kTc + dT, kPc + dp});
  }
  // Each subregion boundary over the pressures where it is used, on it and
  // just either side of it.
  const struct {
    SubregionBoundary boundary;
    double pLow, pHigh;
  } boundaries[] = {
      {SubregionBoundary::ab, 25.0, 100.0}, {SubregionBoundary::cd, 19.1, 40.0},
      {SubregionBoundary::ef, 22.5, 40.0},  {SubregionBoundary::gh, 22.5, 25.0},
      {SubregionBoundary::ij, 22.5, 25.0},  {SubregionBoundary::jk, 20.5, 25.0},
      {SubregionBoundary::mn, 22.5, 23.0},  {SubregionBoundary::op, 22.5, 23.0},
      {SubregionBoundary::qu, 21.05, 22.5}, {SubregionBoundary::rx, 21.05, 22.5},
      {SubregionBoundary::uv, 21.94, 22.5}, {SubregionBoundary::wx, 21.91, 22.5},
  };
  for (const auto& b : boundaries) {
    for (int k = 0; k <= 8; ++k) {
      const double p = b.pLow + (b.pHigh - b.pLow) * k / 8.0;
      const double T = boundaryTemperature(b.boundary, p);
      for (double offset : {-1e-2, -1e-9, 0.0, 1e-9, 1e-2}) states.push_back({T + offset, p});
    }
  }
  return states;
}

bool inRegion3(const State& s) { return s.T >= 623.15 && s.T <= 863.15 && s.p >= if97::b23::pressure(s.T) && s.p <= 100.0; }

TEST(Region3DensityTp, PressureOfTheSolvedDensityIsTheGivenPressure) {
  for (const State& s : region3States()) {
    // At the critical point itself the density is rhoc by definition; the
    // equation's own pressure there is 5e-11 MPa short of pc.
    if (!inRegion3(s) || (s.T == kTc && s.p == kPc)) continue;
    const double rho = densityTp(s.T, s.p);
    ASSERT_TRUE(std::isfinite(rho)) << s.T << " K, " << s.p << " MPa";
    EXPECT_NEAR(pressure(rho, s.T), s.p, 1e-12 * s.p) << s.T << " K, " << s.p << " MPa";
  }
}

TEST(Region3DensityTp, StatesStayOnTheirSideOfTheSaturationLine) {
  // Liquid above ps(T) is denser than the saturated liquid, vapour below it
  // lighter than the saturated vapour: never the unstable middle of the loop.
  for (const State& s : region3States()) {
    if (!inRegion3(s) || s.T >= kTc) continue;
    double liquid;
    double vapour;
    ASSERT_TRUE(saturatedDensities(s.T, liquid, vapour));
    const double rho = densityTp(s.T, s.p);
    if (s.p >= kPc || s.T <= saturationTemperature(s.p)) {
      EXPECT_GE(rho, liquid * (1.0 - 1e-12)) << s.T << " K, " << s.p << " MPa";
    } else {
      EXPECT_LE(rho, vapour * (1.0 + 1e-12)) << s.T << " K, " << s.p << " MPa";
    }
  }
}

TEST(Region3DensityTp, AgreesWithTheBackwardEquationsWithinTheirAccuracy) {
  // v(p, T) of the main subregions is within 0.001 % of the basic equation;
  // the near-critical subregions are looser, and right at the critical point
  // no finite accuracy holds, so those states are left out here.
  for (const State& s : region3States()) {
    if (!inRegion3(s)) continue;
    if (std::fabs(s.T - kTc) < 5.0 && std::fabs(s.p - kPc) < 1.5) continue;
    const double rho = densityTp(s.T, s.p);
    EXPECT_NEAR(rho * backward::specificVolumeTp(s.T, s.p), 1.0, 1e-5) << s.T << " K, " << s.p << " MPa";
  }
}

TEST(Region3DensityTp, CriticalPointHasCriticalDensity) {
  EXPECT_EQ(densityTp(kTc, kPc), kRhoc);
  // The critical isotherm is flat to third order: a step of 1e-9 in p or
  // 1e-6 K in T moves the density by about a kg/m3, but continuously.
  EXPECT_NEAR(densityTp(kTc, kPc * (1.0 + 1e-9)), kRhoc, 3.0);
  EXPECT_NEAR(densityTp(kTc + 1e-6, kPc), kRhoc, 3.0);
  EXPECT_NEAR(densityTp(kTc - 1e-6, kPc), kRhoc, 3.0);
}

TEST(Region3DensityTp, OutsideRegion3IsNotANumber) {
  EXPECT_TRUE(std::isnan(densityTp(620.0, 50.0)));
  EXPECT_TRUE(std::isnan(densityTp(700.0, 20.0)));
  EXPECT_TRUE(std::isnan(densityTp(700.0, 100.0001)));
  EXPECT_TRUE(std::isnan(densityTp(863.2, 100.0)));
}

TEST(Region3DensityTp, UnusableArgumentsGiveNotANumberOrAFiniteValue) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double denormal = std::numeric_limits<double>::denorm_min();
  const double values[] = {nan, inf, -inf, 0.0, -20.0, denormal, 1e308, -1e308, 25.0, 650.0};
  for (double T : values) {
    for (double p : values) {
      const double rho = densityTp(T, p);
      EXPECT_TRUE(std::isnan(rho) || std::isfinite(rho)) << T << " K, " << p << " MPa";
    }
  }
}

TEST(Region3SaturatedDensities, BothPhasesAreAtTheSaturationPressure) {
  for (double T = 623.15; T < kTc; T += 0.1) {
    double liquid;
    double vapour;
    ASSERT_TRUE(saturatedDensities(T, liquid, vapour)) << T << " K";
    const double ps = saturationPressure(T);
    EXPECT_NEAR(pressure(liquid, T), ps, 1e-12 * ps) << T << " K";
    EXPECT_NEAR(pressure(vapour, T), ps, 1e-12 * ps) << T << " K";
    EXPECT_GT(liquid, kRhoc) << T << " K";
    EXPECT_LT(vapour, kRhoc) << T << " K";
  }
}

TEST(Region3SaturatedDensities, GibbsEnergyIsNearlyEqualOnBothSides) {
  // ps(T) is its own equation, not the Maxwell pressure of the region 3
  // equation; the two agree to within 5e-4 MPa, which leaves the Gibbs energy
  // of the two phases apart by at most about 2e-3 kJ/kg.
  for (double T = 623.15; T < kTc; T += 0.1) {
    double liquid;
    double vapour;
    ASSERT_TRUE(saturatedDensities(T, liquid, vapour));
    const double gLiquid = specificEnthalpy(liquid, T) - T * specificEntropy(liquid, T);
    const double gVapour = specificEnthalpy(vapour, T) - T * specificEntropy(vapour, T);
    EXPECT_NEAR(gLiquid, gVapour, 2.5e-3) << T << " K";
  }
}

TEST(Region3SaturatedDensities, PhasesMergeAtTheCriticalPoint) {
  double liquid;
  double vapour;
  ASSERT_TRUE(saturatedDensities(kTc, liquid, vapour));
  EXPECT_EQ(liquid, kRhoc);
  EXPECT_EQ(vapour, kRhoc);
  double previousGap = 1e9;
  for (double dT : {1.0, 0.1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6, 1e-8}) {
    ASSERT_TRUE(saturatedDensities(kTc - dT, liquid, vapour));
    const double gap = liquid - vapour;
    // Within about 3e-5 K of Tc ps(T) passes the top of the equation's
    // vapour branch by up to 1e-9 MPa: only the liquid branch reaches it,
    // and both ends are that one state.
    if (dT > 3e-5) {
      EXPECT_GT(gap, 0.0) << dT;
      EXPECT_LT(gap, previousGap) << dT;
    } else {
      EXPECT_GE(gap, 0.0) << dT;
      EXPECT_LE(gap, previousGap) << dT;
    }
    EXPECT_NEAR(pressure(liquid, kTc - dT), saturationPressure(kTc - dT), 1e-9) << dT;
    EXPECT_NEAR(pressure(vapour, kTc - dT), saturationPressure(kTc - dT), 1e-9) << dT;
    previousGap = gap;
  }
}

TEST(Region3SaturatedDensities, LowestTemperatureIsAcceptedWithinRounding) {
  // Ts(p) just above ps(623.15 K) may round to a hair below 623.15 K.
  const double ps623 = saturationPressure(623.15);
  for (double T : {623.15, std::nextafter(623.15, 0.0), saturationTemperature(ps623),
                   saturationTemperature(std::nextafter(ps623, 100.0))}) {
    double liquid;
    double vapour;
    ASSERT_TRUE(saturatedDensities(T, liquid, vapour)) << T;
    EXPECT_NEAR(pressure(liquid, T), ps623, 1e-9) << T;
    EXPECT_NEAR(pressure(vapour, T), ps623, 1e-9) << T;
  }
}

TEST(Region3SaturatedDensities, OutsideRegion3SaturationIsRefused) {
  double liquid;
  double vapour;
  for (double T : {600.0, 623.0, 647.1, 700.0, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_FALSE(saturatedDensities(T, liquid, vapour)) << T;
    EXPECT_TRUE(std::isnan(liquid) && std::isnan(vapour)) << T;
  }
}

}  // namespace
