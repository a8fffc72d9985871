// SPDX-License-Identifier: MIT
// Temperature at which a property that rises with T (h or s at fixed p)
// reaches a target: Newton steps from a close start, kept inside a bracket
// that every step narrows, with a bisection step whenever Newton leaves it.
#ifndef HYDRELIX_IF97_TEMPERATURE_SOLVER_H
#define HYDRELIX_IF97_TEMPERATURE_SOLVER_H

#include <cmath>

#include "constants.h"

namespace if97 {

// valueWithSlope(T, value, slope) fills the property and its T-derivative.
// The target must lie between the property's values at low and high.
template <class ValueWithSlope>
double solveTemperature(ValueWithSlope valueWithSlope, double target, double start, double low,
                        double high) {
  // A step below this fraction of T leaves an error of about its square
  // times the curvature: far below round-off for every region.
  constexpr double kLastStep = 1e-8;
  constexpr int kMostSteps = 60;
  double T = (start > low && start < high) ? start : 0.5 * (low + high);
  for (int step = 0; step < kMostSteps; ++step) {
    double value = 0.0, slope = 0.0;
    valueWithSlope(T, value, slope);
    const double residual = value - target;
    if (!std::isfinite(residual)) return kNaN;
    if (residual > 0.0) {
      high = T;
    } else if (residual < 0.0) {
      low = T;
    } else {
      return T;
    }
    double next = T - residual / slope;
    const bool newtonStays = slope > 0.0 && next > low && next < high;
    if (!newtonStays) next = 0.5 * (low + high);
    const bool converged = newtonStays && std::fabs(next - T) <= kLastStep * T;
    if (converged || high - low <= 1e-15 * high) return next;
    T = next;
  }
  return T;
}

}  // namespace if97

#endif
