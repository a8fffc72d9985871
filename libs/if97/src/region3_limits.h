// SPDX-License-Identifier: MIT
// Where region 3 lies in (T, p): 623.15 K <= T <= TB23(p), pB23(T) <= p <= 100 MPa.
#ifndef HYDRELIX_IF97_REGION3_LIMITS_H
#define HYDRELIX_IF97_REGION3_LIMITS_H

#include "boundary_b23.h"
#include "region3_helmholtz.h"

namespace if97::region3 {

// A little room at every limit, so that a state computed on a boundary
// (T = TB23(p) gives pB23(T) a rounding above p) still counts as inside.
constexpr double kBoundarySlack = 1e-9;

inline bool temperatureInRegion3(double T) {
  return T >= kRegion13Temperature * (1.0 - kBoundarySlack) && T <= kRegion23MaxTemperature * (1.0 + kBoundarySlack);
}

inline bool pressureInRegion3(double p, double T) {
  return p <= kMaxPressure * (1.0 + kBoundarySlack) && p >= b23::pressure(T) * (1.0 - kBoundarySlack);
}

// False for NaN as well.
inline bool inRegion3(double T, double p) { return temperatureInRegion3(T) && pressureInRegion3(p, T); }

// Regions 1 and 2 meet region 3 at 623.15 K and on B23 with small jumps in h
// and s (measured: at most 0.0054 K worth of temperature at 623.15 K and
// 0.019 K on B23). A (p, h) or (p, s) state that a caller places in region 3
// by the neighbours' boundary values may therefore lie a hair outside region
// 3's own limits; states within this much temperature of them are still
// solved and their properties still evaluated.
constexpr double kTemperatureSeam = 0.1;  // K

inline bool temperatureInReachOfRegion3(double T) {
  return T >= kRegion13Temperature - kTemperatureSeam && T <= kRegion23MaxTemperature + kTemperatureSeam;
}

inline bool inReachOfRegion3(double T, double p) {
  return temperatureInReachOfRegion3(T) && p <= kMaxPressure * (1.0 + kBoundarySlack) &&
         p >= b23::pressure(T - kTemperatureSeam) * (1.0 - kBoundarySlack);
}

}  // namespace if97::region3

#endif
