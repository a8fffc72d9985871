// Sampling of a line given by a parameter: the points at the given
// parameters, refined by halving wherever the line bends in any of the three
// charts, so lines are dense near the critical point and sparse where they
// are straight. Parameters where the formulation gives no state are left out.
#ifndef HYDRELIX_ANALYSIS_CURVE_SAMPLING_H
#define HYDRELIX_ANALYSIS_CURVE_SAMPLING_H

#include "analysis/chart_point.h"

#include <functional>
#include <optional>
#include <vector>

namespace analysis {

using CurveFunction = std::function<std::optional<ChartPoint>(double)>;

std::vector<ChartPoint> SampleCurve(const CurveFunction& at, const std::vector<double>& parameters);

// n + 1 parameters from 0 to 1, crowded towards 1 by the power `crowding`
// (1: even steps).
std::vector<double> CrowdedParameters(int n, double crowding);

}  // namespace analysis

#endif
