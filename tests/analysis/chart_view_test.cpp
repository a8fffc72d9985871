// The charts' views: the defaults read in the system's own units, growth to
// take in far pins on linear and logarithmic axes, and the lines' labels.
#include "analysis/chart_view.h"
#include "analysis/chart_texts.h"
#include "analysis/line_labels.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace analysis;

ChartPoint At(double temperature, double pressure, double enthalpy, double entropy) {
  ChartPoint point;
  point.temperature = temperature;
  point.pressure = pressure;
  point.enthalpy = enthalpy;
  point.entropy = entropy;
  return point;
}

TEST(ChartView, DefaultsReadAsAnEngineerWritesThem) {
  struct Case {
    ChartKind kind;
    UnitSystem system;
    double xLow, xHigh, yLow, yHigh;
  };
  const Case cases[] = {
      {ChartKind::TemperatureEntropy, UnitSystem::IP, 0, 2.5, 32, 1500},
      {ChartKind::TemperatureEntropy, UnitSystem::SI, 0, 10, 0, 800},
      {ChartKind::EnthalpyEntropy, UnitSystem::IP, 1.2, 2.2, 750, 1800},
      {ChartKind::EnthalpyEntropy, UnitSystem::SI, 5, 9.5, 1800, 4200},
      {ChartKind::PressureEnthalpy, UnitSystem::IP, 0, 1800, 0.1, 15000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ChartTitle(c.kind));
    const ChartProjection projection(c.kind, ChartUnits::Of(c.system));
    const ChartView view = DefaultView(c.kind, c.system);
    EXPECT_NEAR(projection.X().FromSi(view.xLow), c.xLow, 1e-5 * (1 + c.xHigh));
    EXPECT_NEAR(projection.X().FromSi(view.xHigh), c.xHigh, 1e-5 * c.xHigh);
    EXPECT_NEAR(projection.Y().FromSi(view.yLow), c.yLow, 1e-5 * c.yHigh);
    EXPECT_NEAR(projection.Y().FromSi(view.yHigh), c.yHigh, 1e-5 * c.yHigh);
  }
  // The same view in SI units: 32 deg F is 0 deg C, 2.5 BTU/lbm-R about 10.47 kJ/kg-K.
  const ChartProjection si(ChartKind::TemperatureEntropy, ChartUnits::Of(UnitSystem::SI));
  const ChartView ip = DefaultView(ChartKind::TemperatureEntropy, UnitSystem::IP);
  EXPECT_NEAR(si.Y().FromSi(ip.yLow), 0.0, 1e-4);
  EXPECT_NEAR(si.X().FromSi(ip.xHigh), 10.467, 1e-3);
}

TEST(ChartView, GrowsToTakeInFarPinsAndKeepsAViewThatHoldsThem) {
  const ChartPoint inside = At(500.0, 1.0, 2800.0, 6.5);
  const ChartPoint hotHighPressure = At(1500.0, 40.0, 5200.0, 7.0);  // region 5
  const ChartPoint coldLowPressure = At(280.0, 1e-5, 2500.0, 11.0);
  for (ChartKind kind : kChartKinds) {
    SCOPED_TRACE(ChartTitle(kind));
    const ChartView start = DefaultView(kind, UnitSystem::SI);
    const ChartView same = IncludingPoints(start, kind, {inside});
    EXPECT_EQ(same.xLow, start.xLow);
    EXPECT_EQ(same.xHigh, start.xHigh);
    EXPECT_EQ(same.yLow, start.yLow);
    EXPECT_EQ(same.yHigh, start.yHigh);
    const ChartView grown = IncludingPoints(start, kind, {inside, hotHighPressure, coldLowPressure});
    const ChartAxes axes = AxesOf(kind);
    for (const ChartPoint& point : {inside, hotHighPressure, coldLowPressure}) {
      const double x = CoordinateOf(point, axes.x), y = CoordinateOf(point, axes.y);
      EXPECT_TRUE(grown.Contains(x, y)) << x << ", " << y;
      // With a margin: the pin is not drawn on the frame.
      EXPECT_LT(x, grown.xHigh);
      EXPECT_LT(y, grown.yHigh);
    }
    EXPECT_GT(grown.yLow, axes.logarithmicY ? 0.0 : -1e300);
  }
}

TEST(LineLabels, AnIsobarIsNamedWhereItLeavesTheViewInTheSelectedUnit) {
  const ChartEngine engine(steam::Formulation::IF97);
  const ChartLine isobar = Isobar(engine, 0.1 * 10.0);  // 10 bar
  struct Case {
    UnitSystem system;
    const char* text;
  };
  for (const Case& c : {Case{UnitSystem::SI, "10 Bar"}, Case{UnitSystem::IP, "145.038 psia"}}) {
    const ChartUnits units = ChartUnits::Of(c.system);
    const ChartProjection projection(ChartKind::TemperatureEntropy, units);
    const ChartView view = DefaultView(ChartKind::TemperatureEntropy, c.system);
    const std::optional<LineLabel> label = LabelOf(isobar, projection, units, view);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text, c.text);
    // On the frame: at the top of the view or at its right edge.
    const PlotPoint corner = projection.Project(ChartPoint{view.yHigh, 1, 0, view.xHigh});
    EXPECT_TRUE(std::fabs(label->position.y - corner.y) < 1e-9 * corner.y ||
                std::fabs(label->position.x - corner.x) < 1e-9 * corner.x)
        << label->position.x << ", " << label->position.y;
  }
  // A line wholly outside the view carries no label.
  ChartView elsewhere{100.0, 101.0, 5000.0, 5001.0};
  const ChartUnits units = ChartUnits::Of(UnitSystem::SI);
  EXPECT_FALSE(LabelOf(isobar, ChartProjection(ChartKind::TemperatureEntropy, units), units, elsewhere));
}

}  // namespace

namespace {

TEST(ChartTexts, TheStateAndThePointerInTheSelectedUnits) {
  using namespace analysis;
  const ChartEngine engine(steam::Formulation::IF97);
  const ChartMark wet{"P1", *engine.Saturated(373.15, 0.25)};
  ChartUnits units = ChartUnits::Of(UnitSystem::SI);
  EXPECT_EQ(MarkText(wet, units),
            "P1\nT = 100 \u00B0C\np = 1.01418 Bar\nh = 983.217 kJ/kg\ns = 2.81878 kJ/kg-K\nx = 0.25");
  units.temperature = 3;  // K
  EXPECT_EQ(MarkText(wet, units).substr(0, 16), "P1\nT = 373.15 K\n");
  const ChartProjection projection(ChartKind::PressureEnthalpy, ChartUnits::Of(UnitSystem::IP));
  EXPECT_EQ(PointerReadout(projection, 1204.56, 14.696), "p = 14.696 psia   h = 1204.6 BTU/lbm");
}

}  // namespace
