// The texts the charts show beside their lines: a number without needless
// digits, a mark's values for its tooltip and the pointer's readout, all in
// the main window's units.
#ifndef HYDRELIX_ANALYSIS_CHART_TEXTS_H
#define HYDRELIX_ANALYSIS_CHART_TEXTS_H

#include "analysis/chart_axes.h"
#include "analysis/chart_marks.h"

#include <string>

namespace analysis {

// At most `significant` significant digits, no trailing zeros: 0.01, 2, 5000.
std::string ShortNumber(double value, int significant = 4);

// The mark's name, then one line each for T, p, h, s and, when wet, x.
std::string MarkText(const ChartMark& mark, const ChartUnits& units);

// "T = 532.1 °F   s = 1.6021 BTU/lbm-°R" for a point of the chart given in
// the axes' units.
std::string PointerReadout(const ChartProjection& projection, double x, double y);

}  // namespace analysis

#endif
