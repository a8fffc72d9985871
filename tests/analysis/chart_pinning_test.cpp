// Pinning from a chart point: for states in every phase, under both
// formulations, the chart's two coordinates lead back to the state, and
// Solve computes it from temperature and pressure or pressure and quality.
#include "analysis/chart_pinning.h"

#include "analysis/chart_marks.h"
#include "platform/shared_property_libraries.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace analysis;
using steam::Formulation;

struct PinCase {
  Formulation formulation;
  double temperature, pressure;  // K, MPa of a single-phase state
  double quality;                // NaN, or a wet state at this T
};

std::vector<PinCase> Cases() {
  const double dry = NAN;
  return {
      {Formulation::IF97, 300.0, 5.0, dry},     // compressed liquid
      {Formulation::IFC67, 300.0, 5.0, dry},    // the liquid IFC-67 refuses from p and h
      {Formulation::IF97, 600.0, 0.1, dry},     // superheated vapour
      {Formulation::IFC67, 900.0, 10.0, dry},
      {Formulation::IF97, 700.0, 40.0, dry},    // supercritical, region 3
      {Formulation::IF97, 1400.0, 10.0, dry},   // region 5
      {Formulation::IF97, 450.0, NAN, 0.4},     // wet
      {Formulation::IFC67, 500.0, NAN, 0.85},
  };
}

ChartPoint StateOf(const PinCase& c) {
  const ChartEngine engine(c.formulation);
  return std::isfinite(c.quality) ? *engine.Saturated(c.temperature, c.quality)
                                  : *engine.SinglePhase(c.temperature, c.pressure);
}

TEST(ChartPinning, TheTwoCoordinatesOfEveryChartLeadBackToTheState) {
  for (const PinCase& c : Cases()) {
    const ChartPoint state = StateOf(c);
    const ChartEngine engine(c.formulation);
    for (ChartKind kind : kChartKinds) {
      SCOPED_TRACE(testing::Message() << ChartTitle(kind) << " T = " << c.temperature << " p = "
                                      << state.pressure << " x = " << c.quality);
      const ChartAxes axes = AxesOf(kind);
      const std::optional<ChartPoint> found =
          StateAt(engine, kind, CoordinateOf(state, axes.x), CoordinateOf(state, axes.y));
      ASSERT_TRUE(found);
      EXPECT_NEAR(found->temperature, state.temperature, 1e-5);
      EXPECT_NEAR(found->pressure, state.pressure, 1e-7 * state.pressure);
      EXPECT_EQ(std::isfinite(found->quality), std::isfinite(c.quality));
      if (std::isfinite(c.quality)) {
        EXPECT_NEAR(found->quality, c.quality, 1e-7);
      }
    }
  }
}

TEST(ChartPinning, PinsThroughSolveInWorkingUnits) {
  platform::SharedPropertyLibraries libraries;
  for (const PinCase& c : Cases()) {
    if (c.temperature > 1073.15) continue;  // the window computes to 1073.15 K
    const ChartPoint state = StateOf(c);
    const ChartAxes axes = AxesOf(ChartKind::PressureEnthalpy);
    const std::optional<steam::SteamState> pin =
        PinAt(c.formulation, ChartKind::PressureEnthalpy, CoordinateOf(state, axes.x),
              CoordinateOf(state, axes.y), libraries);
    ASSERT_TRUE(pin) << c.temperature;
    EXPECT_EQ(pin->pair, std::isfinite(c.quality) ? steam::InputPair::PressureQuality
                                                  : steam::InputPair::TemperaturePressure);
    const ChartPoint placed = ChartPointOf(*pin);
    EXPECT_NEAR(placed.temperature, state.temperature, 1e-3);
    EXPECT_NEAR(placed.enthalpy, state.enthalpy, 1e-5 * std::fabs(state.enthalpy) + 0.01);
  }
}

TEST(ChartPinning, NoStateOutsideTheFormulation) {
  const ChartEngine ifc67(Formulation::IFC67);
  // Hotter than IFC-67 holds, colder than the triple point, and an entropy no
  // state at that temperature has.
  EXPECT_FALSE(StateAt(ifc67, ChartKind::TemperatureEntropy, 8.0, 1200.0));
  EXPECT_FALSE(StateAt(ifc67, ChartKind::TemperatureEntropy, 1.0, 250.0));
  EXPECT_FALSE(StateAt(ifc67, ChartKind::TemperatureEntropy, 40.0, 500.0));
  EXPECT_FALSE(StateAt(ifc67, ChartKind::PressureEnthalpy, 3000.0, 150.0));
  EXPECT_FALSE(StateAt(ifc67, ChartKind::EnthalpyEntropy, -3.0, 100.0));
}

}  // namespace
