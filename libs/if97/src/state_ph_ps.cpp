// States from (p, h) and (p, s). The phase is decided by comparing h (s) with
// the exact saturated values at p, never by a temperature computed first: a
// temperature from a backward equation or an iteration is a few mK off, and
// near the saturation line that would put a liquid state on the vapour side.
#include <cmath>
#include <limits>

#include <hydrelix/if97.h>

#include "boundary_b23.h"
#include "constants.h"
#include "region1.h"
#include "region1_backward.h"
#include "region2.h"
#include "region2_backward.h"
#include "region3.h"
#include "region4.h"
#include "region5.h"
#include "saturation_states.h"
#include "temperature_solver.h"

namespace if97 {
namespace {

// Everything the decision needs of one of the two quantities, h or s.
struct Enthalpy {
  // Up to ps(623.15 K), h' <= 1671 kJ/kg and h'' >= 2563 kJ/kg.
  static constexpr double kBetweenTheEnds = 2100.0;
  static double region1(double T, double p) { return region1::specificEnthalpy(T, p); }
  static double region2(double T, double p) { return region2::specificEnthalpy(T, p); }
  static double region5(double T, double p) { return region5::specificEnthalpy(T, p); }
  static void region1WithSlope(double T, double p, double& value, double& slope) {
    region1::enthalpyWithSlope(T, p, value, slope);
  }
  static void region2WithSlope(double T, double p, double& value, double& slope) {
    region2::enthalpyWithSlope(T, p, value, slope);
  }
  static void region5WithSlope(double T, double p, double& value, double& slope) {
    region5::enthalpyWithSlope(T, p, value, slope);
  }
  static double region1Start(double p, double h) { return region1::backward::temperaturePh(p, h); }
  static double region2Start(double p, double h) { return region2::backward::temperaturePh(p, h); }
  static double region3Temperature(double p, double h) { return region3::fromPh(p, h).T; }
  static SaturatedPair saturated(double p) { return saturatedEnthalpies(p); }
};

struct Entropy {
  // Up to ps(623.15 K), s' <= 3.78 kJ/(kg K) and s'' >= 5.21 kJ/(kg K).
  static constexpr double kBetweenTheEnds = 4.5;
  static double region1(double T, double p) { return region1::specificEntropy(T, p); }
  static double region2(double T, double p) { return region2::specificEntropy(T, p); }
  static double region5(double T, double p) { return region5::specificEntropy(T, p); }
  static void region1WithSlope(double T, double p, double& value, double& slope) {
    region1::entropyWithSlope(T, p, value, slope);
  }
  static void region2WithSlope(double T, double p, double& value, double& slope) {
    region2::entropyWithSlope(T, p, value, slope);
  }
  static void region5WithSlope(double T, double p, double& value, double& slope) {
    region5::entropyWithSlope(T, p, value, slope);
  }
  static double region1Start(double p, double s) { return region1::backward::temperaturePs(p, s); }
  static double region2Start(double p, double s) { return region2::backward::temperaturePs(p, s); }
  static double region3Temperature(double p, double s) { return region3::fromPs(p, s).T; }
  static SaturatedPair saturated(double p) { return saturatedEntropies(p); }
};

bool pressureInRange(double p) { return p > kMinPressure && p <= kMaxPressure; }

bool belowSaturationLine(double p) { return p < region4::lowestSaturationPressure(); }

// The engine's own h or s at a temperature limit comes back through the
// caller's units a few ulps outside the value at the limit; it still means
// the limit.
bool justBeyond(double value, double limitValue) {
  constexpr double kUlps = 8.0;
  return std::fabs(value - limitValue) <=
         kUlps * std::numeric_limits<double>::epsilon() * std::fabs(limitValue);
}

// Liquid in region 1 between 273.15 K and `high`.
template <class Q>
double liquidTemperature(double p, double value, double high) {
  const double bottom = Q::region1(kMinTemperature, p);
  if (!(value >= bottom)) return justBeyond(value, bottom) ? kMinTemperature : kNaN;
  const auto valueWithSlope = [p](double T, double& valueAtT, double& slope) {
    Q::region1WithSlope(T, p, valueAtT, slope);
  };
  return solveTemperature(valueWithSlope, value, Q::region1Start(p, value), kMinTemperature, high);
}

// Vapour from `low` (on region 2's lower edge) up through region 5.
template <class Q>
double vapourTemperature(double p, double value, double low) {
  const double region2Top = Q::region2(kRegion2MaxTemperature, p);
  if (value <= region2Top) {
    const double bottom = Q::region2(low, p);
    if (!(value >= bottom)) return justBeyond(value, bottom) ? low : kNaN;
    const auto valueWithSlope = [p](double T, double& valueAtT, double& slope) {
      Q::region2WithSlope(T, p, valueAtT, slope);
    };
    return solveTemperature(valueWithSlope, value, Q::region2Start(p, value), low,
                            kRegion2MaxTemperature);
  }
  // Above 50 MPa the range ends at 1073.15 K.
  if (p > kRegion5MaxPressure) return justBeyond(value, region2Top) ? kRegion2MaxTemperature : kNaN;
  const double region5Top = Q::region5(kMaxTemperature, p);
  if (!(value <= region5Top)) return justBeyond(value, region5Top) ? kMaxTemperature : kNaN;
  // Region 5 has no backward equation; h and s are close to linear in T there.
  const double region5Bottom = Q::region5(kRegion2MaxTemperature, p);
  const double start =
      value <= region5Bottom ? kRegion2MaxTemperature
                             : kRegion2MaxTemperature + (kMaxTemperature - kRegion2MaxTemperature) *
                                                            (value - region5Bottom) /
                                                            (region5Top - region5Bottom);
  const auto valueWithSlope = [p](double T, double& valueAtT, double& slope) {
    Q::region5WithSlope(T, p, valueAtT, slope);
  };
  return solveTemperature(valueWithSlope, value, start, kRegion2MaxTemperature, kMaxTemperature);
}

// A single-phase state next to the saturation line keeps its side of it.
double keepLiquidSide(double T, double saturation) { return T > saturation ? saturation : T; }
double keepVapourSide(double T, double saturation) {
  return T <= saturation ? std::nextafter(saturation, std::numeric_limits<double>::infinity()) : T;
}

// Region 3 meets region 1 at 623.15 K and region 2 on B23 with small jumps
// in h and s: h1(623.15 K) < h3(623.15 K) and h3(TB23) < h2(TB23). An input
// in such a gap has no state on either side; the region 3 solve would
// extrapolate past the seam (and T(p, h) fall along the isobar). It gets the
// seam's temperature instead, on region 1's side at 623.15 K.
PlacedTemperature region3Placed(double T, double boundaryTemperature, Placement placement, double saturation) {
  if (T < kRegion13Temperature) return {kRegion13Temperature, Placement::region1, saturation};
  if (T > boundaryTemperature) return {boundaryTemperature, placement, saturation};
  return {T, placement, saturation};
}

template <class Q>
PlacedTemperature placedTemperatureOf(double p, double value) {
  if (!pressureInRange(p) || !std::isfinite(value)) return {kNaN, Placement::anywhere, kNaN};
  if (belowSaturationLine(p)) {
    return {vapourTemperature<Q>(p, value, kMinTemperature), Placement::vapour, kMinTemperature};
  }

  if (p <= region4::region3SaturationPressure()) {
    // The saturated end on the state's likely side is evaluated first, so a
    // single-phase state usually needs only one of the two. The guess only
    // orders the work: the decision is still the exact comparison.
    const double Ts = region4::saturationTemperature(p);
    const auto liquid = [&] {
      return PlacedTemperature{keepLiquidSide(liquidTemperature<Q>(p, value, Ts), Ts), Placement::region1, Ts};
    };
    const auto vapour = [&] {
      return PlacedTemperature{keepVapourSide(vapourTemperature<Q>(p, value, Ts), Ts), Placement::vapour, Ts};
    };
    if (value > Q::kBetweenTheEnds) {
      if (value > Q::region2(Ts, p)) return vapour();
      if (value >= Q::region1(Ts, p)) return {Ts, Placement::twoPhase, Ts};
      return liquid();
    }
    if (value < Q::region1(Ts, p)) return liquid();
    if (value <= Q::region2(Ts, p)) return {Ts, Placement::twoPhase, Ts};
    return vapour();
  }

  // Region 1's top at 623.15 K lies below h'(p) (s'(p)) at every pressure
  // up to pc, so region 1 liquid needs no saturated end.
  if (value <= Q::region1(kRegion13Temperature, p)) {
    return {liquidTemperature<Q>(p, value, kRegion13Temperature), Placement::region1, kNaN};
  }
  const double boundaryTemperature = b23::temperature(p);
  if (p < kCriticalPressure) {
    // The exact region 3 ends decide next: just above ps(623.15 K), TB23(p)
    // lies below Ts(p) and h2(TB23) below h'', so a wet state could otherwise
    // be taken for region 2 vapour.
    const SaturatedPair line = Q::saturated(p);
    if (value >= line.liquid && value <= line.vapour) return {line.T, Placement::twoPhase, line.T};
    const bool liquid = value < line.liquid;
    if (!liquid && value >= Q::region2(boundaryTemperature, p)) {
      return {keepVapourSide(vapourTemperature<Q>(p, value, boundaryTemperature), line.T),
              Placement::vapour, line.T};
    }
    double T = Q::region3Temperature(p, value);
    // Within a hair of the saturated end the region 3 solve may find no
    // single-phase state; the saturation temperature is then the answer to
    // well below 1e-9 (near the critical point cp is large, so T moves little).
    const double end = liquid ? line.liquid : line.vapour;
    if (std::isnan(T) && std::fabs(value - end) <= 1e-9 * std::fabs(end)) T = line.T;
    PlacedTemperature placed =
        region3Placed(T, boundaryTemperature, liquid ? Placement::liquid : Placement::vapour, line.T);
    placed.T = liquid ? keepLiquidSide(placed.T, line.T) : keepVapourSide(placed.T, line.T);
    return placed;
  }

  if (value >= Q::region2(boundaryTemperature, p)) {
    return {vapourTemperature<Q>(p, value, boundaryTemperature), Placement::anywhere, kNaN};
  }
  return region3Placed(Q::region3Temperature(p, value), boundaryTemperature, Placement::anywhere, kNaN);
}

template <class Q>
bool isTwoPhase(double p, double value) {
  const SaturatedPair line = Q::saturated(p);
  return value >= line.liquid && value <= line.vapour;
}

template <class Q>
double quality(double p, double value) {
  if (!std::isfinite(value)) return kNaN;
  const SaturatedPair line = Q::saturated(p);
  // Within about 3e-5 K of Tc both ends are one state: no tie line to divide.
  if (line.vapour == line.liquid) {
    if (value == line.liquid) return 0.0;
    return value < line.liquid ? -std::numeric_limits<double>::infinity()
                               : std::numeric_limits<double>::infinity();
  }
  return (value - line.liquid) / (line.vapour - line.liquid);
}

}  // namespace

SaturatedEnds saturatedEndsPh(double p) {
  const SaturatedPair line = saturatedEnthalpies(p);
  return {line.liquid, line.vapour};
}
SaturatedEnds saturatedEndsPs(double p) {
  const SaturatedPair line = saturatedEntropies(p);
  return {line.liquid, line.vapour};
}
bool isTwoPhasePh(double p, double h) { return isTwoPhase<Enthalpy>(p, h); }
bool isTwoPhasePs(double p, double s) { return isTwoPhase<Entropy>(p, s); }
double qualityPh(double p, double h) { return quality<Enthalpy>(p, h); }
double qualityPs(double p, double s) { return quality<Entropy>(p, s); }
double temperaturePh(double p, double h) { return placedTemperatureOf<Enthalpy>(p, h).T; }
double temperaturePs(double p, double s) { return placedTemperatureOf<Entropy>(p, s).T; }
PlacedTemperature placedTemperaturePh(double p, double h) { return placedTemperatureOf<Enthalpy>(p, h); }
PlacedTemperature placedTemperaturePs(double p, double s) { return placedTemperatureOf<Entropy>(p, s); }

}  // namespace if97
