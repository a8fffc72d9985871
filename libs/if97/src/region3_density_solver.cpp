// SPDX-License-Identifier: MIT
#include "region3_density_solver.h"

#include <cmath>

namespace if97::region3 {
namespace {

constexpr int kMaxSteps = 200;
constexpr double kRelativeStep = 1e-14;
constexpr double kQuadraticStep = 1e-8;

}  // namespace

double solveDensity(const Isotherm& isotherm, double p, Branch branch, double start) {
  // [low, high] always holds the root: a density is below the root when the
  // pressure there is too low on a rising part of the branch, or, on the
  // liquid side, when it lies on the falling part of the loop; the vapour
  // side mirrors that.
  double low = branch == Branch::liquid ? kCriticalDensity : kLowestDensity;
  double high = branch == Branch::vapour ? kCriticalDensity : kHighestDensity;
  double rho = start > low && start < high ? start : 0.5 * (low + high);
  double previousStep = high - low;
  for (int iteration = 0; iteration < kMaxSteps; ++iteration) {
    double pressure;
    double slope;
    isotherm.pressureAndSlope(rho, pressure, slope);
    const double residual = pressure - p;
    if (residual == 0.0 && slope > 0.0) return rho;
    bool belowRoot;
    switch (branch) {
      case Branch::liquid:
        belowRoot = residual < 0.0 || slope <= 0.0;
        break;
      case Branch::vapour:
        belowRoot = residual < 0.0 && slope > 0.0;
        break;
      default:
        belowRoot = residual < 0.0;
        break;
    }
    if (belowRoot) {
      low = rho;
    } else {
      high = rho;
    }
    double next = slope > 0.0 ? rho - residual / slope : low - 1.0;
    // Newton only while it stays in the bracket and at least halves its step
    // every time; near the critical point, where dp/drho vanishes, it would
    // otherwise crawl.
    bool newtonStep = true;
    if (!(next > low && next < high) || std::fabs(2.0 * residual) > std::fabs(previousStep * slope)) {
      next = 0.5 * (low + high);
      newtonStep = false;
    }
    const double step = next - rho;
    rho = next;
    if (std::fabs(step) <= kRelativeStep * rho || high - low <= kRelativeStep * rho) return rho;
    // A Newton step far smaller than the one before means quadratic
    // convergence: the step just taken left an error of the order of its
    // square, below round-off, and one more evaluation would only confirm it.
    if (newtonStep && std::fabs(step) <= kQuadraticStep * rho && std::fabs(step) <= 1e-3 * std::fabs(previousStep)) {
      return rho;
    }
    previousStep = step;
  }
  return rho;
}

}  // namespace if97::region3
