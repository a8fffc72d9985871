// SPDX-License-Identifier: MIT
// Temperature from (p, h) and (p, s), and quality from (p, h) and (p, s).
// Along an isobar h and s rise with T inside one phase, so every search is a
// bracket: Newton-like steps alone would stumble on the formulation's jumps at
// 623.15 K and on the L-line, and on the huge cp near the critical point.
#include <cmath>
#include <cstdint>
#include <limits>

#include "coefficients.h"
#include "hydrelix/ifc67.h"
#include "saturated_states.h"
#include "saturation_line.h"
#include "single_phase.h"

namespace ifc67 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// The iterates lie on multiples of this step (about 1.5e-8 K), and the
// answer is interpolated in the last cell of them that brackets the value.
// The cell is the same for every value it holds, so that along an isobar
// the temperature never falls between values an ulp apart, as an iteration
// stopped at a tolerance may let it. That needs h and s to rise from one
// grid point to the next: the rounding of the sums at high pressure moves
// them by up to 5e-12 relative, which a step of 2^-30 K does not always
// outgrow and this one outgrows many times over. Linear interpolation over
// a cell this narrow is as exact as the values themselves.
constexpr double kGridStep = 0x1p-26;  // K

// How far from the value at an end of a bracket a value still counts as that
// end, on either side: a caller's unit conversion (kJ/kg from J/kg) rounds by
// an ulp, and the caller may have computed the end's value in its unit the
// same way, so that its own end state comes back as the end exactly.
double nearEnd(double value) { return 4.0 * std::numeric_limits<double>::epsilon() * std::fabs(value); }

bool validPressure(double p) { return p > 0.0 && p <= kMaxPressure; }

// The grid point nearest T strictly inside (low, high); NaN if there is none.
// Temperatures are positive: truncation is floor, and cheaper than the call.
double gridPointInside(double T, double low, double high) {
  const auto cell = [](double x) { return static_cast<double>(static_cast<int64_t>(x / kGridStep)); };
  const double first = (cell(low) + 1.0) * kGridStep;
  const double highCell = cell(high);
  const double last = (highCell * kGridStep == high ? highCell - 1.0 : highCell) * kGridStep;
  if (!(first <= last)) return kNaN;
  const double nearest = cell(T + 0.5 * kGridStep) * kGridStep;
  return nearest < first ? first : nearest > last ? last : nearest;
}

// Linear in the cell: for a value between the ends' values (low's below
// high's), a temperature between them that rises with the value.
double interpolate(double target, double low, double valueLow, double high, double valueHigh) {
  const double T = low + (high - low) * ((target - valueLow) / (valueHigh - valueLow));
  return T < high ? T : high;
}

// T in [low, high] with property(T, p) = target, where the caller knows the
// property's values at both ends (a saturated end uses the saturated state's
// value, which the single-phase choice at exactly Ts may not reproduce).
//
// The bracket always holds the answer. Inside it, a Newton step where the
// slope comes with the value (subregions 2, 3 and 4), an Illinois
// false-position step in subregion 1; a step that leaves the
// bracket, or a Newton step no shorter than half the one before (a jump of
// the formulation ahead), gives way to bisection. Each step lands on the grid.
double solveOnIsobar(Property property, double p, double target, double low, double valueLow, double high,
                     double valueHigh) {
  // Just above ps(273.16 K) the liquid side of the line is narrower than a
  // grid step, and there the formulation's rounding, not the temperature,
  // orders its two end values: any value between them, or as far beyond them
  // as they are apart, is that one temperature.
  if (!(valueLow < valueHigh) && std::isnan(gridPointInside(low, low, high))) {
    const double spread = std::fabs(valueHigh - valueLow) + nearEnd(valueLow) + nearEnd(valueHigh);
    const bool between = target >= std::fmin(valueLow, valueHigh) - spread &&
                         target <= std::fmax(valueLow, valueHigh) + spread;
    return between ? 0.5 * (low + high) : kNaN;
  }
  if (std::fabs(target - valueLow) <= nearEnd(valueLow)) return low;
  if (std::fabs(target - valueHigh) <= nearEnd(valueHigh)) return high;
  if (!(target > valueLow && target < valueHigh)) return kNaN;
  double T = gridPointInside(low + (high - low) * (target - valueLow) / (valueHigh - valueLow), low, high);
  if (std::isnan(T)) return interpolate(target, low, valueLow, high, valueHigh);
  double residualLow = valueLow - target;  // weighted by the Illinois rule
  double residualHigh = valueHigh - target;
  int lastMoved = 0;  // -1: the low end moved last, +1: the high end
  double previousStep = high - low;
  for (int iteration = 0; iteration < 200; ++iteration) {
    const PropertyAndSlope current = propertyAndSlopeAt(property, T, p);
    const double residual = current.value - target;
    if (!std::isfinite(residual)) return kNaN;
    if (residual == 0.0) return T;
    if (residual < 0.0) {
      low = T;
      valueLow = current.value;
      residualLow = residual;
      if (lastMoved == -1) residualHigh *= 0.5;  // Illinois: the stale end weighs less
      lastMoved = -1;
    } else {
      high = T;
      valueHigh = current.value;
      residualHigh = residual;
      if (lastMoved == +1) residualLow *= 0.5;
      lastMoved = +1;
    }
    double next;
    if (current.slope > 0.0) {
      // Newton steps shrink fast unless a jump lies ahead: then bisect.
      next = T - residual / current.slope;
      if (std::fabs(next - T) > 0.5 * previousStep) next = 0.5 * (low + high);
    } else {
      next = low + (high - low) * (-residualLow) / (residualHigh - residualLow);
    }
    if (!(next > low && next < high)) next = 0.5 * (low + high);
    previousStep = std::fmax(std::fabs(next - T), kGridStep);
    T = gridPointInside(next, low, high);
    if (std::isnan(T)) break;
  }
  return interpolate(target, low, valueLow, high, valueHigh);
}

// The first temperature of subregion 2 where the isobar crosses the boundary
// line of subregions 2 and 3 (from 16.5 MPa to 100 MPa), to the bit as the
// (T, p) choice of subregion has it; NaN for an isobar that does not.
double boundaryLineCrossing(double p) {
  double T = kCriticalTemperature * reducedBoundaryTemperature(p / kCriticalPressure);
  if (!(T > kSubregion1MaxTemperature && T <= kSubregion3MaxTemperature)) return kNaN;
  // The root is within a few ulps of it.
  for (int step = 0; step < 64 && subregionTp(T, p) != 2; ++step) T = std::nextafter(T, kMaxTemperature);
  for (int step = 0; step < 64 && subregionTp(std::nextafter(T, 0.0), p) == 2; ++step) T = std::nextafter(T, 0.0);
  return T;
}

// Across the boundary line h and s jump, mostly down (by up to 0.24 kJ/kg
// and 0.28 J/(kg K)), sometimes up: a value has a root on both sides of the
// line, or none. Subregion 3's value at the line decides, as at 623.15 K
// below: up to it the root below, inside a rising jump the line itself,
// above both the root above.
double solveAcrossBoundaryLine(Property property, double p, double target, double low, double valueLow, double high,
                               double valueHigh) {
  const double line = boundaryLineCrossing(p);
  const double lastBelow = std::nextafter(line, 0.0);  // subregion 3's last temperature
  if (!(low < lastBelow && line < high)) return solveOnIsobar(property, p, target, low, valueLow, high, valueHigh);
  const double below = propertyAt(property, lastBelow, p);
  if (target <= below) return solveOnIsobar(property, p, target, low, valueLow, lastBelow, below);
  const double above = propertyAt(property, line, p);
  if (target <= above) return line;
  return solveOnIsobar(property, p, target, line, above, high, valueHigh);
}

// Above ps(623.15 K) the isobar leaves subregion 1 at 623.15 K, and there h
// falls by up to 0.15 kJ/kg (s rises): an h in that overlap has a root on
// either side, and a bracket could find either, the one for the next value up
// lower. The value at 623.15 K from subregion 1 decides: up to it the root
// below, above it the one above, so that T never falls along the isobar.
// (The two shorter brackets cost no more than the one.)
double solveAcross623K(Property property, double p, double target, double low, double valueLow, double high,
                       double valueHigh) {
  const double seam = kSubregion1MaxTemperature;
  // The (T, p) choice of subregion at 623.15 K, its betaK computed once.
  static const double liquidFrom = reducedSaturationPressure(seam / kCriticalTemperature);
  if (!(low < seam && seam < high) || !(p / kCriticalPressure >= liquidFrom))
    return solveAcrossBoundaryLine(property, p, target, low, valueLow, high, valueHigh);
  const double atSeam = propertyInSubregion(property, 1, seam, p);
  if (target <= atSeam) return solveOnIsobar(property, p, target, low, valueLow, seam, atSeam);
  return solveAcrossBoundaryLine(property, p, target, seam, atSeam, high, valueHigh);
}

// Over the whole temperature range, where the isobar has no saturated state:
// below the lowest saturation pressure and at or above pc1.
double solveWholeRange(Property property, double p, double target) {
  return solveAcross623K(property, p, target, kMinTemperature, propertyAt(property, kMinTemperature, p),
                         kMaxTemperature, propertyAt(property, kMaxTemperature, p));
}

bool crossesSaturationLine(double p) { return p >= lowestSaturationPressure() && p < kCriticalPressure; }

double quality(Property property, double p, double value) {
  if (!crossesSaturationLine(p) || !std::isfinite(value)) return kNaN;
  const double Ts = saturationTemperature(p);
  const double liquid = saturatedProperty(property, Ts, Phase::Liquid);
  const double vapour = saturatedProperty(property, Ts, Phase::Vapour);
  // Close below pc1 the saturated states nearly coincide: a value far from
  // them overflows, which is no quality at all.
  const double x = (value - liquid) / (vapour - liquid);
  return std::isfinite(x) ? x : kNaN;
}

PlacedTemperature noSaturation(double T) { return {T, Placement::noSaturation, kNaN, kNaN, kNaN}; }

}  // namespace

PlacedTemperature placedTemperaturePh(double p, double h) {
  if (!validPressure(p) || !std::isfinite(h)) return noSaturation(kNaN);
  if (!crossesSaturationLine(p)) return noSaturation(solveWholeRange(Property::Enthalpy, p, h));
  const double Ts = saturationTemperature(p);
  const double vapour = saturatedProperty(Property::Enthalpy, Ts, Phase::Vapour);
  const double T = solveAcrossBoundaryLine(Property::Enthalpy, p, h, Ts, vapour, kMaxTemperature,
                                           propertyAt(Property::Enthalpy, kMaxTemperature, p));
  // A value the end tolerance took as the saturated vapour is vapour too.
  const Placement placement = h >= vapour || T == Ts ? Placement::vapour : Placement::liquid;
  return {T, placement, Ts, kNaN, vapour};
}

PlacedTemperature placedTemperaturePs(double p, double s) {
  if (!validPressure(p) || !std::isfinite(s)) return noSaturation(kNaN);
  if (!crossesSaturationLine(p)) return noSaturation(solveWholeRange(Property::Entropy, p, s));
  const double Ts = saturationTemperature(p);
  const double liquid = saturatedProperty(Property::Entropy, Ts, Phase::Liquid);
  if (s < liquid) {
    const double T = solveAcross623K(Property::Entropy, p, s, kMinTemperature,
                                     propertyAt(Property::Entropy, kMinTemperature, p), Ts, liquid);
    return {T, Placement::liquid, Ts, liquid, kNaN};
  }
  const double vapour = saturatedProperty(Property::Entropy, Ts, Phase::Vapour);
  if (s <= vapour) return {Ts, Placement::wet, Ts, liquid, vapour};
  const double T = solveAcrossBoundaryLine(Property::Entropy, p, s, Ts, vapour, kMaxTemperature,
                                           propertyAt(Property::Entropy, kMaxTemperature, p));
  return {T, Placement::vapour, Ts, liquid, vapour};
}

double temperaturePh(double p, double h) { return placedTemperaturePh(p, h).temperature; }
double temperaturePs(double p, double s) { return placedTemperaturePs(p, s).temperature; }

double qualityPh(double p, double h) { return quality(Property::Enthalpy, p, h); }
double qualityPs(double p, double s) { return quality(Property::Entropy, p, s); }

}  // namespace ifc67
