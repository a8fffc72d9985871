// Pinning a state from a point of a chart: the pressure found with the
// formulation's equations from the chart's two coordinates, then the state
// computed as the calculator computes it, through Solve from temperature
// and pressure (single phase) or pressure and quality (wet). The T-p route
// also reaches compressed liquid, which IFC-67 refuses from p and h.
#ifndef HYDRELIX_ANALYSIS_CHART_PINNING_H
#define HYDRELIX_ANALYSIS_CHART_PINNING_H

#include "analysis/chart_axes.h"
#include "analysis/chart_engine.h"
#include "steam/steam.h"

#include <optional>

namespace analysis {

// The state at chart coordinates (x, y), in SI, or none outside the
// formulation's validity.
std::optional<ChartPoint> StateAt(const ChartEngine& engine, ChartKind kind, double x, double y);

// The state under (x, y) computed through Solve; a point outside the
// formulation or a refused state gives none.
std::optional<steam::SteamState> PinAt(steam::Formulation formulation, ChartKind kind, double x,
                                       double y, steam::PropertyLibraries& libraries);

}  // namespace analysis

#endif
