// SPDX-License-Identifier: GPL-3.0-or-later
// STM_2Tep and STM_nTsp fed what the library itself reports, as the compute
// command chains them: the saturated states of STM_sEpw and STM_sSpw, their
// neighbours an ulp and 1e-15 away, and the states at the ends of the range.
// Every answer must be a number, rise with h and s along the isobar, and be a
// temperature that the (t, p) entry points evaluate on the side of the line
// the value was placed on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "calorix_library.h"
#include "hydrelix/ifc67.h"

namespace {

using ifc67_test::calorix;
using Property2 = ifc67_test::CalorixLibrary::Property2;

enum class Side { Liquid, Vapour };

constexpr double kCriticalPressureAtm = 22.12 / 0.101325;

// Pressures along the whole saturation line, geometrically spaced from its
// lowest point (273.16 K) to just below pc1, off round numbers.
std::vector<double> linePressures(int count) {
  const double lowest = calorix().kPt(calorix().GetMinTemp());
  const double highest = kCriticalPressureAtm * (1.0 - 1e-4);
  std::vector<double> pressures;
  for (int i = 0; i < count; ++i)
    pressures.push_back(lowest * std::pow(highest / lowest, (i + 0.37 * std::sin(7.0 * i) * 0.5 + 0.5) / count));
  pressures.push_back(lowest);
  pressures.push_back(std::nextafter(lowest, 1.0));
  return pressures;
}

// The value itself, every double up to 24 ulps away, and 1e-15 relative
// away, on both sides: right beside the line the (t, p) functions' choice of
// side is noisy by a few ulps, and T must rise through all of it.
std::vector<double> neighbours(double value) {
  std::vector<double> values{value * (1.0 - 1e-15), value, value * (1.0 + 1e-15)};
  double up = value, down = value;
  for (int ulps = 1; ulps <= 24; ++ulps) {
    up = std::nextafter(up, INFINITY);
    down = std::nextafter(down, -INFINITY);
    values.push_back(up);
    values.push_back(down);
  }
  return values;
}

std::string where(double value, double p, const char* pressureUnit = "atm") {
  std::ostringstream text;
  text.precision(17);
  text << std::scientific;
  text << "value " << value << " at p = " << p << " " << pressureUnit;
  return text.str();
}

// Each (t, p) entry point at t against its values as far beyond the line on
// either side (at least 1e-6 F): the nearer one is the side it evaluated.
void expectEvaluatedOn(Side side, double t, double p, const std::string& context) {
  const auto& lib = calorix();
  const double line = lib.kTp(p);
  const double distance = std::fmax(1e-6, std::fabs(t - line));
  const double liquidT = std::fmax(line - distance, lib.GetMinTemp()), vapourT = line + distance;
  const struct {
    const char* name;
    Property2 function;
  } functions[] = {{"STM_nXtp", lib.nXtp}, {"STM_nEtp", lib.nEtp}, {"STM_nStp", lib.nStp}, {"STM_nCtp", lib.nCtp}};
  for (const auto& f : functions) {
    const double value = f.function(t, p);
    const bool vapour = std::fabs(value - f.function(vapourT, p)) < std::fabs(value - f.function(liquidT, p));
    EXPECT_EQ(vapour, side == Side::Vapour) << f.name << " at t = " << t << " F, Ts = " << line << " F, " << context;
  }
}

// Temperatures of values in increasing order never fall.
void expectRising(std::vector<std::pair<double, double>> valueAndT, double p, const char* what,
                  const char* pressureUnit = "atm") {
  std::sort(valueAndT.begin(), valueAndT.end());
  for (std::size_t i = 1; i < valueAndT.size(); ++i)
    EXPECT_GE(valueAndT[i].second, valueAndT[i - 1].second)
        << what << " falls from " << where(valueAndT[i - 1].first, p, pressureUnit) << " to "
        << where(valueAndT[i].first, p, pressureUnit);
}

TEST(IsobarEdges, ValuesThatBrokeTheChainGiveTheirTemperatureOnTheirSide) {
  const auto& lib = calorix();
  ASSERT_TRUE(lib.complete()) << lib.library.error();
  const struct {
    double p;  // atm
    double e;  // J/kg; NaN: STM_sEpw(p, 1)
  } enthalpies[] = {{185.6639250273227, NAN},         {0.19267157498076726, NAN}, {0.006337287308206139, NAN},
                    {0.005994463397126053 / 0.101325, 2567481.8678236236},  // hg (1 + 1e-16)
                    {0.10834884559073119, 2588044.563221779}};              // hg (1 + 1e-15)
  for (const auto& c : enthalpies) {
    const double e = std::isnan(c.e) ? lib.sEpw(c.p, 1.0) : c.e;
    const double t = lib.twoTep(e, c.p);
    ASSERT_FALSE(std::isnan(t)) << where(e, c.p);
    EXPECT_GE(t, lib.kTp(c.p)) << where(e, c.p);
    EXPECT_LT(t, lib.kTp(c.p) + 1e-9) << where(e, c.p);
    expectEvaluatedOn(Side::Vapour, t, c.p, where(e, c.p));
  }

  // One ulp below s': liquid.
  const double p = 0.9736702727670302, s = 1298.439716675174;
  ASSERT_LT(s, lib.sSpw(p, 0.0));
  const double t = lib.nTsp(s, p);
  EXPECT_LE(t, lib.kTp(p));
  expectEvaluatedOn(Side::Liquid, t, p, where(s, p));

  // The saturated liquid a hair above the lowest point of the line is wet.
  const double lowP = 0.006032513201810568;
  EXPECT_EQ(lib.nTsp(lib.sSpw(lowP, 0.0), lowP), lib.kTp(lowP));
  EXPECT_EQ(lib.nTsp(lib.sSpw(lowP, 1.0), lowP), lib.kTp(lowP));

  // The states at the ends of the range, returned as the limits.
  EXPECT_EQ(lib.twoTep(lib.nEtp(32.018, 386.8134830293559), 386.8134830293559), 32.018);
  EXPECT_EQ(lib.twoTep(lib.nEtp(32.018, 0.0004189944444806912), 0.0004189944444806912), 32.018);
  EXPECT_EQ(lib.nTsp(lib.nStp(1472.0, 226.67728305470766), 226.67728305470766), 1472.0);
}

TEST(IsobarEdges, EnthalpyAtAndAboveTheSaturatedVapourIsVapour) {
  const auto& lib = calorix();
  ASSERT_TRUE(lib.complete()) << lib.library.error();
  for (double p : linePressures(300)) {
    const double vapour = lib.sEpw(p, 1.0);
    const double line = lib.kTp(p);
    std::vector<std::pair<double, double>> curve;
    std::vector<double> values = neighbours(vapour);
    for (double step : {1e-12, 1e-9, 1e-6, 1e-3}) values.push_back(vapour * (1.0 + step));
    values.push_back(vapour * (1.0 - 9e-9));  // in the allowance below h''
    for (double e : values) {
      const double t = lib.twoTep(e, p);
      ASSERT_FALSE(std::isnan(t)) << where(e, p);
      EXPECT_GE(t, line) << where(e, p);
      expectEvaluatedOn(Side::Vapour, t, p, where(e, p));
      if (e >= vapour) {
        EXPECT_EQ(lib.sWep(e, p), 1.0) << where(e, p);
      }
      curve.push_back({e, t});
    }
    expectRising(curve, p, "STM_2Tep");
    EXPECT_TRUE(std::isnan(lib.twoTep(vapour * (1.0 - 2e-8), p))) << "wet, " << where(vapour * (1.0 - 2e-8), p);

    // Vapour the (t, p) functions give just above the line, fed back.
    double t = line;
    for (int step = 0; step < 40; ++step, t = std::nextafter(t, INFINITY)) {
      if (lib.nXtp(t, p) < std::sqrt(lib.sXtw(line, 0.0) * lib.sXtw(line, 1.0))) continue;  // liquid
      const double back = lib.twoTep(lib.nEtp(t, p), p);
      ASSERT_FALSE(std::isnan(back)) << "vapour at t = " << t << " F, p = " << p << " atm";
      EXPECT_GE(back, line) << "vapour at t = " << t << " F, p = " << p << " atm";
    }
  }
}

// Pressures where the (t, p) functions' side flips back and forth a few ulps
// above the first temperature that evaluates as vapour: T(p, h) fell by an
// ulp between neighbouring h just above h''.
TEST(IsobarEdges, EnthalpyRisesThroughTheNoiseOfTheSideTest) {
  const auto& lib = calorix();
  ASSERT_TRUE(lib.complete()) << lib.library.error();
  for (double p : {12.781818499372159, 0.6790452739205336, 13.000862788734681, 0.41959636774778114,
                   0.49234236260937309, 0.322831993490726, 0.50377568773945858, 0.34325947130754392}) {
    std::vector<std::pair<double, double>> curve;
    for (double e : neighbours(lib.sEpw(p, 1.0))) {
      const double t = lib.twoTep(e, p);
      ASSERT_FALSE(std::isnan(t)) << where(e, p);
      expectEvaluatedOn(Side::Vapour, t, p, where(e, p));
      curve.push_back({e, t});
    }
    expectRising(curve, p, "STM_2Tep");
  }
}

TEST(IsobarEdges, EntropyBesideBothSaturatedStatesKeepsItsSide) {
  const auto& lib = calorix();
  ASSERT_TRUE(lib.complete()) << lib.library.error();
  for (double p : linePressures(300)) {
    const double liquid = lib.sSpw(p, 0.0), vapour = lib.sSpw(p, 1.0);
    const double line = lib.kTp(p);
    std::vector<std::pair<double, double>> curve;
    std::vector<double> values = neighbours(liquid);
    for (double s : neighbours(vapour)) values.push_back(s);
    const double coldest = lib.nStp(lib.GetMinTemp(), p);
    for (double step : {1e-12, 1e-9, 1e-6}) {
      const double colder = liquid - step * (std::fabs(liquid) + 1.0);
      if (colder > coldest) values.push_back(colder);  // near 273.16 K below the range
      values.push_back(vapour * (1.0 + step));
    }
    for (double s : values) {
      const double t = lib.nTsp(s, p);
      ASSERT_FALSE(std::isnan(t)) << where(s, p);
      curve.push_back({s, t});
      if (s < liquid) {
        EXPECT_LE(t, line) << where(s, p);
        expectEvaluatedOn(Side::Liquid, t, p, where(s, p));
        EXPECT_EQ(lib.sWsp(s, p), 0.0) << where(s, p);
      } else if (s > vapour) {
        EXPECT_GE(t, line) << where(s, p);
        expectEvaluatedOn(Side::Vapour, t, p, where(s, p));
        EXPECT_EQ(lib.sWsp(s, p), 1.0) << where(s, p);
      } else {
        EXPECT_EQ(t, line) << "wet, " << where(s, p);
      }
    }
    expectRising(curve, p, "STM_nTsp");
  }
}

// The states at 32.018 F and 1472 F as the (t, p) functions give them, and
// their neighbours: STM_2Tep where it covers the state (vapour, and any state
// at pc1 and above or below the line), STM_nTsp everywhere. A few ulps beyond
// an end give the end.
TEST(IsobarEdges, StatesAtTheEndsOfTheRangeGiveTheLimits) {
  const auto& lib = calorix();
  ASSERT_TRUE(lib.complete()) << lib.library.error();
  const double lowest = lib.kPt(lib.GetMinTemp());
  std::vector<double> pressures;
  for (int i = 0; i <= 400; ++i) pressures.push_back(1e-4 * std::pow(lib.GetMaxPress() / 1e-4, i / 400.0));
  pressures.push_back(lib.GetMaxPress());
  pressures.push_back(kCriticalPressureAtm);
  const struct {
    const char* name;
    Property2 forward, inverse;
  } pairs[] = {{"STM_2Tep", lib.nEtp, lib.twoTep}, {"STM_nTsp", lib.nStp, lib.nTsp}};
  for (double p : pressures) {
    const bool noLine = p < lowest || p >= kCriticalPressureAtm;
    for (const auto& pair : pairs) {
      for (double t : {lib.GetMinTemp(), lib.GetMaxTemp()}) {
        if (pair.inverse == lib.twoTep && t == lib.GetMinTemp() && !noLine) continue;  // liquid
        const double end = pair.forward(t, p);
        for (double value : neighbours(end)) {
          const double back = pair.inverse(value, p);
          const bool beyond = t == lib.GetMinTemp() ? value < end : value > end;
          if (beyond && std::fabs(value - end) > 2.5e-16 * std::fabs(end)) continue;  // not a few ulps
          EXPECT_FALSE(std::isnan(back)) << pair.name << ", " << where(value, p);
          if (beyond || value == end) {
            EXPECT_EQ(back, t) << pair.name << ", " << where(value, p) << ", end " << end;
          }
        }
        EXPECT_TRUE(std::isnan(pair.inverse(end + (t == lib.GetMinTemp() ? -1e-3 : 1e-3) * std::fabs(end) - 1e-3, p)))
            << pair.name << ": well beyond the end, " << where(end, p);
      }
    }
  }
}

// Along whole isobars, through the 623.15 K seam and the L-line, with values
// inside the formulation's jumps.
TEST(IsobarEdges, TemperatureRisesAlongEveryIsobar) {
  const auto& lib = calorix();
  ASSERT_TRUE(lib.complete()) << lib.library.error();
  for (double p : {0.001, 1.0, 50.0, 120.0, 190.0, 215.0, 218.3, 218.31, 230.0, 300.0, 600.0, 986.9}) {
    const struct {
      const char* name;
      Property2 forward, inverse;
    } pairs[] = {{"STM_2Tep", lib.nEtp, lib.twoTep}, {"STM_nTsp", lib.nStp, lib.nTsp}};
    for (const auto& pair : pairs) {
      std::vector<std::pair<double, double>> curve;
      const double low = pair.forward(lib.GetMinTemp(), p), high = pair.forward(lib.GetMaxTemp(), p);
      std::vector<double> values;
      for (int i = 0; i <= 2000; ++i) values.push_back(low + (high - low) * i / 2000.0);
      // Across 662 F (623.15 K) and across the L-line region, finely.
      for (double t0 : {661.9, 700.0, 750.0, 800.0})
        for (int i = 0; i <= 400; ++i) values.push_back(pair.forward(t0 + 0.4 * i / 400.0, p));
      for (double value : values) {
        const double t = pair.inverse(value, p);
        if (!std::isnan(t)) curve.push_back({value, t});
      }
      expectRising(curve, p, pair.name);
    }
  }
}

// T(p, h) or T(p, s), in MPa, of values spread over a jump of the formulation
// from `atBelow` (its value on the low side) to `atAbove` and 5 % beyond
// either end: every one a number, rising with the value. `inside` is shown
// each value strictly inside a rising jump with its T.
template <class Inside>
void expectRisingAcrossJump(bool entropy, double p, double atBelow, double atAbove, Inside inside) {
  const auto inverse = entropy ? ifc67::temperaturePs : ifc67::temperaturePh;
  const double low = std::fmin(atBelow, atAbove), width = std::fabs(atAbove - atBelow);
  std::vector<std::pair<double, double>> curve;
  for (int i = -50; i <= 1050; ++i) {
    const double value = low + width * i / 1000.0;
    const double T = inverse(p, value);
    ASSERT_FALSE(std::isnan(T)) << (entropy ? "s " : "h ") << value << " at " << p << " MPa";
    curve.push_back({value, T});
    if (atBelow < value && value < atAbove) inside(value, T);
  }
  expectRising(curve, p, entropy ? "T(p, s)" : "T(p, h)", "MPa");
}

// Above ps(623.15 K) h falls by up to 0.15 kJ/kg where the isobar leaves
// subregion 1 at 623.15 K (s rises): values in the overlap have a root on
// both sides, and values in a jump none. Across both, finely, T(p, s) and
// (from pc1 up, where it covers liquid) T(p, h) must rise and stay finite (at 73.5447 MPa an h in the overlap once
// got 623.166 K, the next one up 623.137 K).
TEST(IsobarEdges, TemperatureRisesThroughTheJumpsAt623K) {
  const double seam = 623.15;
  for (double p = 16.6; p <= 100.0; p *= 1.07) {
    for (const bool entropy : {false, true}) {
      if (!entropy && p < ifc67::kCriticalPressure) continue;  // liquid: T(p, h) covers vapour only
      const auto forward = entropy ? ifc67::specificEntropy : ifc67::specificEnthalpy;
      expectRisingAcrossJump(entropy, p, forward(seam, p), forward(std::nextafter(seam, 1e3), p),
                             [](double, double) {});
    }
  }
}

// At high pressure the rounding of the sums moves h and s by up to 5e-12
// relative between temperatures a billionth of a kelvin apart: T must still
// rise between values 1e-15 apart. Each of these once fell by about 2e-9 F.
TEST(IsobarEdges, TemperatureRisesBetweenCloseValuesAtHighPressure) {
  const auto& lib = calorix();
  ASSERT_TRUE(lib.complete()) << lib.library.error();
  const struct {
    const char* name;
    Property2 inverse;
    double value, p;  // J/kg or J/(kg K), atm
  } cases[] = {{"STM_2Tep", lib.twoTep, 2785663.1100109727, 904.96947551828691},
               {"STM_nTsp", lib.nTsp, 5056.7774805706358, 529.2114098258254},
               {"STM_nTsp", lib.nTsp, 5089.9125078144352, 715.91095795667911},
               {"STM_nTsp", lib.nTsp, 5095.9757307790469, 905.0340615297539},
               {"STM_nTsp", lib.nTsp, 5101.8780173230998, 838.69326746181116}};
  for (const auto& c : cases) {
    std::vector<std::pair<double, double>> curve;
    for (int i = -400; i <= 400; ++i) {
      const double value = c.value * (1.0 + i * 1e-15);
      curve.push_back({value, c.inverse(value, c.p)});
    }
    expectRising(curve, c.p, c.name);
  }
}

// The boundary line of subregions 2 and 3 runs from 623.15 K at 16.5 MPa to
// 863.15 K at 100 MPa. Crossing it, h and s mostly fall (by up to 0.24 kJ/kg
// and 0.28 J/(kg K)) and sometimes rise: values there have a root on both
// sides of the line, or none. Across every such jump, finely, T must rise,
// and a value inside a rising jump gets the temperature of the line.
TEST(IsobarEdges, TemperatureRisesThroughTheJumpsAtTheBoundaryLine) {
  int rising = 0;
  for (double p = 16.6; p <= 100.0; p *= 1.03) {
    // The line's temperature on this isobar, to the last bit (below pc1,
    // the isobar meets subregion 3 as vapour, from Ts up).
    double below = p < ifc67::kCriticalPressure ? ifc67::saturationTemperature(p) : 623.15, above = 863.15;
    while (std::nextafter(below, above) < above) {
      const double middle = 0.5 * (below + above);
      (ifc67::subregionTp(middle, p) == 3 ? below : above) = middle;
    }
    for (const bool entropy : {false, true}) {
      const auto forward = entropy ? ifc67::specificEntropy : ifc67::specificEnthalpy;
      expectRisingAcrossJump(entropy, p, forward(below, p), forward(above, p), [&](double value, double T) {
        ++rising;
        EXPECT_NEAR(T, above, 1e-9) << (entropy ? "s " : "h ") << value << " inside the jump at " << p << " MPa";
      });
    }
  }
  EXPECT_GT(rising, 0);
}

}  // namespace
