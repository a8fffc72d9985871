// The chart lines against the formulations' own saturation functions: the
// dome from the lowest saturation temperature to each formulation's critical
// point, isobars flat across the dome with their kinks on it, and no point of
// any line outside the formulation's validity.
#include "analysis/chart_lines.h"

#include <gtest/gtest.h>
#include <hydrelix/if97.h>
#include <hydrelix/ifc67.h>

#include <cmath>

namespace {

using analysis::ChartEngine;
using analysis::ChartLine;
using analysis::ChartPoint;
using analysis::LineFamily;
using analysis::UnitSystem;
using steam::Formulation;

double Fahrenheit(double kelvin) { return (kelvin - 273.15) * 1.8 + 32.0; }

struct DomeCase {
  Formulation formulation;
  double lowestKelvin;
  double criticalFahrenheit;  // as the window shows it, two decimals
};

class DomeTest : public testing::TestWithParam<DomeCase> {};

TEST_P(DomeTest, BranchesStartAtTheLowestSaturationTemperatureAndMeetAtTheCriticalPoint) {
  const DomeCase c = GetParam();
  const ChartEngine engine(c.formulation);
  const ChartLine liquid = analysis::SaturationBranch(engine, LineFamily::SaturatedLiquid);
  const ChartLine vapour = analysis::SaturationBranch(engine, LineFamily::SaturatedVapour);
  for (const ChartLine* branch : {&liquid, &vapour}) {
    ASSERT_GE(branch->points.size(), 40u);
    EXPECT_EQ(branch->points.front().temperature, c.lowestKelvin);
    EXPECT_NEAR(Fahrenheit(branch->points.back().temperature), c.criticalFahrenheit, 0.005);
    EXPECT_NEAR(branch->points.back().pressure, engine.CriticalPressure(), 1e-7);
  }
  const ChartPoint& topLiquid = liquid.points.back();
  const ChartPoint& topVapour = vapour.points.back();
  EXPECT_NEAR(topLiquid.enthalpy, topVapour.enthalpy, 1e-6);
  EXPECT_NEAR(topLiquid.entropy, topVapour.entropy, 1e-9);
  // Dense near the top: the last tenth of a kelvin holds several points, so
  // the rounded top of the dome is drawn, not cut by a chord.
  int nearTop = 0;
  for (const ChartPoint& point : vapour.points) nearTop += point.temperature > engine.CriticalTemperature() - 0.5;
  EXPECT_GE(nearTop, 4);
}

INSTANTIATE_TEST_SUITE_P(BothFormulations, DomeTest,
                         testing::Values(DomeCase{Formulation::IF97, 273.15, 705.10},
                                         DomeCase{Formulation::IFC67, 273.16, 705.47}));

// The saturated ends at p as each library gives them by its own route.
struct SaturatedEnds {
  double temperature;
  double liquidEnthalpy, vapourEnthalpy, liquidEntropy, vapourEntropy;
};

SaturatedEnds EndsOf(Formulation formulation, double p) {
  if (formulation == Formulation::IF97) {
    const if97::SaturationState s = if97::saturationStateP(p);
    return {s.T, s.liquid.h, s.vapour.h, s.liquid.s, s.vapour.s};
  }
  const double t = ifc67::saturationTemperature(p);
  return {t, ifc67::mixtureEnthalpyTx(t, 0), ifc67::mixtureEnthalpyTx(t, 1),
          ifc67::mixtureEntropyTx(t, 0), ifc67::mixtureEntropyTx(t, 1)};
}

class IsobarTest : public testing::TestWithParam<std::tuple<Formulation, UnitSystem>> {};

TEST_P(IsobarTest, IsFlatAcrossTheDomeAtTsatWithItsKinksOnTheSaturatedStates) {
  const auto [formulation, system] = GetParam();
  const ChartEngine engine(formulation);
  for (double p : analysis::IsobarPressures(system)) {
    SCOPED_TRACE(testing::Message() << "p = " << p << " MPa");
    const ChartLine isobar = analysis::Isobar(engine, p);
    ASSERT_GE(isobar.points.size(), 20u);
    for (const ChartPoint& point : isobar.points) EXPECT_EQ(point.pressure, p);
    for (size_t i = 1; i < isobar.points.size(); ++i) {
      EXPECT_GT(isobar.points[i].entropy, isobar.points[i - 1].entropy);
      EXPECT_GE(isobar.points[i].temperature, isobar.points[i - 1].temperature);
    }
    if (p >= engine.CriticalPressure()) continue;
    const SaturatedEnds ends = EndsOf(formulation, p);
    // Exactly two points at Tsat, next to each other: the tie line.
    size_t first = isobar.points.size(), count = 0;
    for (size_t i = 0; i < isobar.points.size(); ++i) {
      if (isobar.points[i].temperature == ends.temperature) {
        first = std::min(first, i);
        ++count;
      }
    }
    ASSERT_EQ(count, 2u);
    const ChartPoint& liquid = isobar.points[first];
    const ChartPoint& vapour = isobar.points[first + 1];
    EXPECT_NEAR(liquid.enthalpy, ends.liquidEnthalpy, 1e-9 * std::fabs(ends.liquidEnthalpy) + 1e-9);
    EXPECT_NEAR(vapour.enthalpy, ends.vapourEnthalpy, 1e-9 * ends.vapourEnthalpy);
    EXPECT_NEAR(liquid.entropy, ends.liquidEntropy, 1e-9);
    EXPECT_NEAR(vapour.entropy, ends.vapourEntropy, 1e-9);
    EXPECT_LT(isobar.points[first - 1].temperature, ends.temperature);
    EXPECT_GT(isobar.points[first + 2].temperature, ends.temperature);
  }
}

TEST_P(IsobarTest, NoPointOfAnyLineLiesOutsideTheFormulation) {
  const auto [formulation, system] = GetParam();
  const analysis::ChartLines lines = analysis::ComputeChartLines(formulation, system);
  const double lowest = formulation == Formulation::IF97 ? 273.15 : 273.16;
  const double highestPressure = 100.0;
  int isobars = 0, isotherms = 0, qualities = 0;
  for (const ChartLine& line : lines.lines) {
    isobars += line.family == LineFamily::Isobar;
    isotherms += line.family == LineFamily::Isotherm;
    qualities += line.family == LineFamily::Quality;
    EXPECT_FALSE(line.points.empty());
    for (const ChartPoint& point : line.points) {
      ASSERT_TRUE(point.IsFinite());
      EXPECT_GE(point.temperature, lowest);
      EXPECT_LE(point.temperature, formulation == Formulation::IFC67 || point.pressure > 50.0 ? 1073.15 : 2273.15);
      EXPECT_GT(point.pressure, 0.0);
      EXPECT_LE(point.pressure, highestPressure);
      if (line.family == LineFamily::Isotherm && line.value < ChartEngine(formulation).CriticalTemperature()) {
        // Superheated side only: at or below the saturation pressure.
        EXPECT_LE(point.pressure, ChartEngine(formulation).SaturationPressure(line.value));
      }
    }
  }
  EXPECT_EQ(isobars, system == UnitSystem::IP ? 13 : 16);
  EXPECT_EQ(qualities, 9);
  EXPECT_GE(isotherms, system == UnitSystem::IP ? 12 : 16);
}

INSTANTIATE_TEST_SUITE_P(FormulationsAndSystems, IsobarTest,
                         testing::Combine(testing::Values(Formulation::IF97, Formulation::IFC67),
                                          testing::Values(UnitSystem::IP, UnitSystem::SI)));

TEST(QualityLine, MixesTheSaturatedEndsByItsQuality) {
  for (Formulation formulation : {Formulation::IF97, Formulation::IFC67}) {
    const ChartEngine engine(formulation);
    const ChartLine line = analysis::QualityLine(engine, 0.3);
    for (const ChartPoint& point : line.points) {
      const ChartPoint liquid = *engine.Saturated(point.temperature, 0.0);
      const ChartPoint vapour = *engine.Saturated(point.temperature, 1.0);
      EXPECT_NEAR(point.entropy, liquid.entropy + 0.3 * (vapour.entropy - liquid.entropy), 1e-9);
    }
  }
}

}  // namespace
