#include "states.h"

#include <if97/if97.h>
#include <ifc67/ifc67.h>

#include <cmath>
#include <limits>

namespace pystates {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

enum Phase {
  CompressedLiquid, SaturatedLiquid, WetSteam, SaturatedVapor, SuperheatedVapor,
  SupercriticalFluid, LiquidAboveCriticalPressure, GasAboveCriticalTemperature, CriticalPoint
};

State NoState() {
  return {kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, 0, kNoPhase};
}

struct Critical {
  double T, P;
};
Critical CriticalPointOf(Formulation formulation) {
  return formulation == Formulation::IF97
             ? Critical{if97::kCriticalTemperature, if97::kCriticalPressure}
             : Critical{ifc67::kCriticalTemperature, ifc67::kCriticalPressure};
}

// The phase word of a single-phase state, from where T and P lie against the
// critical point and the saturation line.
int SinglePhase(Formulation formulation, double T, double P) {
  const Critical c = CriticalPointOf(formulation);
  if (std::fabs(T - c.T) <= 0.001 && std::fabs(P - c.P) <= 0.0001) return CriticalPoint;
  if (P > c.P && T > c.T) return SupercriticalFluid;
  if (P > c.P) return LiquidAboveCriticalPressure;
  if (T > c.T) return GasAboveCriticalTemperature;
  const double saturation = SaturationTemperature(formulation, P);
  if (std::isnan(saturation)) return T < c.T ? SuperheatedVapor : GasAboveCriticalTemperature;
  return T <= saturation ? CompressedLiquid : SuperheatedVapor;
}

int OnTheLine(Formulation formulation, double T, double P, double x) {
  const Critical c = CriticalPointOf(formulation);
  if (std::fabs(T - c.T) <= 0.001 && std::fabs(P - c.P) <= 0.0001) return CriticalPoint;
  if (x == 0.0) return SaturatedLiquid;
  if (x == 1.0) return SaturatedVapor;
  return WetSteam;
}

// IFC-67 has neither cv nor a speed of sound: both come from IF-97 at the
// same T and P, on the side of the line the IFC-67 state lies on.
void AddIf97Cv(State& state, bool liquid) {
  double p = state.P;
  if (state.T < if97::kCriticalTemperature) {
    const double saturation = if97::saturationPressure(state.T);
    if (liquid && p < saturation) p = saturation * (1 + 1e-9);
    if (!liquid && p >= saturation) p = saturation * (1 - 1e-9);
  }
  state.cv = if97::isochoricHeatCapacity(state.T, p);
  state.w = if97::speedOfSound(state.T, p);
}

State If97SinglePhase(double T, double P) {
  const if97::Region region = if97::regionTp(T, P);
  if (region == if97::Region::outside) return NoState();
  const if97::Properties p = if97::propertiesTp(T, P);
  if (!std::isfinite(p.v)) return NoState();
  const int regionNumber = region == if97::Region::region1   ? 1
                           : region == if97::Region::region2 ? 2
                           : region == if97::Region::region3 ? 3
                                                             : 5;
  return {T, P, p.v, 1 / p.v, p.u, p.h, p.s, p.cp, p.cv, p.w, kNaN, regionNumber,
          SinglePhase(Formulation::IF97, T, P)};
}

State Ifc67SinglePhase(double T, double P) {
  const int subregion = ifc67::subregion(T, P);
  if (subregion == 0) return NoState();
  State state{T, P, ifc67::specificVolume(T, P), kNaN, ifc67::internalEnergy(T, P),
              ifc67::enthalpy(T, P), ifc67::entropy(T, P), ifc67::isobaricHeatCapacity(T, P),
              kNaN, kNaN, kNaN, subregion, SinglePhase(Formulation::IFC67, T, P)};
  if (!std::isfinite(state.v)) return NoState();
  state.rho = 1 / state.v;
  const bool liquid = T >= ifc67::kCriticalTemperature ? P > ifc67::kCriticalPressure
                                                       : P >= ifc67::saturationPressure(T);
  AddIf97Cv(state, liquid);
  return state;
}

State SinglePhaseTp(Formulation formulation, double T, double P) {
  return formulation == Formulation::IF97 ? If97SinglePhase(T, P) : Ifc67SinglePhase(T, P);
}

// A state on the saturation line at T with vapour fraction x. At x = 0 or 1
// it is that saturated phase, with its heat capacities and speed of sound;
// between them those have no value.
State Saturated(Formulation formulation, double T, double x) {
  if (!(x >= 0.0 && x <= 1.0)) return NoState();
  const double P = SaturationPressure(formulation, T);
  if (!std::isfinite(P)) return NoState();
  State state = NoState();
  state.T = T;
  state.P = P;
  state.x = x;
  if (formulation == Formulation::IF97) {
    const if97::SaturatedPhase mixed = if97::mixtureTx(T, x);
    state.v = mixed.v;
    state.u = mixed.u;
    state.h = mixed.h;
    state.s = mixed.s;
    state.region = 4;
  } else {
    state.v = ifc67::saturatedVolume(T, x);
    state.h = ifc67::saturatedEnthalpy(T, x);
    state.s = ifc67::saturatedEntropy(T, x);
    state.u = state.h - P * 1000 * state.v;
    state.region = 0;
  }
  if (!std::isfinite(state.v)) return NoState();
  state.rho = 1 / state.v;
  state.phase = OnTheLine(formulation, T, P, x);
  if (x == 0.0 || x == 1.0) {
    // The saturated phase as the single-phase functions see it, just on its
    // side of the line.
    const bool liquid = x == 0.0;
    const double side = T < CriticalPointOf(formulation).T ? P * (liquid ? 1 + 1e-9 : 1 - 1e-9) : P;
    if (formulation == Formulation::IF97) {
      const if97::Properties p = if97::propertiesTp(T, side);
      state.cp = p.cp;
      state.cv = p.cv;
      state.w = p.w;
    } else {
      state.cp = ifc67::isobaricHeatCapacity(T, side);
      AddIf97Cv(state, liquid);
    }
  }
  return state;
}

// The IFC-67 library's T(p, h) takes only vapour and supercritical fluid;
// a compressed liquid is found by bisection on h(T, p), which rises with T.
double Ifc67LiquidTemperatureFromEnthalpy(double P, double h, double saturation) {
  double low = ifc67::kMinTemperature;
  double high = saturation;
  if (!(h >= ifc67::enthalpy(low, P) && h <= ifc67::enthalpy(high, P))) return kNaN;
  for (int i = 0; i < 200 && high - low > 1e-12 * high; ++i) {
    const double middle = 0.5 * (low + high);
    (ifc67::enthalpy(middle, P) < h ? low : high) = middle;
  }
  return 0.5 * (low + high);
}

}  // namespace

const char* const* PhaseWords() {
  static const char* const words[] = {
      "Compressed liquid", "Saturated liquid", "Wet steam", "Saturated vapor",
      "Superheated vapor", "Supercritical fluid", "Liquid above the critical pressure",
      "Gas above the critical temperature", "Critical point", ""};
  return words;
}

double SaturationTemperature(Formulation formulation, double P) {
  return formulation == Formulation::IF97 ? if97::saturationTemperature(P)
                                          : ifc67::saturationTemperature(P);
}

double SaturationPressure(Formulation formulation, double T) {
  return formulation == Formulation::IF97 ? if97::saturationPressure(T)
                                          : ifc67::saturationPressure(T);
}

State StateTp(Formulation formulation, double T, double P) {
  return SinglePhaseTp(formulation, T, P);
}

State StateTx(Formulation formulation, double T, double x) {
  return Saturated(formulation, T, x);
}

State StatePx(Formulation formulation, double P, double x) {
  const double T = SaturationTemperature(formulation, P);
  if (!std::isfinite(T)) return NoState();
  State state = Saturated(formulation, T, x);
  if (state.phase != kNoPhase) state.P = P;
  return state;
}

State StatePh(Formulation formulation, double P, double h) {
  if (formulation == Formulation::IF97) {
    if (if97::isTwoPhasePh(P, h)) return StatePx(formulation, P, if97::qualityPh(P, h));
    return SinglePhaseTp(formulation, if97::temperaturePh(P, h), P);
  }
  // The library places every value below the saturated vapour alike; the
  // lever rule tells the wet states from the liquid ones.
  const ifc67::IsobarTemperature placed = ifc67::placeByEnthalpy(P, h);
  if (placed.placement != ifc67::Placement::Liquid && placed.placement != ifc67::Placement::Wet) {
    return SinglePhaseTp(formulation, placed.temperature, P);
  }
  const double x = ifc67::qualityFromEnthalpy(P, h);
  if (x >= 0.0) return StatePx(formulation, P, x);
  return SinglePhaseTp(formulation,
                       Ifc67LiquidTemperatureFromEnthalpy(P, h, placed.saturationTemperature), P);
}

State StatePs(Formulation formulation, double P, double s) {
  if (formulation == Formulation::IF97) {
    if (if97::isTwoPhasePs(P, s)) return StatePx(formulation, P, if97::qualityPs(P, s));
    return SinglePhaseTp(formulation, if97::temperaturePs(P, s), P);
  }
  const ifc67::IsobarTemperature placed = ifc67::placeByEntropy(P, s);
  if (placed.placement == ifc67::Placement::Wet) {
    return StatePx(formulation, P, ifc67::qualityFromEntropy(P, s));
  }
  return SinglePhaseTp(formulation, placed.temperature, P);
}

}  // namespace pystates
