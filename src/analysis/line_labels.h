// Where a line's label goes: where the line leaves the view, so an isobar is
// named at the chart's frame, as on a printed chart.
#ifndef HYDRELIX_ANALYSIS_LINE_LABELS_H
#define HYDRELIX_ANALYSIS_LINE_LABELS_H

#include "analysis/chart_axes.h"
#include "analysis/chart_view.h"

#include <optional>
#include <string>
#include <vector>

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

// The labels of every line the chart shows, leaving out any that would lie
// on one placed before it.
std::vector<LineLabel> LabelsOf(const ChartLines& lines, const ChartProjection& projection,
                                const ChartUnits& units, const ChartView& view);

}  // namespace analysis

#endif
