// The chains through libHydrix.so next to the critical point, at the 1073.15 K
// limit above 50 MPa and at h'', s'' just above ps(623.15 K), in the
// program's units (deg F, atm, J/kg, J/(kg K)). Each place has the state it
// was found with and a sweep that walks it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "hydrix_library.h"

namespace {

using if97_test::Hydrix;

constexpr double kAtm = 0.101325;  // MPa
constexpr double kCriticalPressure = 22.064;
constexpr double kCriticalTemperature = 647.096;
constexpr double kRegion3SaturationPressure = 16.529164252604509;  // MPa, ps(623.15 K)
constexpr double kNoisyUlps = 64.0;

double fahrenheit(double T) { return (T - 273.15) * 1.8 + 32.0; }
double up(double x) { return std::nextafter(x, std::numeric_limits<double>::infinity()); }
double down(double x) { return std::nextafter(x, -std::numeric_limits<double>::infinity()); }

// n pressures in atm at pc - d, d log-spaced over [dLow, dHigh] MPa.
std::vector<double> belowCriticalPressure(double dLow, double dHigh, int n) {
  std::vector<double> out;
  for (int i = 0; i < n; ++i) {
    out.push_back((kCriticalPressure - dLow * std::pow(dHigh / dLow, i / double(n - 1))) / kAtm);
  }
  return out;
}

class HydrixCriticalPointAndLimits : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(lib.library.isOpen()) << lib.library.error();
    lib.useProgramUnits();
  }

  // One (p, h) or (p, s) input: wet with T = STM_sTp and a quality in
  // [0, 1], or single-phase with a temperature whose h (s) is the input to
  // 1e-9 relative, on the side of Ts the ends put it.
  void expectConsistent(double pAtm, double value, bool enthalpy, double liquidEnd, double vapourEnd) {
    const double t = enthalpy ? lib.nTph(pAtm, value) : lib.nTps(pAtm, value);
    const double ts = lib.sTp(pAtm);
    const bool wet = (enthalpy ? lib.IsSat_ph(pAtm, value) : lib.IsSat_ps(pAtm, value)) != 0;
    ASSERT_FALSE(std::isnan(t));
    // From end to end it is wet; next to pc the branches at p may end
    // beyond the ends the caller sees, and up to there it is wet too.
    if (value >= liquidEnd && value <= vapourEnd) {
      EXPECT_TRUE(wet);
    }
    if (wet) {
      EXPECT_EQ(t, ts);
      const double x = enthalpy ? lib.sXph(pAtm, value) : lib.sXps(pAtm, value);
      EXPECT_TRUE(x >= 0.0 && x <= 1.0) << x;
      return;
    }
    // Next to the critical point h (s) can step by more than 1e-9 between
    // neighbouring temperatures; the nearest one is then as close as it gets.
    const auto at = [&](double tt) { return enthalpy ? lib.nHtp(tt, pAtm) : lib.nStp(tt, pAtm); };
    const double back = at(t);
    const double step = std::fmax(std::fabs(at(up(t)) - back), std::fabs(back - at(down(t))));
    EXPECT_NEAR(back, value, std::fmax(1e-9 * std::fabs(value), step)) << "t = " << t;
    if (value < liquidEnd) {
      EXPECT_LE(t, ts);
    } else {
      EXPECT_GT(t, ts);
    }
  }

  // The ends at pAtm as the caller sees them, then inputs at and around them
  // and across the gap between them, in rising order: each consistent, and
  // T never falling.
  void walkIsobar(double pAtm, bool enthalpy) {
    const double t = lib.sTp(pAtm);
    const double liquid = enthalpy ? lib.sHtx(t, 0.0) : lib.sStx(t, 0.0);
    const double vapour = enthalpy ? lib.sHtx(t, 1.0) : lib.sStx(t, 1.0);
    ASSERT_LE(liquid, vapour);
    const double width = std::fmax(vapour - liquid, 1e-6 * liquid);
    std::vector<double> values;
    for (int k = -4; k <= 0; ++k) values.push_back(liquid + 0.25 * k * width);
    for (double end : {liquid, vapour}) {
      for (double v : {end * (1.0 - 1e-15), down(end), end, up(end), end * (1.0 + 1e-15)}) values.push_back(v);
    }
    for (int k = 1; k <= 7; ++k) values.push_back(liquid + k * width / 8.0);
    for (int k = 1; k <= 4; ++k) values.push_back(vapour + 0.25 * k * width);
    std::sort(values.begin(), values.end());
    double previous = -std::numeric_limits<double>::infinity();
    for (double value : values) {
      SCOPED_TRACE(std::to_string(pAtm) + " atm, " + std::to_string(value));
      expectConsistent(pAtm, value, enthalpy, liquid, vapour);
      const double tv = enthalpy ? lib.nTph(pAtm, value) : lib.nTps(pAtm, value);
      // Within about 1e-7 MPa of pc h (s) from the (t, p) functions is itself
      // noisy by a few of its steps between neighbouring temperatures (the
      // density of a flat isotherm carries the rounding of p); the nearest
      // temperature can then fall by a few ulps, never by more.
      EXPECT_GE(tv, previous - kNoisyUlps * (up(previous) - previous));
      previous = tv;
    }
  }

  Hydrix lib;
};

// ---- Next to pc: the vapour branch starts a hair above Ts --------------------

TEST_F(HydrixCriticalPointAndLimits, BetweenTheMergedEndAndTheVapourBranchIsWet) {
  const double pAtm = 217.75465789416876;
  const double h = 2086694.128699037;
  EXPECT_EQ(lib.IsSat_ph(pAtm, h), 1);
  EXPECT_EQ(lib.nTph(pAtm, h), lib.sTp(pAtm));
  const double x = lib.sXph(pAtm, h);
  EXPECT_GT(x, 0.0);
  EXPECT_LT(x, 1.0);
  // liquid a hair below h' stays at or below Ts
  const double hLiquid = lib.sHtx(lib.sTp(pAtm), 0.0);
  EXPECT_LE(lib.nTph(pAtm, hLiquid * (1.0 - 1e-9)), lib.sTp(pAtm));
  // T along the isobar where it used to fall
  const double q = 217.75474002559213;
  EXPECT_LE(lib.nTph(q, 2087528.085971837), lib.nTph(q, 2087561.471239183));
}

TEST_F(HydrixCriticalPointAndLimits, EveryInputNextToPcIsWetOrComesBack) {
  for (double pAtm : belowCriticalPressure(1e-10, 1e-4, 300)) {
    walkIsobar(pAtm, true);
    walkIsobar(pAtm, false);
  }
}

TEST_F(HydrixCriticalPointAndLimits, TheSaturatedStateIsFiniteToTheTpFunctions) {
  for (double pAtm : belowCriticalPressure(1e-10, 1e-4, 4000)) {
    const double t = lib.sTp(pAtm);
    SCOPED_TRACE(std::to_string(pAtm) + " atm");
    EXPECT_TRUE(std::isfinite(lib.nCPtp(t, pAtm)));
    EXPECT_TRUE(std::isfinite(lib.nCVtp(t, pAtm)));
    EXPECT_TRUE(std::isfinite(lib.nWtp(t, pAtm)));
    // the (t, p) functions see one of the saturated ends, not a state between
    const double v = lib.nDtp(t, pAtm);
    const double vLiquid = lib.sDtx(t, 0.0), vVapour = lib.sDtx(t, 1.0);
    EXPECT_TRUE(std::fabs(v - vLiquid) <= 1e-4 * vLiquid || std::fabs(v - vVapour) <= 1e-4 * vVapour)
        << v << " " << vLiquid << " " << vVapour;
  }
  const double pAtm = 217.75465840211814;
  const double t = lib.sTp(pAtm);
  EXPECT_TRUE(std::isfinite(lib.nCPtp(t, pAtm)));
  EXPECT_NEAR(lib.nDtp(t, pAtm), lib.sDtx(t, 0.0), 1e-6 * lib.sDtx(t, 0.0));
}

TEST_F(HydrixCriticalPointAndLimits, HeatCapacitiesAroundTheCriticalPointAreFinite) {
  std::mt19937_64 random(17);
  std::uniform_real_distribution<double> within(-1e-9, 1e-9);
  for (int i = 0; i < 20000; ++i) {
    const double t = fahrenheit(kCriticalTemperature + within(random));
    const double pAtm = (kCriticalPressure + within(random)) / kAtm;
    ASSERT_TRUE(std::isfinite(lib.nCPtp(t, pAtm))) << t << " F, " << pAtm << " atm";
    ASSERT_TRUE(std::isfinite(lib.nCVtp(t, pAtm))) << t << " F, " << pAtm << " atm";
  }
}

// ---- 1073.15 K above 50 MPa ------------------------------------------------------

TEST_F(HydrixCriticalPointAndLimits, TheUpperLimitReturnedIsInsideTheRange) {
  const auto wholeChain = [this](double t, double pAtm) {
    SCOPED_TRACE(std::to_string(t) + " F, " + std::to_string(pAtm) + " atm");
    EXPECT_FALSE(std::isnan(lib.nStp(t, pAtm)));
    EXPECT_FALSE(std::isnan(lib.nDtp(t, pAtm)));
    EXPECT_FALSE(std::isnan(lib.nHtp(t, pAtm)));
    EXPECT_FALSE(std::isnan(lib.nCPtp(t, pAtm)));
    EXPECT_FALSE(std::isnan(lib.nCVtp(t, pAtm)));
    EXPECT_FALSE(std::isnan(lib.nWtp(t, pAtm)));
  };
  const double pAtm = 735.0136014887916;
  wholeChain(lib.nTph(pAtm, lib.nHtp(1472.0000000000002, pAtm)), pAtm);
  for (int i = 0; i < 400; ++i) {
    const double p = 20.0 * std::pow(100.0 / 20.0, i / 399.0);  // both sides of 50 MPa
    const double a = p / kAtm;
    for (double t : {down(1472.0), 1472.0, up(1472.0), up(up(1472.0))}) {
      const double h = lib.nHtp(t, a);
      const double s = lib.nStp(t, a);
      if (std::isnan(h)) continue;  // beyond the range at this pressure
      const double th = lib.nTph(a, h), ts = lib.nTps(a, s);
      wholeChain(th, a);
      wholeChain(ts, a);
      // Up to 50 MPa regions 2 and 5 meet here with a jump in h and s.
      if (p > 50.0) {
        EXPECT_NEAR(th, t, 1e-9);
        EXPECT_NEAR(ts, t, 1e-9);
      }
    }
  }
}

// ---- h'' and s'' just above ps(623.15 K) ----------------------------------------

TEST_F(HydrixCriticalPointAndLimits, WetAtTheVapourEndMeansTheSaturationTemperature) {
  std::vector<double> pressures{163.13017940252948};
  for (int k = 1; k <= 15; ++k) {
    pressures.push_back(kRegion3SaturationPressure * (1.0 + std::pow(10.0, -k)) / kAtm);
  }
  for (double pAtm : pressures) {
    const double t = lib.sTp(pAtm);
    for (bool enthalpy : {true, false}) {
      const double end = enthalpy ? lib.sHtx(t, 1.0) : lib.sStx(t, 1.0);
      for (double value : {down(end), end}) {
        SCOPED_TRACE(std::to_string(pAtm) + " atm, " + std::to_string(value));
        const bool wet = (enthalpy ? lib.IsSat_ph(pAtm, value) : lib.IsSat_ps(pAtm, value)) != 0;
        EXPECT_TRUE(wet);
        EXPECT_EQ(enthalpy ? lib.nTph(pAtm, value) : lib.nTps(pAtm, value), t);
      }
    }
  }
}

}  // namespace
