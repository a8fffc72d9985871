// Ticks of every chart axis in every unit of its list, over the default
// views of both unit systems: inside the axis, rising, round, and neither
// too few nor too many to read.
#include "analysis/axis_ticks.h"
#include "analysis/chart_view.h"
#include "units/unit_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace analysis;

int UnitCount(ChartQuantity quantity) {
  const char* tags[] = {"Temperature", "Pressure", "Enthalpy", "Entropy"};
  return static_cast<int>(units::UnitLabels(tags[static_cast<int>(quantity)])->size());
}

// A value is round when it is 1, 2 or 5 times a power of ten times an integer
// multiple of the step between its neighbours.
void ExpectRoundSteps(const std::vector<Tick>& ticks) {
  ASSERT_GE(ticks.size(), 2u);
  const double step = ticks[1].value - ticks[0].value;
  const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
  const double mantissa = step / power;
  EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-6 || std::fabs(mantissa - 2) < 1e-6 ||
              std::fabs(mantissa - 5) < 1e-6) << "step " << step;
  for (const Tick& tick : ticks) {
    EXPECT_NEAR(tick.value / step, std::round(tick.value / step), 1e-6) << tick.value;
    EXPECT_DOUBLE_EQ(std::stod(tick.label), tick.value) << tick.label;
  }
}

void ExpectRoundLogarithmic(const std::vector<Tick>& ticks) {
  for (const Tick& tick : ticks) {
    const double mantissa = tick.value / std::pow(10.0, std::floor(std::log10(tick.value) + 1e-9));
    EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 ||
                std::fabs(mantissa - 5) < 1e-9) << tick.value;
    EXPECT_NEAR(std::stod(tick.label), tick.value, 1e-9 * tick.value) << tick.label;
  }
}

TEST(AxisTicks, EveryAxisInEveryUnitOverTheDefaultViews) {
  for (ChartKind kind : kChartKinds) {
    const ChartAxes axes = AxesOf(kind);
    for (UnitSystem system : {UnitSystem::IP, UnitSystem::SI}) {
      const ChartView view = DefaultView(kind, system);
      for (bool vertical : {false, true}) {
        const ChartQuantity quantity = vertical ? axes.y : axes.x;
        const bool logarithmic = vertical && axes.logarithmicY;
        for (int16_t unit = 0; unit < UnitCount(quantity); ++unit) {
          const AxisScale scale = ScaleOf(quantity, unit);
          const double low = scale.FromSi(vertical ? view.yLow : view.xLow);
          const double high = scale.FromSi(vertical ? view.yHigh : view.xHigh);
          SCOPED_TRACE(testing::Message() << ChartTitle(kind) << " " << scale.label << " "
                                          << low << " .. " << high);
          const std::vector<Tick> ticks = logarithmic ? LogarithmicTicks(low, high) : LinearTicks(low, high);
          ASSERT_GE(ticks.size(), 3u);
          EXPECT_LE(ticks.size(), 16u);
          for (size_t i = 0; i < ticks.size(); ++i) {
            EXPECT_GE(ticks[i].value, low * (1 - 1e-12));
            EXPECT_LE(ticks[i].value, high * (1 + 1e-12));
            if (i > 0) {
              EXPECT_GT(ticks[i].value, ticks[i - 1].value);
            }
          }
          if (logarithmic) ExpectRoundLogarithmic(ticks); else ExpectRoundSteps(ticks);
        }
      }
    }
  }
}

TEST(AxisTicks, ZoomedAndDegenerateAxes) {
  struct Case {
    double low, high;
    bool logarithmic;
    size_t count;
    const char* first;
  };
  const Case cases[] = {
      {-17.8, 815.6, false, 9, "0"},         // deg C across the T-s view
      {1.2, 1.23, false, 7, "1.200"},        // a deep zoom keeps its decimals
      {-0.5, 0.5, false, 5, "-0.4"},         // zero is "0.0", never "-0.0"
      {0.1, 15000.0, true, 6, "0.1"},        // five decades: decades only
      {0.5, 30.0, true, 6, "0.5"},           // under two decades: 1, 2, 5
      {3.0, 7.0, true, 5, "3"},              // inside a decade: linear steps
      {5.0, 5.0, false, 0, ""},              // no extent, no ticks
      {-1.0, 10.0, true, 0, ""},             // no logarithm of a negative
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.low << " .. " << c.high);
    const std::vector<Tick> ticks = c.logarithmic ? LogarithmicTicks(c.low, c.high) : LinearTicks(c.low, c.high);
    ASSERT_EQ(ticks.size(), c.count);
    if (c.count > 0) {
      EXPECT_EQ(ticks.front().label, c.first);
    }
    for (const Tick& tick : ticks) EXPECT_NE(tick.label, "-0.0");
  }
  const std::vector<Tick> aroundZero = LinearTicks(-0.5, 0.5);
  bool zeroSeen = false;
  for (const Tick& tick : aroundZero) zeroSeen |= tick.label == "0.0";
  EXPECT_TRUE(zeroSeen);
}

}  // namespace
