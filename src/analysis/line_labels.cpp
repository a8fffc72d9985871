#include "analysis/line_labels.h"

#include "analysis/chart_texts.h"

#include <algorithm>
#include <cmath>

namespace analysis {
namespace {

std::string LabelText(const ChartLine& line, const ChartUnits& units) {
  switch (line.family) {
    case LineFamily::Isobar: {
      const AxisScale scale = ScaleOf(ChartQuantity::Pressure, units.pressure);
      return ShortNumber(scale.FromSi(line.value), 6) + " " + scale.label;
    }
    case LineFamily::Isotherm: {
      const AxisScale scale = ScaleOf(ChartQuantity::Temperature, units.temperature);
      return ShortNumber(scale.FromSi(line.value), 6) + " " + scale.label;
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
  // Isobars are named at their hot end, isotherms at their low-pressure end
  // and quality lines at their cold end: where each leaves the view there.
  std::vector<ChartPoint> points = line.points;
  if (line.family != LineFamily::Isobar) std::reverse(points.begin(), points.end());
  auto inside = [&](const ChartPoint& point) {
    return view.Contains(CoordinateOf(point, axes.x), CoordinateOf(point, axes.y));
  };
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
  return LineLabel{text, PlotPoint{projection.X().FromSi(x),
                                   projection.Y().FromSi(axes.logarithmicY ? std::exp(y) : y)}};
}

std::vector<LineLabel> LabelsOf(const ChartLines& lines, const ChartProjection& projection,
                                const ChartUnits& units, const ChartView& view) {
  const ChartAxes axes = AxesOf(projection.Kind());
  // A label's place as a fraction of the view, to tell labels that would
  // overlap: about a label's width and height on a chart of usual size.
  auto fraction = [&](const PlotPoint& at) {
    const double xLow = projection.X().FromSi(view.xLow), xHigh = projection.X().FromSi(view.xHigh);
    double y = at.y, yLow = projection.Y().FromSi(view.yLow), yHigh = projection.Y().FromSi(view.yHigh);
    if (axes.logarithmicY) {
      y = std::log(y);
      yLow = std::log(yLow);
      yHigh = std::log(yHigh);
    }
    return PlotPoint{(at.x - xLow) / (xHigh - xLow), (y - yLow) / (yHigh - yLow)};
  };
  constexpr double kLabelWidth = 0.1, kLabelHeight = 0.035;
  std::vector<LineLabel> placed;
  std::vector<PlotPoint> taken;
  for (const ChartLine& line : lines.lines) {
    if (!ChartShows(projection.Kind(), line.family)) continue;
    std::optional<LineLabel> label = LabelOf(line, projection, units, view);
    if (!label) continue;
    const PlotPoint at = fraction(label->position);
    const bool overlaps = std::any_of(taken.begin(), taken.end(), [&](const PlotPoint& other) {
      return std::fabs(other.x - at.x) < kLabelWidth && std::fabs(other.y - at.y) < kLabelHeight;
    });
    if (overlaps) continue;
    taken.push_back(at);
    placed.push_back(std::move(*label));
  }
  return placed;
}

}  // namespace analysis
