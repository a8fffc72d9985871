// What the charts mark besides their lines: the current state, the pinned
// states and processes (named lists of states drawn through states computed
// between them), all as points in SI.
#ifndef HYDRELIX_ANALYSIS_CHART_MARKS_H
#define HYDRELIX_ANALYSIS_CHART_MARKS_H

#include "analysis/chart_engine.h"
#include "analysis/chart_point.h"
#include "steam/steam.h"

#include <string>
#include <vector>

namespace analysis {

// A computed state as the charts place it: its working values in SI, with
// its quality when it is wet.
ChartPoint ChartPointOf(const steam::SteamState& state);

struct ChartMark {
  std::string name;
  ChartPoint point;
  steam::SteamState state;
};

struct ChartProcess {
  std::string name;
  std::vector<ChartPoint> points;
};

// The polyline through `states`, with each leg drawn through states the
// formulation computes between its ends: along the isobar when both ends
// share a pressure, along the isentrope when they share an entropy, along
// the isotherm when they share a temperature, and otherwise with pressure
// stepping geometrically and enthalpy evenly. The given states are points of
// the line.
ChartProcess ProcessThrough(const ChartEngine& engine, std::string name,
                            const std::vector<ChartPoint>& states, int stepsPerLeg = 32);

}  // namespace analysis

#endif
