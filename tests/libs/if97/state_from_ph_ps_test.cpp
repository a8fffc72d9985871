// T(p, h) and T(p, s) against h(T, p) and s(T, p): round trips over every
// region and both sides of the saturation line, and states a hair from the
// saturated ends that must not change phase.
#include <gtest/gtest.h>

#include <hydrelix/if97.h>

#include <cmath>
#include <vector>

namespace {

struct GridState {
  double T, p;
};

// Temperatures and pressures through regions 1, 2, 3 and 5, near and away
// from the saturation line, the B23 line and the region limits.
std::vector<GridState> grid() {
  const double temperatures[] = {273.16, 280,    300,    350,   373.15, 400,    450,    500,
                                 550,    600,    623.15, 625,   630,    640,    645,    647,
                                 650,    660,    680,    700,   750,    800,    863.15, 900,
                                 1000,   1073.15, 1100,  1300,  1600,   2000,   2273.15};
  const double pressures[] = {0.0007, 0.001, 0.01, 0.1, 0.5,  1,  3,  5,  10,  16,
                              16.6,   18,    20,   21,  22,   22.064, 23, 25, 30, 40,
                              50,     60,    80,   100};
  std::vector<GridState> states;
  for (double T : temperatures)
    for (double p : pressures)
      if (!std::isnan(if97::specificEnthalpy(T, p))) states.push_back({T, p});
  return states;
}

TEST(StateFromPressureAndEnthalpy, RecoversTheTemperatureEverywhere) {
  int checked = 0;
  for (const GridState& state : grid()) {
    const double h = if97::specificEnthalpy(state.T, state.p);
    const double T = if97::temperaturePh(state.p, h);
    EXPECT_NEAR(T, state.T, 1e-9 * state.T) << "T=" << state.T << " K, p=" << state.p << " MPa";
    // and the state found is the same state
    EXPECT_NEAR(if97::specificEnthalpy(T, state.p), h, 1e-9 * std::fabs(h) + 1e-9)
        << "T=" << state.T << " K, p=" << state.p << " MPa";
    ++checked;
  }
  EXPECT_GT(checked, 500);
}

TEST(StateFromPressureAndEntropy, RecoversTheTemperatureEverywhere) {
  for (const GridState& state : grid()) {
    const double s = if97::specificEntropy(state.T, state.p);
    const double T = if97::temperaturePs(state.p, s);
    EXPECT_NEAR(T, state.T, 1e-9 * state.T) << "T=" << state.T << " K, p=" << state.p << " MPa";
    EXPECT_NEAR(if97::specificEntropy(T, state.p), s, 1e-9 * std::fabs(s) + 1e-12)
        << "T=" << state.T << " K, p=" << state.p << " MPa";
  }
}

// Saturation pressures from the triple point to just below the critical point.
std::vector<double> saturationPressures() {
  return {0.000611657, 0.001, 0.01, 0.1, 0.101325, 1, 5, 10, 15, 16.5, 16.529,
          16.53,       17,    19,   20,  21,       21.5, 22, 22.05};
}

TEST(StateFromPressureAndEnthalpy, StatesBesideTheSaturatedEndsKeepTheirPhase) {
  constexpr double kStep = 1e-6;  // kJ/kg
  for (double p : saturationPressures()) {
    const if97::SaturationState line = if97::saturationStateP(p);
    const double Ts = if97::saturationTemperature(p);
    const double hl = line.liquid.h, hv = line.vapour.h;
    SCOPED_TRACE("p=" + std::to_string(p) + " MPa");

    EXPECT_FALSE(if97::isTwoPhasePh(p, hl - kStep));
    EXPECT_LE(if97::temperaturePh(p, hl - kStep), Ts);
    EXPECT_NEAR(if97::temperaturePh(p, hl - kStep), Ts, 1e-6);

    EXPECT_TRUE(if97::isTwoPhasePh(p, hl));
    EXPECT_EQ(if97::qualityPh(p, hl), 0.0);
    EXPECT_TRUE(if97::isTwoPhasePh(p, hl + kStep));
    EXPECT_EQ(if97::temperaturePh(p, hl + kStep), Ts);
    EXPECT_GT(if97::qualityPh(p, hl + kStep), 0.0);

    EXPECT_TRUE(if97::isTwoPhasePh(p, hv - kStep));
    EXPECT_EQ(if97::temperaturePh(p, hv - kStep), Ts);
    EXPECT_LT(if97::qualityPh(p, hv - kStep), 1.0);
    EXPECT_TRUE(if97::isTwoPhasePh(p, hv));
    EXPECT_EQ(if97::qualityPh(p, hv), 1.0);

    EXPECT_FALSE(if97::isTwoPhasePh(p, hv + kStep));
    EXPECT_GT(if97::temperaturePh(p, hv + kStep), Ts);
    EXPECT_NEAR(if97::temperaturePh(p, hv + kStep), Ts, 1e-6);
  }
}

TEST(StateFromPressureAndEntropy, StatesBesideTheSaturatedEndsKeepTheirPhase) {
  constexpr double kStep = 1e-9;  // kJ/(kg K)
  for (double p : saturationPressures()) {
    const if97::SaturationState line = if97::saturationStateP(p);
    const double Ts = if97::saturationTemperature(p);
    const double sl = line.liquid.s, sv = line.vapour.s;
    SCOPED_TRACE("p=" + std::to_string(p) + " MPa");

    EXPECT_FALSE(if97::isTwoPhasePs(p, sl - kStep));
    EXPECT_LE(if97::temperaturePs(p, sl - kStep), Ts);
    EXPECT_TRUE(if97::isTwoPhasePs(p, sl + kStep));
    EXPECT_EQ(if97::temperaturePs(p, sl + kStep), Ts);
    EXPECT_TRUE(if97::isTwoPhasePs(p, sv - kStep));
    EXPECT_EQ(if97::temperaturePs(p, sv - kStep), Ts);
    EXPECT_FALSE(if97::isTwoPhasePs(p, sv + kStep));
    EXPECT_GT(if97::temperaturePs(p, sv + kStep), Ts);
  }
}

TEST(StateFromPressureAndEnthalpy, WetStatesGiveTheSaturationTemperatureAndQuality) {
  for (double p : saturationPressures()) {
    for (double x : {0.001, 0.25, 0.5, 0.75, 0.999}) {
      const if97::SaturatedPhase wet = if97::mixturePx(p, x);
      SCOPED_TRACE("p=" + std::to_string(p) + " MPa, x=" + std::to_string(x));
      EXPECT_EQ(if97::temperaturePh(p, wet.h), if97::saturationTemperature(p));
      EXPECT_EQ(if97::temperaturePs(p, wet.s), if97::saturationTemperature(p));
      EXPECT_NEAR(if97::qualityPh(p, wet.h), x, 1e-12);
      EXPECT_NEAR(if97::qualityPs(p, wet.s), x, 1e-12);
    }
  }
}

TEST(StateFromPressureAndEnthalpy, OutsideTheFormulationIsNaN) {
  EXPECT_TRUE(std::isnan(if97::temperaturePh(1.0, -100.0)));      // colder than 273.15 K
  EXPECT_TRUE(std::isnan(if97::temperaturePh(1.0, 1e5)));         // hotter than 2273.15 K
  EXPECT_TRUE(std::isnan(if97::temperaturePh(60.0, 6000.0)));     // region 5 stops at 50 MPa
  EXPECT_TRUE(std::isnan(if97::temperaturePh(0.0, 2500.0)));
  EXPECT_TRUE(std::isnan(if97::temperaturePh(100.1, 1000.0)));
  EXPECT_TRUE(std::isnan(if97::temperaturePs(1.0, -1.0)));
  EXPECT_TRUE(std::isnan(if97::qualityPh(if97::kCriticalPressure, 2000.0)));
  EXPECT_TRUE(std::isnan(if97::qualityPh(0.0001, 2000.0)));  // below the triple line
}

TEST(StateFromPressureAndEnthalpy, VapourBelowTheTriplePointPressureIsFound) {
  const double p = 0.0005, T = 300.0;
  EXPECT_NEAR(if97::temperaturePh(p, if97::specificEnthalpy(T, p)), T, 1e-9 * T);
  EXPECT_NEAR(if97::temperaturePs(p, if97::specificEntropy(T, p)), T, 1e-9 * T);
}

}  // namespace
