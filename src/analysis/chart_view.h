// The part of a chart in sight, in SI: the default an engineer reads first,
// per chart and unit system, and its growth to take in the state and pins.
#ifndef HYDRELIX_ANALYSIS_CHART_VIEW_H
#define HYDRELIX_ANALYSIS_CHART_VIEW_H

#include "analysis/chart_axes.h"

#include <vector>

namespace analysis {

struct ChartView {
  // Bounds of the x and y quantities of the chart, in SI.
  double xLow, xHigh, yLow, yHigh;

  bool Contains(double x, double y) const;
};

ChartView DefaultView(ChartKind kind, UnitSystem system);

// The view grown, with a margin, so that every point lies inside it; a view
// that already holds them is returned unchanged.
ChartView IncludingPoints(const ChartView& view, ChartKind kind, const std::vector<ChartPoint>& points);

}  // namespace analysis

#endif
