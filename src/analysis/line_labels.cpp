#include "analysis/line_labels.h"

#include "analysis/chart_texts.h"

#include <cmath>

namespace analysis {
namespace {

std::string LabelText(const ChartLine& line, const ChartUnits& units) {
  switch (line.family) {
    case LineFamily::Isobar: {
      const AxisScale scale = ScaleOf(ChartQuantity::Pressure, units.pressure);
      return ShortNumber(scale.FromSi(line.value)) + " " + scale.label;
    }
    case LineFamily::Isotherm: {
      const AxisScale scale = ScaleOf(ChartQuantity::Temperature, units.temperature);
      return ShortNumber(scale.FromSi(line.value)) + " " + scale.label;
    }
    case LineFamily::Quality: return "x = " + ShortNumber(line.value);
    default: return {};
  }
}

}  // namespace

std::optional<LineLabel> LabelOf(const ChartLine& line, const ChartProjection& projection,
                                 const ChartUnits& units, const ChartView& view) {
  const std::string text = LabelText(line, units);
  if (text.empty()) return std::nullopt;
  const ChartAxes axes = AxesOf(projection.Kind());
  auto inside = [&](const ChartPoint& point) {
    return view.Contains(CoordinateOf(point, axes.x), CoordinateOf(point, axes.y));
  };
  const std::vector<ChartPoint>& points = line.points;
  // Quality lines are named at their low end, inside the dome; the others
  // where they leave the view.
  if (line.family == LineFamily::Quality) {
    for (const ChartPoint& point : points) {
      if (inside(point)) return LineLabel{text, projection.Project(point)};
    }
    return std::nullopt;
  }
  size_t last = points.size();
  for (size_t i = 0; i < points.size(); ++i) {
    if (inside(points[i])) last = i;
  }
  if (last == points.size()) return std::nullopt;
  if (last + 1 == points.size()) return LineLabel{text, projection.Project(points[last])};
  // Where the segment leaving the view meets its frame, in chart coordinates
  // (log p on the logarithmic axis).
  auto coordinates = [&](const ChartPoint& point) {
    const double y = CoordinateOf(point, axes.y);
    return PlotPoint{CoordinateOf(point, axes.x), axes.logarithmicY ? std::log(y) : y};
  };
  const PlotPoint a = coordinates(points[last]);
  const PlotPoint b = coordinates(points[last + 1]);
  const double yLow = axes.logarithmicY ? std::log(view.yLow) : view.yLow;
  const double yHigh = axes.logarithmicY ? std::log(view.yHigh) : view.yHigh;
  double t = 1.0;
  if (b.x > view.xHigh) t = std::min(t, (view.xHigh - a.x) / (b.x - a.x));
  if (b.x < view.xLow) t = std::min(t, (view.xLow - a.x) / (b.x - a.x));
  if (b.y > yHigh) t = std::min(t, (yHigh - a.y) / (b.y - a.y));
  if (b.y < yLow) t = std::min(t, (yLow - a.y) / (b.y - a.y));
  const double x = a.x + t * (b.x - a.x);
  const double y = a.y + t * (b.y - a.y);
  const ChartProjection& p = projection;
  return LineLabel{text, PlotPoint{p.X().FromSi(x), p.Y().FromSi(axes.logarithmicY ? std::exp(y) : y)}};
}

}  // namespace analysis
