// States from (p, h) and (p, s). The phase is decided by comparing h (s) with
// the exact saturated values at p, never by a temperature computed first: a
// temperature from a backward equation or an iteration is a few mK off, and
// near the saturation line that would put a liquid state on the vapour side.
#include <cmath>
#include <limits>

#include <if97/if97.h>

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

// Liquid in region 1 between 273.15 K and `high`.
template <class Q>
double liquidTemperature(double p, double value, double high) {
  if (!(value >= Q::region1(kMinTemperature, p))) return kNaN;
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
    if (!(value >= Q::region2(low, p))) return kNaN;
    const auto valueWithSlope = [p](double T, double& valueAtT, double& slope) {
      Q::region2WithSlope(T, p, valueAtT, slope);
    };
    return solveTemperature(valueWithSlope, value, Q::region2Start(p, value), low,
                            kRegion2MaxTemperature);
  }
  if (!(p <= kRegion5MaxPressure && value <= Q::region5(kMaxTemperature, p))) return kNaN;
  // Region 5 has no backward equation; h and s are close to linear in T there.
  const double region5Bottom = Q::region5(kRegion2MaxTemperature, p);
  const double start =
      value <= region5Bottom ? kRegion2MaxTemperature
                             : kRegion2MaxTemperature + (kMaxTemperature - kRegion2MaxTemperature) *
                                                            (value - region5Bottom) /
                                                            (Q::region5(kMaxTemperature, p) - region5Bottom);
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

template <class Q>
double temperatureOf(double p, double value) {
  if (!pressureInRange(p) || !std::isfinite(value)) return kNaN;
  if (belowSaturationLine(p)) return vapourTemperature<Q>(p, value, kMinTemperature);

  if (p <= region4::region3SaturationPressure()) {
    // The saturated end on the state's likely side is evaluated first, so a
    // single-phase state usually needs only one of the two. The guess only
    // orders the work: the decision is still the exact comparison.
    const double Ts = region4::saturationTemperature(p);
    if (value > Q::kBetweenTheEnds) {
      if (value > Q::region2(Ts, p)) return keepVapourSide(vapourTemperature<Q>(p, value, Ts), Ts);
      if (value >= Q::region1(Ts, p)) return Ts;
      return keepLiquidSide(liquidTemperature<Q>(p, value, Ts), Ts);
    }
    if (value < Q::region1(Ts, p)) return keepLiquidSide(liquidTemperature<Q>(p, value, Ts), Ts);
    if (value <= Q::region2(Ts, p)) return Ts;
    return keepVapourSide(vapourTemperature<Q>(p, value, Ts), Ts);
  }

  if (value <= Q::region1(kRegion13Temperature, p)) {
    return liquidTemperature<Q>(p, value, kRegion13Temperature);
  }
  const double boundaryTemperature = b23::temperature(p);
  if (value >= Q::region2(boundaryTemperature, p)) {
    return vapourTemperature<Q>(p, value, boundaryTemperature);
  }
  if (p < kCriticalPressure) {
    const SaturatedPair line = Q::saturated(p);
    if (value >= line.liquid && value <= line.vapour) return line.T;
    const bool liquid = value < line.liquid;
    double T = Q::region3Temperature(p, value);
    // Within a hair of the saturated end the region 3 solve may find no
    // single-phase state; the saturation temperature is then the answer to
    // well below 1e-9 (near the critical point cp is large, so T moves little).
    const double end = liquid ? line.liquid : line.vapour;
    if (std::isnan(T) && std::fabs(value - end) <= 1e-9 * std::fabs(end)) T = line.T;
    return liquid ? keepLiquidSide(T, line.T) : keepVapourSide(T, line.T);
  }
  return Q::region3Temperature(p, value);
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
  return (value - line.liquid) / (line.vapour - line.liquid);
}

}  // namespace

bool isTwoPhasePh(double p, double h) { return isTwoPhase<Enthalpy>(p, h); }
bool isTwoPhasePs(double p, double s) { return isTwoPhase<Entropy>(p, s); }
double qualityPh(double p, double h) { return quality<Enthalpy>(p, h); }
double qualityPs(double p, double s) { return quality<Entropy>(p, s); }
double temperaturePh(double p, double h) { return temperatureOf<Enthalpy>(p, h); }
double temperaturePs(double p, double s) { return temperatureOf<Entropy>(p, s); }

}  // namespace if97
