// SPDX-License-Identifier: MIT
// The density search of subregions 3 and 4: beta(chi) = beta has up to three
// roots below the critical temperature (the loop of the isotherm) and an
// unphysical one near chi = 0.38 at the highest temperatures and pressures,
// so the branch is chosen by a scan before any refinement.
#include <cmath>
#include <limits>

#include "coefficients.h"
#include "subregion3.h"

namespace ifc67 {
namespace subregion3 {
namespace {

constexpr double kSmallestVolume = 0.38;  // beta turns unphysical below about 0.30 to 0.39
constexpr double kLargestVolume = 5.0;

// The scan walks in geometric steps. Away from the critical point 10 % steps
// find the branch. Just below it the three roots of the loop close in on
// chi = 1 (they spread over about 14 sqrt(1 - theta)), so inside a window
// around chi = 1 the step shrinks with sqrt(1 - theta) to keep them apart.
// Above Tc1 the isotherms have no loop.
constexpr double kCoarseRatio = 1.10;  // outside the window

struct ScanSteps {
  double windowLow, windowHigh;  // empty when far from the critical point
  double windowRatio;
  double fineRatio;              // inside a bracket the coarse walk found

  bool hasWindow() const { return windowLow <= windowHigh; }
};

ScanSteps scanSteps(double theta) {
  constexpr double kFineRatio = 1.005;
  const double distance = 1.0 - theta;
  if (!(distance > 0.0 && distance < 0.01)) return {1.0, 0.0, kCoarseRatio, kFineRatio};
  const double root = std::sqrt(distance);
  const double step = std::fmin(0.02, std::fmax(2e-5, 0.5 * root));
  const double halfWidth = 0.005 + 10.0 * root;
  return {1.0 - halfWidth, 1.0 + halfWidth, 1.0 + step, 1.0 + std::fmin(0.005, 0.25 * step)};
}

struct Bracket {
  double low, high;           // low < high
  double residualLow, residualHigh;
  bool found;
};

// The first sign change of beta(chi) - target met when walking from `from`
// towards `to`, upward or downward.
Bracket scan(const TemperatureFactors& factors, double target, double from, double to, const ScanSteps& steps,
             bool fine) {
  const bool upward = to > from;
  double previous = from;
  double previousResidual = reducedPressure(factors, from) - target;
  while (upward ? previous < to : previous > to) {
    double ratio = kCoarseRatio;
    if (fine) ratio = steps.fineRatio;
    else if (previous >= steps.windowLow && previous <= steps.windowHigh) ratio = steps.windowRatio;
    double next = upward ? previous * ratio : previous / ratio;
    // A coarse step stops at the window's edge rather than stride into it.
    if (!fine && upward && previous < steps.windowLow && next > steps.windowLow) next = steps.windowLow;
    if (!fine && !upward && previous > steps.windowHigh && next < steps.windowHigh) next = steps.windowHigh;
    if (upward ? next > to : next < to) next = to;
    const double residual = reducedPressure(factors, next) - target;
    if ((residual > 0) != (previousResidual > 0) || residual == 0.0) {
      if (upward) return {previous, next, previousResidual, residual, true};
      return {next, previous, residual, previousResidual, true};
    }
    previous = next;
    previousResidual = residual;
  }
  return {0, 0, 0, 0, false};
}

// Newton steps kept inside the bracket, halving it whenever a step would leave.
double refine(const TemperatureFactors& factors, double target, Bracket b) {
  if (b.residualLow == 0.0) return b.low;
  if (b.residualHigh == 0.0) return b.high;
  const bool risingAtLow = b.residualLow < 0.0;  // the residual's sign at the low end
  // Start where the chord crosses zero: inside a short bracket beta(chi) is
  // nearly straight.
  double chi = b.low + (b.high - b.low) * b.residualLow / (b.residualLow - b.residualHigh);
  if (!(chi > b.low && chi < b.high)) chi = 0.5 * (b.low + b.high);
  for (int iteration = 0; iteration < 200; ++iteration) {
    const double residual = reducedPressure(factors, chi) - target;
    if (residual == 0.0) return chi;
    if ((residual < 0.0) == risingAtLow) b.low = chi; else b.high = chi;
    const double slope = reducedPressureSlope(factors, chi);
    double next = chi - residual / slope;
    if (!(next > b.low && next < b.high)) next = 0.5 * (b.low + b.high);
    const double step = std::fabs(next - chi);
    chi = next;
    if (step < 1e-14 * chi || b.high - b.low < 1e-14 * chi) break;
  }
  return chi;
}

}  // namespace

double reducedVolume(const TemperatureFactors& factors, double beta, Root root) {
  const ScanSteps steps = scanSteps(factors.theta);
  const bool liquid = root == Root::Liquid;
  double start = liquid ? kSmallestVolume : kLargestVolume;
  if (!liquid) {
    // Every vapour and supercritical state here is denser than the ideal gas
    // (chi = I1 theta / beta): start the walk down a little above that when
    // the residual there already has the sign of the large-volume side.
    const double idealGas = 1.1 * kI1 * factors.theta / beta;
    if (idealGas < start && reducedPressure(factors, idealGas) < beta) start = idealGas;
  }
  const double end = liquid ? kLargestVolume : kSmallestVolume;
  const Bracket coarse = scan(factors, beta, start, end, steps, false);
  if (!coarse.found) return std::numeric_limits<double>::quiet_NaN();
  if (!steps.hasWindow()) return refine(factors, beta, coarse);
  // Near the critical point, walk the coarse bracket again in fine steps from
  // the same side, so that of two roots close together the one on the chosen
  // branch is taken.
  const Bracket fine = liquid ? scan(factors, beta, coarse.low, coarse.high, steps, true)
                              : scan(factors, beta, coarse.high, coarse.low, steps, true);
  return refine(factors, beta, fine.found ? fine : coarse);
}

}  // namespace subregion3
}  // namespace ifc67
