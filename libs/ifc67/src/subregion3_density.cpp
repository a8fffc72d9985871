// The density search of subregions 3 and 4: beta(chi) = beta has up to three
// roots below the critical temperature (the loop of the isotherm) and an
// unphysical one near chi = 0.38 at the highest temperatures and pressures,
// so the branch is chosen by a scan before any refinement.
#include <cmath>
#include <limits>

#include "subregion3.h"

namespace ifc67 {
namespace subregion3 {
namespace {

constexpr double kSmallestVolume = 0.38;  // beta turns unphysical below about 0.30 to 0.39
constexpr double kLargestVolume = 5.0;

// Scan ratios: coarse steps find the branch, fine steps inside the coarse
// bracket separate roots that lie close together. Within 1 % of the critical
// temperature the loop is narrow, so the coarse scan is fine there too.
constexpr double kCoarseRatio = 1.04;
constexpr double kNearCriticalRatio = 1.01;
constexpr double kFineRatio = 1.005;

struct Bracket {
  double low, high;           // low < high
  double residualLow, residualHigh;
  bool found;
};

// The first sign change of beta(chi) - target met when walking from `from`
// towards `to` by the factor `ratio` (below 1 when walking down).
Bracket scan(const TemperatureFactors& factors, double target, double from, double to, double ratio) {
  double previous = from;
  double previousResidual = reducedPressure(factors, from) - target;
  const bool upward = ratio > 1.0;
  while (upward ? previous < to : previous > to) {
    double next = previous * ratio;
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
  double chi = 0.5 * (b.low + b.high);
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
  const double ratio = std::fabs(factors.theta - 1.0) < 0.01 ? kNearCriticalRatio : kCoarseRatio;
  Bracket coarse;
  Bracket fine;
  if (root == Root::Liquid) {
    coarse = scan(factors, beta, kSmallestVolume, kLargestVolume, ratio);
    if (!coarse.found) return std::numeric_limits<double>::quiet_NaN();
    fine = scan(factors, beta, coarse.low, coarse.high, kFineRatio);
  } else {
    coarse = scan(factors, beta, kLargestVolume, kSmallestVolume, 1.0 / ratio);
    if (!coarse.found) return std::numeric_limits<double>::quiet_NaN();
    fine = scan(factors, beta, coarse.high, coarse.low, 1.0 / kFineRatio);
  }
  return refine(factors, beta, fine.found ? fine : coarse);
}

}  // namespace subregion3
}  // namespace ifc67
