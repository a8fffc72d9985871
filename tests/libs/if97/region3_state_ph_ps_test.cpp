// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "boundary_b23.h"
#include "region3.h"
#include "region4.h"

namespace {

using namespace if97::region3;
using if97::region4::saturationPressure;
using if97::region4::saturationTemperature;

constexpr double kTc = 647.096;
constexpr double kPc = 22.064;

struct State {
  double T, p;
};

// Region 3 states over the whole region, denser near the critical point and
// along the saturation line on both sides.
std::vector<State> region3States() {
  std::vector<State> states;
  for (double T = 623.15; T <= 863.15; T += 5.0) {
    const double lowest = if97::b23::pressure(T);
    for (double p = lowest; p <= 100.0; p += (100.0 - lowest) / 20.0) states.push_back({T, p});
  }
  for (double T = 643.0; T <= 652.0; T += 0.25) {
    for (double p = 21.0; p <= 23.5; p += 0.1) states.push_back({T, p});
  }
  for (double T = 623.3; T < kTc; T += 0.9) {
    const double ps = saturationPressure(T);
    states.push_back({T, ps * (1.0 + 1e-4)});
    states.push_back({T, ps * (1.0 - 1e-4)});
  }
  for (double dT : {-0.01, -1e-4, 0.0, 1e-4, 0.01}) {
    for (double dp : {-1e-4, 0.0, 1e-4}) states.push_back({kTc + dT, kPc + dp});
  }
  return states;
}

bool inRegion3(const State& s) { return s.T >= 623.15 && s.T <= 863.15 && s.p >= if97::b23::pressure(s.T) && s.p <= 100.0; }

// The state found from (p, z) reproduces p and z through the basic equation
// to 1e-9 relative and lands at the temperature the (T, p) state came from.
void expectConsistent(const TemperatureDensity& found, const State& s, double z, double zFound) {
  ASSERT_TRUE(std::isfinite(found.T) && std::isfinite(found.rho)) << s.T << " K, " << s.p << " MPa";
  EXPECT_NEAR(pressure(found.rho, found.T), s.p, 1e-9 * s.p) << s.T << " K, " << s.p << " MPa";
  EXPECT_NEAR(zFound, z, 1e-9 * std::fabs(z)) << s.T << " K, " << s.p << " MPa";
  EXPECT_NEAR(found.T, s.T, 1e-9 * s.T) << s.p << " MPa";
}

TEST(Region3FromPh, RoundTripFromTemperatureAndPressure) {
  for (const State& s : region3States()) {
    if (!inRegion3(s)) continue;
    const double h = specificEnthalpy(densityTp(s.T, s.p), s.T);
    const TemperatureDensity found = fromPh(s.p, h);
    expectConsistent(found, s, h, specificEnthalpy(found.rho, found.T));
  }
}

TEST(Region3FromPs, RoundTripFromTemperatureAndPressure) {
  for (const State& s : region3States()) {
    if (!inRegion3(s)) continue;
    const double entropy = specificEntropy(densityTp(s.T, s.p), s.T);
    const TemperatureDensity found = fromPs(s.p, entropy);
    expectConsistent(found, s, entropy, specificEntropy(found.rho, found.T));
  }
}

struct SaturatedEnds {
  double Ts, zLiquid, zVapour;
};

SaturatedEnds saturatedEnds(double p, double (*property)(double, double)) {
  const double Ts = saturationTemperature(p);
  double liquid;
  double vapour;
  saturatedDensities(Ts, liquid, vapour);
  return {Ts, property(liquid, Ts), property(vapour, Ts)};
}

TEST(Region3FromPh, TwoPhaseStatesBelowCriticalPressureAreNotRegion3) {
  for (double p = 16.6; p < kPc; p += 0.37) {
    const SaturatedEnds ends = saturatedEnds(p, specificEnthalpy);
    for (double x : {0.0, 1e-9, 0.3, 0.5, 1.0 - 1e-9, 1.0}) {
      const double h = ends.zLiquid + x * (ends.zVapour - ends.zLiquid);
      EXPECT_TRUE(std::isnan(fromPh(p, h).T)) << p << " MPa, x = " << x;
    }
  }
}

TEST(Region3FromPh, StatesJustOutsideSaturationKeepTheirPhase) {
  // 1e-6 kJ/kg beyond the saturated liquid is liquid at or below Ts, beyond
  // the saturated vapour vapour at or above it: never a flip across the line.
  for (double p = 16.6; p < kPc; p += 0.37) {
    const SaturatedEnds ends = saturatedEnds(p, specificEnthalpy);
    const TemperatureDensity liquid = fromPh(p, ends.zLiquid - 1e-6);
    const TemperatureDensity vapour = fromPh(p, ends.zVapour + 1e-6);
    ASSERT_TRUE(std::isfinite(liquid.T) && std::isfinite(vapour.T)) << p << " MPa";
    EXPECT_LE(liquid.T, ends.Ts) << p << " MPa";
    EXPECT_GE(vapour.T, ends.Ts) << p << " MPa";
    EXPECT_NEAR(liquid.T, ends.Ts, 1e-5) << p << " MPa";
    EXPECT_NEAR(vapour.T, ends.Ts, 1e-5) << p << " MPa";
    EXPECT_NEAR(specificEnthalpy(liquid.rho, liquid.T), ends.zLiquid - 1e-6, 1e-9 * ends.zLiquid);
    EXPECT_NEAR(specificEnthalpy(vapour.rho, vapour.T), ends.zVapour + 1e-6, 1e-9 * ends.zVapour);
  }
}

TEST(Region3FromPh, StatesBesideTheSaturationLineNearTheCriticalPointAreSolved) {
  // Close to pc the saturated states sit where the isobar turns sharply; a
  // state a hair beyond them must still be found, on its own side.
  for (double p : {21.0, 21.9, 21.987525, 22.0, 22.05, 22.063, 22.0639}) {
    const SaturatedEnds h = saturatedEnds(p, specificEnthalpy);
    const SaturatedEnds s = saturatedEnds(p, specificEntropy);
    for (double step : {1e-12, 1e-9, 1e-6, 1e-3}) {
      const double vapourH = h.zVapour + step;
      const double liquidH = h.zLiquid - step;
      const double vapourS = s.zVapour + step * 1e-3;
      const double liquidS = s.zLiquid - step * 1e-3;
      const TemperatureDensity states[] = {fromPh(p, vapourH), fromPh(p, liquidH), fromPs(p, vapourS),
                                           fromPs(p, liquidS)};
      for (int k = 0; k < 4; ++k) {
        ASSERT_TRUE(std::isfinite(states[k].T)) << p << " MPa, step " << step << ", case " << k;
        EXPECT_NEAR(pressure(states[k].rho, states[k].T), p, 1e-9 * p) << p << " MPa, step " << step;
      }
      EXPECT_GE(states[0].T, h.Ts) << p << " MPa, step " << step;
      EXPECT_LE(states[1].T, h.Ts) << p << " MPa, step " << step;
      EXPECT_GE(states[2].T, h.Ts) << p << " MPa, step " << step;
      EXPECT_LE(states[3].T, h.Ts) << p << " MPa, step " << step;
      EXPECT_NEAR(specificEnthalpy(states[0].rho, states[0].T), vapourH, 1e-9 * vapourH);
      EXPECT_NEAR(specificEnthalpy(states[1].rho, states[1].T), liquidH, 1e-9 * liquidH);
      EXPECT_NEAR(specificEntropy(states[2].rho, states[2].T), vapourS, 1e-9 * vapourS);
      EXPECT_NEAR(specificEntropy(states[3].rho, states[3].T), liquidS, 1e-9 * liquidS);
    }
  }
}

TEST(Region3FromPs, StatesJustOutsideSaturationKeepTheirPhase) {
  for (double p = 16.6; p < kPc; p += 0.37) {
    const SaturatedEnds ends = saturatedEnds(p, specificEntropy);
    EXPECT_TRUE(std::isnan(fromPs(p, 0.5 * (ends.zLiquid + ends.zVapour)).T)) << p << " MPa";
    const TemperatureDensity liquid = fromPs(p, ends.zLiquid - 1e-9);
    const TemperatureDensity vapour = fromPs(p, ends.zVapour + 1e-9);
    ASSERT_TRUE(std::isfinite(liquid.T) && std::isfinite(vapour.T)) << p << " MPa";
    EXPECT_LE(liquid.T, ends.Ts) << p << " MPa";
    EXPECT_GE(vapour.T, ends.Ts) << p << " MPa";
  }
}

TEST(Region3FromPh, StatesJustBeyondTheSeamsWithRegions1And2AreSolved) {
  // Regions 1 and 2 meet region 3 with small jumps in h; a state the caller
  // puts in region 3 may sit a few mK outside region 3's own limits and must
  // still get its temperature and properties, not a gap.
  for (double p : {20.0, 50.0, 90.0}) {
    const struct {
      double T, outward;
    } edges[] = {{623.15, -0.05}, {if97::b23::temperature(p), 0.05}};
    for (const auto& edge : edges) {
      const double rho = densityTp(edge.T, p);
      const double T = edge.T + edge.outward;
      const double pNear = pressure(rho, T);
      const double h = specificEnthalpy(rho, T);
      ASSERT_TRUE(std::isfinite(pNear) && std::isfinite(h)) << T << " K near " << p << " MPa";
      const TemperatureDensity found = fromPh(pNear, h);
      EXPECT_NEAR(found.T, T, 1e-9 * T) << p << " MPa";
      EXPECT_NEAR(found.rho, rho, 1e-9 * rho) << p << " MPa";
    }
    EXPECT_TRUE(std::isnan(specificEnthalpy(densityTp(623.15, p), 622.95))) << p << " MPa";
  }
}

TEST(Region3FromPh, NeighbouringRegionsAndOutOfRangeInputsAreNotRegion3) {
  EXPECT_TRUE(std::isnan(fromPh(50.0, 1200.0).T));  // compressed liquid of region 1
  EXPECT_TRUE(std::isnan(fromPh(50.0, 3300.0).T));  // steam of region 2
  EXPECT_TRUE(std::isnan(fromPh(16.0, 1800.0).T));  // below region 3's pressures
  EXPECT_TRUE(std::isnan(fromPh(100.5, 2000.0).T));
  EXPECT_TRUE(std::isnan(fromPs(50.0, 3.0).T));
  EXPECT_TRUE(std::isnan(fromPs(50.0, 6.0).T));
}

TEST(Region3FromPh, UnusableArgumentsGiveNotANumberOrAFiniteValue) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double denormal = std::numeric_limits<double>::denorm_min();
  const double values[] = {nan, inf, -inf, 0.0, -20.0, denormal, 1e308, -1e308, 25.0, 2000.0, 4.4};
  for (double p : values) {
    for (double z : values) {
      for (TemperatureDensity (*solve)(double, double) : {fromPh, fromPs}) {
        const TemperatureDensity found = solve(p, z);
        EXPECT_TRUE(std::isnan(found.T) || std::isfinite(found.T)) << p << ", " << z;
        EXPECT_TRUE(std::isnan(found.rho) || std::isfinite(found.rho)) << p << ", " << z;
      }
    }
  }
}

}  // namespace
