// The compute command's chains through libHydrix.so at the places where they
// used to break: the seams of region 3, the critical point, the ends of the
// temperature range and of the saturation line, and states a rounding from
// the saturated ends. Each case is in the program's units (deg F, atm, J/kg,
// J/(kg K)); each sweep walks the place where its case was found.
#include <gtest/gtest.h>

#include <hydrelix/if97.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "boundary_b23.h"
#include "hydrix_library.h"
#include "region1.h"
#include "region2.h"
#include "region3.h"

namespace {

using if97_test::Hydrix;
using if97_test::Property2;

constexpr double kAtm = 0.101325;  // MPa
constexpr double kRegion13Temperature = 623.15;
constexpr double kRegion3SaturationPressure = 16.529164252604509;  // MPa, ps(623.15 K)

double fahrenheit(double T) { return (T - 273.15) * 1.8 + 32.0; }
double up(double x) { return std::nextafter(x, std::numeric_limits<double>::infinity()); }
double down(double x) { return std::nextafter(x, -std::numeric_limits<double>::infinity()); }

// n pressures spread evenly in log p over [low, high], MPa.
std::vector<double> logSpaced(double low, double high, int n) {
  std::vector<double> out;
  for (int i = 0; i < n; ++i) out.push_back(low * std::pow(high / low, i / double(n - 1)));
  return out;
}

class HydrixSeamsAndEnds : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(lib.library.isOpen()) << lib.library.error();
    lib.useProgramUnits();
  }
  void TearDown() override { lib.useProgramUnits(); }

  // T along an isobar through the values (J/kg or J/(kg K)), which rise: no
  // NaN, never falling.
  void expectRisingTemperatures(double pAtm, const std::vector<double>& values, bool enthalpy) {
    double previous = -std::numeric_limits<double>::infinity();
    for (double value : values) {
      const double t = enthalpy ? lib.nTph(pAtm, value) : lib.nTps(pAtm, value);
      ASSERT_FALSE(std::isnan(t)) << pAtm << " atm, " << value;
      EXPECT_GE(t, previous) << pAtm << " atm, " << value;
      previous = t;
    }
  }

  Hydrix lib;
};

std::vector<double> across(double a, double b, int n) {
  std::vector<double> out;
  const double low = std::fmin(a, b), high = std::fmax(a, b), margin = 0.5 * (high - low);
  for (int i = 0; i <= n; ++i) out.push_back(low - margin + (high - low + 2.0 * margin) * i / n);
  return out;
}

// ---- 623.15 K: h1 < h3 on the seam above ps(623.15 K) ------------------------

TEST_F(HydrixSeamsAndEnds, AStateInTheGapAt62315KGetsTheSeamOnRegion1sSide) {
  struct Case {
    double pAtm, value;
    bool enthalpy;
  };
  const double pNearLine = 16.529164252605 / kAtm;
  const double hLiquid = lib.sHtx(lib.sTp(pNearLine), 0.0);
  for (const Case& c : std::vector<Case>{{394.7693066864051, 1588754.6432966846, true},
                                         {394.7693066864051, 3586.981603, false},
                                         {pNearLine, hLiquid * (1.0 - 1e-6), true}}) {
    SCOPED_TRACE(std::to_string(c.pAtm) + " atm, " + std::to_string(c.value));
    const double t = c.enthalpy ? lib.nTph(c.pAtm, c.value) : lib.nTps(c.pAtm, c.value);
    EXPECT_NEAR(t, fahrenheit(kRegion13Temperature), 1e-12);
    // region 1's own h at 623.15 K, not region 3's
    const double p = c.pAtm * kAtm;
    EXPECT_NEAR(lib.nHtp(t, c.pAtm), 1e3 * if97::region1::specificEnthalpy(623.15, p), 1e-9 * 1.6e6);
    EXPECT_EQ(lib.IsSat_ph(c.pAtm, c.value), 0);
  }
}

TEST_F(HydrixSeamsAndEnds, TemperatureRisesAcrossThe62315KSeamOnEveryIsobar) {
  for (double p : logSpaced(kRegion3SaturationPressure * (1.0 + 1e-12), 100.0, 60)) {
    const double rho3 = if97::region3::densityTp(623.15, p);
    const double h1 = 1e3 * if97::region1::specificEnthalpy(623.15, p);
    const double h3 = 1e3 * if97::region3::specificEnthalpy(rho3, 623.15);
    const double s1 = 1e3 * if97::region1::specificEntropy(623.15, p);
    const double s3 = 1e3 * if97::region3::specificEntropy(rho3, 623.15);
    SCOPED_TRACE(std::to_string(p) + " MPa");
    expectRisingTemperatures(p / kAtm, across(h1, h3, 80), true);
    expectRisingTemperatures(p / kAtm, across(s1, s3, 80), false);
    // inside the gap (higher up the two overlap): region 1 at the returned
    // temperature
    if (h1 < h3) {
      const double t = lib.nTph(p / kAtm, 0.5 * (h1 + h3));
      EXPECT_NEAR(t, fahrenheit(623.15), 1e-12);
      EXPECT_NEAR(lib.nHtp(t, p / kAtm), h1, 1e-6) << "t = " << t;
    }
  }
}

// ---- B23: h3 < h2 on the seam ------------------------------------------------

TEST_F(HydrixSeamsAndEnds, AStateInTheGapOnB23GetsTB23) {
  const double pAtm = 592.1539600296077;
  const double TB23 = if97::b23::temperature(pAtm * kAtm);
  EXPECT_NEAR(TB23, 785.168131, 1e-6);
  EXPECT_NEAR(lib.nTph(pAtm, 2658486.961181681), fahrenheit(TB23), 1e-9);
}

TEST_F(HydrixSeamsAndEnds, TemperatureRisesAcrossTheB23SeamOnEveryIsobar) {
  for (double p : logSpaced(16.6, 100.0, 60)) {
    const double T = if97::b23::temperature(p);
    const double rho3 = if97::region3::densityTp(T, p);
    const double h2 = 1e3 * if97::region2::specificEnthalpy(T, p);
    const double h3 = 1e3 * if97::region3::specificEnthalpy(rho3, T);
    const double s2 = 1e3 * if97::region2::specificEntropy(T, p);
    const double s3 = 1e3 * if97::region3::specificEntropy(rho3, T);
    SCOPED_TRACE(std::to_string(p) + " MPa");
    expectRisingTemperatures(p / kAtm, across(h3, h2, 80), true);
    expectRisingTemperatures(p / kAtm, across(s3, s2, 80), false);
    if (h3 < h2) {
      EXPECT_NEAR(lib.nTph(p / kAtm, 0.5 * (h2 + h3)), fahrenheit(T), 1e-9);
    }
  }
}

// ---- Within about 3e-5 K of Tc: one root, both ends ---------------------------

TEST_F(HydrixSeamsAndEnds, NextToTheCriticalPointTheVapourEndIsTheBranchsFirstState) {
  const double pAtm = 217.7547485812978;
  const double t = lib.sTp(pAtm);
  EXPECT_NEAR(t, 705.1027993265205, 1e-9);
  EXPECT_NEAR(lib.sDtx(t, 0.0), 0.0031037513, 2e-10);
  // The vapour branch reaches this pressure only a hair above Ts: the vapour
  // end is its first state there, a little lighter than the liquid.
  EXPECT_GT(lib.sDtx(t, 1.0), lib.sDtx(t, 0.0));
  EXPECT_LT(lib.sDtx(t, 1.0), 1.001 * lib.sDtx(t, 0.0));
  EXPECT_GT(lib.sHtx(t, 1.0), lib.sHtx(t, 0.0));
  const double cp = lib.nCPtp(t, pAtm);
  EXPECT_TRUE(std::isfinite(cp));
  EXPECT_GT(cp, 1e3);  // kJ/(kg K): very large, as next to the critical point
}

TEST_F(HydrixSeamsAndEnds, HeatCapacityOnTheLineIsFiniteUpToTheCriticalPressure) {
  std::vector<double> pressures{22.06399999};
  for (int decade = 6; decade <= 13; ++decade) {
    for (int k = 1; k <= 40; ++k) pressures.push_back(22.064 * (1.0 - k * 0.25 * std::pow(10.0, -decade)));
  }
  for (double p : pressures) {
    const double pAtm = p / kAtm;
    const double t = lib.sTp(pAtm);
    SCOPED_TRACE(std::to_string(p) + " MPa");
    EXPECT_TRUE(std::isfinite(lib.nCPtp(t, pAtm))) << p;
    EXPECT_TRUE(std::isfinite(lib.nWtp(t, pAtm))) << p;
    EXPECT_GE(lib.sDtx(t, 1.0), lib.sDtx(t, 0.0));
    EXPECT_GE(lib.sHtx(t, 1.0), lib.sHtx(t, 0.0));
    EXPECT_GE(lib.sStx(t, 1.0), lib.sStx(t, 0.0));
    const double x = lib.sXph(pAtm, lib.sHtx(t, 0.5));
    EXPECT_GE(x, 0.0);
    EXPECT_LE(x, 1.0);
  }
}

// ---- The ends of the temperature range ----------------------------------------

TEST_F(HydrixSeamsAndEnds, TheEnginesOwnEnthalpyAtATemperatureLimitGivesTheLimit) {
  struct Case {
    double t, pAtm;
  };
  for (const Case& c : std::vector<Case>{{3632.0, 13.627055249193692},
                                         {32.0, 0.014114025270405877},
                                         {1472.0, 761.1671370202837}}) {
    EXPECT_NEAR(lib.nTph(c.pAtm, lib.nHtp(c.t, c.pAtm)), c.t, 1e-12) << c.t << " F, " << c.pAtm << " atm";
    EXPECT_NEAR(lib.nTps(c.pAtm, lib.nStp(c.t, c.pAtm)), c.t, 1e-9) << c.t << " F, " << c.pAtm << " atm";
  }
}

TEST_F(HydrixSeamsAndEnds, EveryStateAtATemperatureLimitComesBack) {
  struct Limit {
    double t, lowAtm, highAtm;
  };
  const double pMin = if97::saturationPressure(273.15) / kAtm;
  for (const Limit& l : std::vector<Limit>{{32.0, pMin, 100.0 / kAtm},
                                           {3632.0, 1e-5, 50.0 / kAtm},
                                           {1472.0, 50.0 / kAtm, 100.0 / kAtm}}) {
    for (double pAtm : logSpaced(l.lowAtm, l.highAtm, 300)) {
      const double h = lib.nHtp(l.t, pAtm), s = lib.nStp(l.t, pAtm);
      EXPECT_NEAR(lib.nTph(pAtm, h), l.t, 1e-9) << l.t << " F, " << pAtm << " atm";
      EXPECT_NEAR(lib.nTps(pAtm, s), l.t, 1e-9) << l.t << " F, " << pAtm << " atm";
    }
  }
}

// ---- One rounding from h', h'', s', s'' ------------------------------------------

// Whether a value of a (t, p) function at t is that of the phase on `liquid`'s
// side: nearer its value a little deeper into that phase (0.01 F, less next
// to 32 F) than the same step into the other.
bool onSide(double (*property)(double, double), double t, double pAtm, bool liquid) {
  const double step = std::fmin(0.01, 0.5 * (t - 32.0));
  const double here = property(t, pAtm);
  const double same = property(liquid ? t - step : t + step, pAtm);
  const double other = property(liquid ? t + step : t - step, pAtm);
  return std::fabs(here - same) < std::fabs(here - other);
}

TEST_F(HydrixSeamsAndEnds, AStateBesideTheLineIsTheSamePhaseInEveryTpFunction) {
  // the two cases found, then a sweep over the line
  EXPECT_NEAR(lib.nDtp(lib.nTph(0.010204030111307457, 31343.46626829629), 0.010204030111307457),
              0.0010002, 1e-6);
  EXPECT_NEAR(lib.nStp(lib.nTph(0.010204030111307457, 31343.46626829629), 0.010204030111307457), 113.2,
              0.1);
  EXPECT_NEAR(lib.nDtp(lib.nTph(110.23682076265307, 2702986.6474472038), 110.23682076265307), 0.015681,
              1e-5);

  const Property2 tp[] = {lib.nDtp, lib.nHtp, lib.nStp, lib.nCPtp, lib.nCVtp, lib.nWtp};
  int singlePhase = 0;
  for (double p : logSpaced(if97::saturationPressure(273.15) * 1.0001, 21.5, 300)) {
    const double pAtm = p / kAtm;
    const double ts = lib.sTp(pAtm);
    for (bool enthalpy : {true, false}) {
      const auto end = enthalpy ? lib.sHtx : lib.sStx;
      const auto temperature = enthalpy ? lib.nTph : lib.nTps;
      const auto isSat = enthalpy ? lib.IsSat_ph : lib.IsSat_ps;
      for (double saturated : {end(ts, 0.0), end(ts, 1.0)}) {
        for (double value : {saturated, up(saturated), down(saturated), saturated * (1.0 + 1e-15),
                             saturated * (1.0 - 1e-15)}) {
          const double t = temperature(pAtm, value);
          SCOPED_TRACE(std::to_string(pAtm) + " atm, value " + std::to_string(value) +
                       (enthalpy ? " J/kg" : " J/(kg K)"));
          ASSERT_FALSE(std::isnan(t));
          if (isSat(pAtm, value) != 0) {
            EXPECT_EQ(t, ts);
            continue;
          }
          ++singlePhase;
          const bool liquid = t <= ts;
          EXPECT_EQ(liquid, value < end(ts, 0.5));
          for (Property2 property : tp) {
            EXPECT_TRUE(onSide(property, t, pAtm, liquid));
          }
        }
      }
    }
  }
  EXPECT_GT(singlePhase, 1000);
}

// ---- The bottom of the saturation line -------------------------------------------

TEST_F(HydrixSeamsAndEnds, TheLineIncludesItsLowestPressure) {
  for (int32_t pressureCode : {17, 13, 11}) {
    ASSERT_NE(lib.SetPressUnit(pressureCode), 0);
    const double p = lib.sPt(32.0);
    SCOPED_TRACE("pressure code " + std::to_string(pressureCode));
    EXPECT_EQ(lib.sTp(p), 32.0);
    for (double x : {0.0, 0.25, 1.0}) {
      const double h = lib.sHtx(32.0, x), s = lib.sStx(32.0, x);
      EXPECT_NEAR(lib.sXph(p, h), x, 1e-9) << x;
      EXPECT_NEAR(lib.sXps(p, s), x, 1e-9) << x;
      EXPECT_EQ(lib.nTph(p, h), 32.0) << x;
      EXPECT_EQ(lib.nTps(p, s), 32.0) << x;
    }
  }
}

// ---- Above 623.15 K the saturated ends are region 3's ----------------------------

TEST_F(HydrixSeamsAndEnds, BetweenTheRegion3EndsAStateIsWetAndGetsTs) {
  std::vector<double> pressures = logSpaced(kRegion3SaturationPressure * (1.0 + 1e-12), 16.54, 100);
  for (double p : logSpaced(16.54, 22.06, 100)) pressures.push_back(p);
  for (double p : pressures) {
    const double pAtm = p / kAtm;
    const double ts = lib.sTp(pAtm);
    SCOPED_TRACE(std::to_string(p) + " MPa");
    for (bool enthalpy : {true, false}) {
      const auto end = enthalpy ? lib.sHtx : lib.sStx;
      const auto temperature = enthalpy ? lib.nTph : lib.nTps;
      const auto isSat = enthalpy ? lib.IsSat_ph : lib.IsSat_ps;
      const double liquid = end(ts, 0.0), vapour = end(ts, 1.0);
      const double step = enthalpy ? 1.0 : 1e-3;  // 1 J/kg, 1e-3 J/(kg K)
      for (double inside : {liquid + step, vapour - step, liquid * (1.0 + 1e-12), vapour * (1.0 - 1e-12)}) {
        EXPECT_NE(isSat(pAtm, inside), 0) << inside;
        EXPECT_EQ(temperature(pAtm, inside), ts) << inside;
      }
      for (double outside : {liquid * (1.0 - 1e-12), liquid - step}) {
        EXPECT_EQ(isSat(pAtm, outside), 0) << outside;
        EXPECT_LE(temperature(pAtm, outside), ts) << outside;
      }
      for (double outside : {vapour * (1.0 + 1e-12), vapour + step}) {
        EXPECT_EQ(isSat(pAtm, outside), 0) << outside;
        EXPECT_GT(temperature(pAtm, outside), ts) << outside;
      }
    }
  }
}

}  // namespace
