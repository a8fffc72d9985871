// The two ends of a tie line. Up to 623.15 K they come from regions 1 and 2
// at (Ts, p); above it both densities are solved from the region 3 equation
// at ps(T), so the ends agree with the region 3 single-phase states. Next to
// Tc the vapour end is the vapour branch's first state on the isobar, a hair
// above Ts (region3::saturatedVapourEnd).
#include "saturation_states.h"

#include <cmath>

#include <hydrelix/if97.h>

#include "constants.h"
#include "region1.h"
#include "region2.h"
#include "region3.h"
#include "region4.h"

namespace if97 {
namespace {

SaturatedPhase nanPhase() { return SaturatedPhase{kNaN, kNaN, kNaN, kNaN}; }

SaturationState nanState() { return SaturationState{kNaN, kNaN, nanPhase(), nanPhase()}; }

SaturatedPhase region1Phase(double T, double p) {
  return SaturatedPhase{region1::specificVolume(T, p), region1::specificEnthalpy(T, p),
                        region1::specificInternalEnergy(T, p), region1::specificEntropy(T, p)};
}

SaturatedPhase region2Phase(double T, double p) {
  return SaturatedPhase{region2::specificVolume(T, p), region2::specificEnthalpy(T, p),
                        region2::specificInternalEnergy(T, p), region2::specificEntropy(T, p)};
}

SaturatedPhase region3Phase(double rho, double T) {
  return SaturatedPhase{1.0 / rho, region3::specificEnthalpy(rho, T),
                        region3::specificInternalEnergy(rho, T),
                        region3::specificEntropy(rho, T)};
}

// T and p on the line, already checked; lowTemperature when T <= 623.15 K.
SaturationState stateOnLine(double T, double p, bool lowTemperature) {
  if (lowTemperature) return SaturationState{T, p, region1Phase(T, p), region2Phase(T, p)};
  const double liquidDensity = region3::saturatedLiquidDensity(T);
  const region3::TemperatureDensity vapour = region3::saturatedVapourEnd(T);
  if (std::isnan(liquidDensity) || std::isnan(vapour.rho)) return nanState();
  return SaturationState{T, p, region3Phase(liquidDensity, T), region3Phase(vapour.rho, vapour.T)};
}

// One property of the region 3 vapour end at T.
template <double (*region3Value)(double, double)>
double region3VapourValue(double T) {
  const region3::TemperatureDensity vapour = region3::saturatedVapourEnd(T);
  return region3Value(vapour.rho, vapour.T);
}

// The ends themselves at x = 0 and 1: l + (g - l) can miss g by a rounding.
double mixed(double liquid, double vapour, double x) {
  return x == 1.0 ? vapour : liquid + x * (vapour - liquid);
}

SaturatedPhase mix(const SaturationState& state, double x) {
  if (!(x >= 0.0 && x <= 1.0)) return nanPhase();
  const SaturatedPhase& l = state.liquid;
  const SaturatedPhase& g = state.vapour;
  return SaturatedPhase{mixed(l.v, g.v, x), mixed(l.h, g.h, x), mixed(l.u, g.u, x),
                        mixed(l.s, g.s, x)};
}

double region3Volume(double rho, double) { return 1.0 / rho; }

// One property of a wet state: of (T, p) in regions 1 and 2, of (rho, T) in
// region 3, and at x = 0 or 1 of that end alone.
template <double (*region1Value)(double, double), double (*region2Value)(double, double),
          double (*region3Value)(double, double)>
double mixtureValueTx(double T, double x) {
  if (!(x >= 0.0 && x <= 1.0)) return kNaN;
  const double p = region4::saturationPressure(T);
  if (std::isnan(p)) return kNaN;
  const bool liquidNeeded = x < 1.0;
  const bool vapourNeeded = x > 0.0;
  double liquid = 0.0, vapour = 0.0;
  if (T <= kRegion13Temperature) {
    if (liquidNeeded) liquid = region1Value(T, p);
    if (vapourNeeded) vapour = region2Value(T, p);
  } else {
    if (liquidNeeded) liquid = region3Value(region3::saturatedLiquidDensity(T), T);
    if (vapourNeeded) vapour = region3VapourValue<region3Value>(T);
  }
  return mixed(liquid, vapour, x);
}

bool onSaturationLine(double p) {
  return p >= region4::lowestSaturationPressure() && p < kCriticalPressure;
}

// One property of both ends at p: of (T, p) in regions 1 and 2, of (rho, T)
// in region 3.
template <double (*region1Value)(double, double), double (*region2Value)(double, double),
          double (*region3Value)(double, double)>
SaturatedPair saturatedPair(double p) {
  if (!onSaturationLine(p)) return SaturatedPair{kNaN, kNaN, kNaN};
  const double T = region4::saturationTemperature(p);
  if (p <= region4::region3SaturationPressure()) {
    return SaturatedPair{T, region1Value(T, p), region2Value(T, p)};
  }
  const region3::IsobarEnds ends = region3::isobarEnds(p);
  if (std::isnan(ends.Ts)) return SaturatedPair{kNaN, kNaN, kNaN};
  const auto value = [](const region3::TemperatureDensity& end) { return region3Value(end.rho, end.T); };
  return SaturatedPair{ends.Ts, std::fmin(value(ends.liquidOnLine), value(ends.liquidOnIsobar)),
                       std::fmax(value(ends.vapourOnLine), value(ends.vapourOnIsobar))};
}

}  // namespace

double saturationPressure(double T) { return region4::saturationPressure(T); }

double saturationTemperature(double p) { return region4::saturationTemperature(p); }

SaturationState saturationStateT(double T) {
  const double p = region4::saturationPressure(T);
  if (std::isnan(p)) return nanState();
  return stateOnLine(T, p, T <= kRegion13Temperature);
}

SaturationState saturationStateP(double p) {
  const double T = region4::saturationTemperature(p);
  if (std::isnan(T)) return nanState();
  return stateOnLine(T, p, p <= region4::region3SaturationPressure());
}

SaturatedPhase mixtureTx(double T, double x) { return mix(saturationStateT(T), x); }

SaturatedPhase mixturePx(double p, double x) { return mix(saturationStateP(p), x); }

double mixtureEnthalpyTx(double T, double x) {
  return mixtureValueTx<region1::specificEnthalpy, region2::specificEnthalpy,
                        region3::specificEnthalpy>(T, x);
}

double mixtureEntropyTx(double T, double x) {
  return mixtureValueTx<region1::specificEntropy, region2::specificEntropy,
                        region3::specificEntropy>(T, x);
}

double mixtureVolumeTx(double T, double x) {
  return mixtureValueTx<region1::specificVolume, region2::specificVolume, region3Volume>(T, x);
}

SaturatedPair saturatedEnthalpies(double p) {
  return saturatedPair<region1::specificEnthalpy, region2::specificEnthalpy,
                       region3::specificEnthalpy>(p);
}

SaturatedPair saturatedEntropies(double p) {
  return saturatedPair<region1::specificEntropy, region2::specificEntropy,
                       region3::specificEntropy>(p);
}

}  // namespace if97
