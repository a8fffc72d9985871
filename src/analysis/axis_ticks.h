// Tick marks of a chart axis in the axis' own unit: round steps of 1, 2 or 5
// times a power of ten on a linear axis; decades on a logarithmic one, with
// 2 and 5 between them when the axis spans few decades.
#ifndef HYDRELIX_ANALYSIS_AXIS_TICKS_H
#define HYDRELIX_ANALYSIS_AXIS_TICKS_H

#include <string>
#include <vector>

namespace analysis {

struct Tick {
  double value;
  std::string label;
};

// The ticks inside [low, high], aiming at about `wanted` of them.
std::vector<Tick> LinearTicks(double low, double high, int wanted = 6);
// The ticks inside [low, high] (both > 0) of a logarithmic axis.
std::vector<Tick> LogarithmicTicks(double low, double high);

}  // namespace analysis

#endif
