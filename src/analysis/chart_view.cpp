#include "analysis/chart_view.h"

#include <algorithm>
#include <cmath>

namespace analysis {
namespace {

// A grown view leaves this fraction of its extent beyond the farthest point.
constexpr double kGrowthMargin = 0.05;

struct Bounds {
  double xLow, xHigh, yLow, yHigh;
};

// The defaults as an engineer writes them, in the system's own units.
Bounds DefaultBounds(ChartKind kind, UnitSystem system) {
  const bool ip = system == UnitSystem::IP;
  switch (kind) {
    case ChartKind::TemperatureEntropy:
      return ip ? Bounds{0.0, 2.5, 32.0, 1500.0} : Bounds{0.0, 10.0, 0.0, 800.0};
    case ChartKind::EnthalpyEntropy:
      return ip ? Bounds{1.2, 2.2, 750.0, 1800.0} : Bounds{5.0, 9.5, 1800.0, 4200.0};
    case ChartKind::PressureEnthalpy:
      return ip ? Bounds{0.0, 1800.0, 0.1, 15000.0} : Bounds{0.0, 4200.0, 0.005, 1000.0};
  }
  return {0.0, 1.0, 0.0, 1.0};
}

void Stretch(double& low, double& high, double value, bool logarithmic) {
  if (!std::isfinite(value) || (logarithmic && value <= 0.0)) return;
  if (value >= low && value <= high) return;
  if (logarithmic) {
    const double span = std::log(high / low);
    if (value < low) low = value * std::exp(-kGrowthMargin * span);
    if (value > high) high = value * std::exp(kGrowthMargin * span);
  } else {
    const double span = high - low;
    if (value < low) low = value - kGrowthMargin * span;
    if (value > high) high = value + kGrowthMargin * span;
  }
}

}  // namespace

bool ChartView::Contains(double x, double y) const {
  return x >= xLow && x <= xHigh && y >= yLow && y <= yHigh;
}

ChartView DefaultView(ChartKind kind, UnitSystem system) {
  const ChartProjection projection(kind, ChartUnits::Of(system));
  const Bounds bounds = DefaultBounds(kind, system);
  return {projection.X().ToSi(bounds.xLow), projection.X().ToSi(bounds.xHigh),
          projection.Y().ToSi(bounds.yLow), projection.Y().ToSi(bounds.yHigh)};
}

ChartView IncludingPoints(const ChartView& view, ChartKind kind, const std::vector<ChartPoint>& points) {
  const ChartAxes axes = AxesOf(kind);
  ChartView grown = view;
  for (const ChartPoint& point : points) {
    Stretch(grown.xLow, grown.xHigh, CoordinateOf(point, axes.x), false);
    Stretch(grown.yLow, grown.yHigh, CoordinateOf(point, axes.y), axes.logarithmicY);
  }
  return grown;
}

}  // namespace analysis
