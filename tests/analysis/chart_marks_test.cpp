// Processes drawn through states the formulation computes between the ends,
// and a computed state placed on the charts where the engines put it.
#include "analysis/chart_marks.h"

#include "platform/shared_property_libraries.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace analysis;
using steam::Formulation;

TEST(ProcessThrough, AnIsobaricHeatingFollowsTheIsobarAcrossTheDome) {
  for (Formulation formulation : {Formulation::IF97, Formulation::IFC67}) {
    const ChartEngine engine(formulation);
    const double p = 1.0;
    const double tsat = engine.SaturationTemperature(p);
    const ChartPoint liquid = *engine.SinglePhase(400.0, p);
    const ChartPoint vapour = *engine.SinglePhase(700.0, p);
    const ChartProcess process = ProcessThrough(engine, "heating", {liquid, vapour});
    EXPECT_EQ(process.name, "heating");
    ASSERT_GT(process.points.size(), 20u);
    EXPECT_EQ(process.points.front().temperature, liquid.temperature);
    EXPECT_EQ(process.points.back().temperature, vapour.temperature);
    int wet = 0;
    for (const ChartPoint& point : process.points) {
      EXPECT_NEAR(point.pressure, p, 1e-12);
      if (std::isfinite(point.quality)) {
        ++wet;
        // Flat at Tsat: a straight segment between the ends would pass
        // above it at these enthalpies.
        EXPECT_DOUBLE_EQ(point.temperature, tsat);
      }
    }
    EXPECT_GE(wet, 5);
  }
}

TEST(ProcessThrough, AnExpansionAtConstantEntropyKeepsItsEntropyIntoTheDome) {
  const ChartEngine engine(Formulation::IF97);
  const ChartPoint inlet = *engine.SinglePhase(813.15, 16.5);
  const ChartPoint outlet = *engine.FromPressureEntropy(0.01, inlet.entropy);
  ASSERT_TRUE(std::isfinite(outlet.quality));
  const ChartProcess process = ProcessThrough(engine, "turbine", {inlet, outlet}, 16);
  EXPECT_EQ(process.points.size(), 17u);
  for (const ChartPoint& point : process.points) EXPECT_NEAR(point.entropy, inlet.entropy, 1e-7);
  for (size_t i = 1; i < process.points.size(); ++i) {
    EXPECT_LT(process.points[i].pressure, process.points[i - 1].pressure);
    EXPECT_LT(process.points[i].enthalpy, process.points[i - 1].enthalpy);
  }
}

TEST(ProcessThrough, AThrottlingOfSolvedStatesKeepsItsEnthalpy) {
  platform::SharedPropertyLibraries libraries;
  const steam::SolveOutcome inlet =
      steam::Solve(Formulation::IFC67, steam::InputPair::PressureQuality, 1000.0, 0.97, libraries);
  ASSERT_TRUE(inlet.succeeded);
  const steam::SolveOutcome outlet = steam::Solve(Formulation::IFC67, steam::InputPair::PressureEnthalpy, 14.7,
                                                  inlet.state.values.Enthalpy, libraries);
  ASSERT_TRUE(outlet.succeeded);
  const ChartProcess valve = ProcessThrough("valve", {inlet.state, outlet.state}, 8);
  ASSERT_EQ(valve.points.size(), 9u);
  const double h = valve.points.front().enthalpy;
  for (const ChartPoint& point : valve.points) EXPECT_NEAR(point.enthalpy, h, 1e-3);
  // Wet steam at 1000 psia throttles to superheated steam at 14.7 psia.
  EXPECT_FALSE(std::isfinite(valve.points.back().quality));
  EXPECT_TRUE(ProcessThrough("none", std::vector<steam::SteamState>{}).points.empty());
}

TEST(ChartPointOf, PlacesASolvedStateWhereTheEngineHasIt) {
  platform::SharedPropertyLibraries libraries;
  struct Case {
    Formulation formulation;
    steam::InputPair pair;
    double first, second;  // deg F, psia or quality
    bool wet;
  };
  const Case cases[] = {
      {Formulation::IF97, steam::InputPair::TemperaturePressure, 1000.0, 1000.0, false},
      {Formulation::IFC67, steam::InputPair::TemperaturePressure, 200.0, 500.0, false},
      {Formulation::IF97, steam::InputPair::PressureQuality, 100.0, 0.6, true},
      {Formulation::IFC67, steam::InputPair::TemperatureQuality, 300.0, 0.25, true},
  };
  for (const Case& c : cases) {
    const steam::SolveOutcome outcome = steam::Solve(c.formulation, c.pair, c.first, c.second, libraries);
    ASSERT_TRUE(outcome.succeeded);
    const ChartPoint point = ChartPointOf(outcome.state);
    const ChartEngine engine(c.formulation);
    const ChartPoint expected = c.wet ? *engine.Saturated(point.temperature, point.quality)
                                      : *engine.SinglePhase(point.temperature, point.pressure);
    // The window's factors are 32-bit ones: a few parts in ten million.
    EXPECT_NEAR(point.enthalpy, expected.enthalpy, 2e-6 * std::fabs(expected.enthalpy) + 1e-3);
    EXPECT_NEAR(point.entropy, expected.entropy, 2e-6 * expected.entropy + 1e-5);
    EXPECT_EQ(std::isfinite(point.quality), c.wet);

    // A pin of the state lands on the same point, wet or not.
    const ChartMark mark = ChartMarkOf(PinOf(outcome.state, "P1"));
    EXPECT_EQ(mark.name, "P1");
    EXPECT_EQ(mark.point.temperature, point.temperature);
    EXPECT_EQ(mark.point.enthalpy, point.enthalpy);
    EXPECT_EQ(mark.point.entropy, point.entropy);
    EXPECT_EQ(std::isfinite(mark.point.quality), c.wet);
  }
}

}  // namespace

namespace {

TEST(ChartPinName, CountsOnFromTheChartsOwnPins) {
  using analysis::ChartMark;
  struct Case {
    std::vector<std::string> names;
    const char* chart;
    const char* expected;
  };
  const Case cases[] = {
      {{}, "T-s", "T-s 1"},
      {{"T-s 1", "T-s 4", "h-s 9"}, "T-s", "T-s 5"},
      {{"T-s 1", "T-s 4", "h-s 9"}, "h-s", "h-s 10"},
      {{"P1", "T-s x", "T-s ", "T-s 99999999999999999999"}, "T-s", "T-s 1"},  // not numbered pins
  };
  for (const Case& c : cases) {
    std::vector<ChartMark> marks;
    for (const std::string& name : c.names) marks.push_back({name, {}});
    EXPECT_EQ(analysis::ChartPinName(c.chart, marks), c.expected);
  }
}

}  // namespace
