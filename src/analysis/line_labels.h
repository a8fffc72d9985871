// Where a line's label goes: at the last point of the line inside the view,
// so an isobar is named where it leaves the chart, as on a printed chart.
#ifndef HYDRELIX_ANALYSIS_LINE_LABELS_H
#define HYDRELIX_ANALYSIS_LINE_LABELS_H

#include "analysis/chart_axes.h"
#include "analysis/chart_view.h"

#include <optional>
#include <string>

namespace analysis {

struct LineLabel {
  std::string text;
  PlotPoint position;  // in the axes' units
};

// The label of an isobar ("100 psia"), isotherm ("500 °F") or quality line
// ("x = 0.3") in the units of `units`, or none when the line does not cross
// the view or its family carries no label.
std::optional<LineLabel> LabelOf(const ChartLine& line, const ChartProjection& projection,
                                 const ChartUnits& units, const ChartView& view);

}  // namespace analysis

#endif
