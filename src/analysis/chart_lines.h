// The lines of the three property charts, computed once per formulation and
// unit system from the formulation's own equations, as points in SI: the
// saturation dome, isobars with their kinks at the saturation line, lines of
// constant quality inside the dome and isotherms in the superheated region.
// A unit change only re-expresses these points; a switch of formulation or
// of unit system (which owns the set of isolines) computes them again.
#ifndef HYDRELIX_ANALYSIS_CHART_LINES_H
#define HYDRELIX_ANALYSIS_CHART_LINES_H

#include "analysis/chart_engine.h"
#include "analysis/chart_point.h"

#include <vector>

namespace analysis {

enum class UnitSystem { IP, SI };

enum class LineFamily { SaturatedLiquid, SaturatedVapour, Isobar, Quality, Isotherm };

struct ChartLine {
  LineFamily family = LineFamily::Isobar;
  // The constant the line holds: MPa for an isobar, K for an isotherm, the
  // vapour fraction for a quality line; unused on the dome.
  double value = 0.0;
  std::vector<ChartPoint> points;
};

struct ChartLines {
  steam::Formulation formulation = steam::Formulation::IF97;
  UnitSystem system = UnitSystem::IP;
  std::vector<ChartLine> lines;
};

// The isobars' pressures (1-2-5 per decade: 1 to 10,000 psia, or 0.01 to
// 1,000 bar) and the isotherms' temperatures (every 100 deg F, or 50 deg C,
// up to the lines' top temperature), in SI.
std::vector<double> IsobarPressures(UnitSystem system);
std::vector<double> IsothermTemperatures(UnitSystem system);

// The lines reach up to this temperature, or the formulation's limit below it.
inline constexpr double kLineTopTemperature = 1200.0;  // K

// The dome's two branches, from the formulation's lowest saturation
// temperature up to its own critical point, where both end.
ChartLine SaturationBranch(const ChartEngine& engine, LineFamily branch);
// An isobar from the lowest temperature to the top; below the critical
// pressure its wet part is the straight tie line between the saturated
// liquid and vapour at Tsat(p), which are points of the line.
ChartLine Isobar(const ChartEngine& engine, double pressure);
ChartLine QualityLine(const ChartEngine& engine, double quality);
// An isotherm from `lowestPressure` up to the saturated vapour (below the
// critical temperature) or the formulation's highest pressure.
ChartLine Isotherm(const ChartEngine& engine, double temperature, double lowestPressure);

ChartLines ComputeChartLines(steam::Formulation formulation, UnitSystem system);

}  // namespace analysis

#endif
