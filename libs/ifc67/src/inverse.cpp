// Temperature from (p, h) and (p, s), and quality from (p, h) and (p, s).
// Along an isobar h and s rise with T inside one phase, so every search is a
// bracket: Newton-like steps alone would stumble on the formulation's jumps at
// 623.15 K and on the L-line, and on the huge cp near the critical point.
#include <cmath>
#include <limits>

#include "coefficients.h"
#include "ifc67/ifc67.h"
#include "saturated_states.h"
#include "single_phase.h"

namespace ifc67 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTemperatureTolerance = 1e-9;  // K

bool validPressure(double p) { return p > 0.0 && p <= kMaxPressure; }

// T in [low, high] with property(T, p) = target, where the caller knows the
// property's values at both ends (a saturated end uses the saturated state's
// value, which the single-phase choice at exactly Ts may not reproduce).
//
// The bracket always holds the answer. Inside it, a Newton step where the
// slope comes free (subregions 3 and 4, where every value costs a density
// search), an Illinois false-position step elsewhere; a step that leaves the
// bracket, or a Newton step no shorter than half the one before (a jump of
// the formulation ahead), gives way to bisection.
double solveOnIsobar(Property property, double p, double target, double low, double valueLow, double high,
                     double valueHigh) {
  if (!(target >= valueLow && target <= valueHigh)) return kNaN;
  double residualLow = valueLow - target;
  double residualHigh = valueHigh - target;
  if (residualLow == 0.0) return low;
  if (residualHigh == 0.0) return high;
  double T = low + (high - low) * (-residualLow) / (residualHigh - residualLow);
  int lastMoved = 0;  // -1: the low end moved last, +1: the high end
  double previousStep = high - low;
  for (int iteration = 0; iteration < 200; ++iteration) {
    const PropertyAndSlope current = propertyAndSlopeAt(property, T, p);
    const double residual = current.value - target;
    if (!std::isfinite(residual)) return kNaN;
    if (residual == 0.0) return T;
    if (residual < 0.0) {
      low = T;
      residualLow = residual;
      if (lastMoved == -1) residualHigh *= 0.5;  // Illinois: the stale end weighs less
      lastMoved = -1;
    } else {
      high = T;
      residualHigh = residual;
      if (lastMoved == +1) residualLow *= 0.5;
      lastMoved = +1;
    }
    const double width = high - low;
    if (width <= kTemperatureTolerance) return 0.5 * (low + high);
    double next;
    if (current.slope > 0.0) {
      // Newton steps shrink fast unless a jump lies ahead: then bisect.
      next = T - residual / current.slope;
      if (std::fabs(next - T) > 0.5 * previousStep) next = 0.5 * (low + high);
    } else {
      next = low + width * (-residualLow) / (residualHigh - residualLow);
    }
    if (!(next > low && next < high)) next = 0.5 * (low + high);
    // A step shorter than the tolerance still crosses to close the bracket.
    const double shortest = 0.5 * kTemperatureTolerance;
    if (std::fabs(next - T) < shortest) next = residual < 0.0 ? T + shortest : T - shortest;
    previousStep = std::fabs(next - T);
    T = next;
  }
  return T;
}

// Over the whole temperature range, where the isobar has no saturated state:
// below the lowest saturation pressure and at or above pc1.
double solveWholeRange(Property property, double p, double target) {
  return solveOnIsobar(property, p, target, kMinTemperature, propertyAt(property, kMinTemperature, p),
                       kMaxTemperature, propertyAt(property, kMaxTemperature, p));
}

double quality(Property property, double p, double value) {
  if (!(p >= lowestSaturationPressure() && p < kCriticalPressure) || !std::isfinite(value)) return kNaN;
  const double Ts = saturationTemperature(p);
  const double liquid = saturatedProperty(property, Ts, Phase::Liquid);
  const double vapour = saturatedProperty(property, Ts, Phase::Vapour);
  // Close below pc1 the saturated states nearly coincide: a value far from
  // them overflows, which is no quality at all.
  const double x = (value - liquid) / (vapour - liquid);
  return std::isfinite(x) ? x : kNaN;
}

}  // namespace

double temperatureFromEnthalpy(double p, double h) {
  if (!validPressure(p) || !std::isfinite(h)) return kNaN;
  if (p < lowestSaturationPressure() || p >= kCriticalPressure) return solveWholeRange(Property::Enthalpy, p, h);
  const double Ts = saturationTemperature(p);
  return solveOnIsobar(Property::Enthalpy, p, h, Ts, saturatedProperty(Property::Enthalpy, Ts, Phase::Vapour), kMaxTemperature,
                       propertyAt(Property::Enthalpy, kMaxTemperature, p));
}

double temperatureFromEntropy(double p, double s) {
  if (!validPressure(p) || !std::isfinite(s)) return kNaN;
  if (p < lowestSaturationPressure() || p >= kCriticalPressure) return solveWholeRange(Property::Entropy, p, s);
  const double Ts = saturationTemperature(p);
  const double liquid = saturatedProperty(Property::Entropy, Ts, Phase::Liquid);
  if (s < liquid)
    return solveOnIsobar(Property::Entropy, p, s, kMinTemperature, propertyAt(Property::Entropy, kMinTemperature, p),
                         Ts, liquid);
  const double vapour = saturatedProperty(Property::Entropy, Ts, Phase::Vapour);
  if (s <= vapour) return Ts;
  return solveOnIsobar(Property::Entropy, p, s, Ts, vapour, kMaxTemperature,
                       propertyAt(Property::Entropy, kMaxTemperature, p));
}

double qualityFromEnthalpy(double p, double h) { return quality(Property::Enthalpy, p, h); }
double qualityFromEntropy(double p, double s) { return quality(Property::Entropy, p, s); }

}  // namespace ifc67
