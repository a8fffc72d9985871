#include "states.h"

#include "analysis/diagnostics.h"
#include "analysis/isobar_state.h"

#include <hydrelix/if97.h>
#include <hydrelix/ifc67.h>

#include <cmath>
#include <limits>

namespace pystates {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

State NoState() {
  return {kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, 0, kNoPhase};
}

double CriticalTemperature(Formulation formulation) {
  return formulation == Formulation::IF97 ? if97::kCriticalTemperature
                                          : ifc67::kCriticalTemperature;
}

int PhaseIndex(Formulation formulation, double T, double P, bool onLine, double x) {
  return static_cast<int>(analysis::PhaseOf(formulation, T, P, onLine, x));
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
  return {T, P, p.v, 1 / p.v, p.u, p.h, p.s, p.cp, p.cv, p.w, kNaN,
          analysis::RegionOf(Formulation::IF97, T, P, false).value_or(0),
          PhaseIndex(Formulation::IF97, T, P, false, 0.0)};
}

State Ifc67SinglePhase(double T, double P) {
  const int subregion = ifc67::subregionTp(T, P);
  if (subregion == 0) return NoState();
  State state{T, P, ifc67::specificVolume(T, P), kNaN, ifc67::specificInternalEnergy(T, P),
              ifc67::specificEnthalpy(T, P), ifc67::specificEntropy(T, P), ifc67::isobaricHeatCapacity(T, P),
              kNaN, kNaN, kNaN, subregion, PhaseIndex(Formulation::IFC67, T, P, false, 0.0)};
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
  } else {
    state.v = ifc67::mixtureVolumeTx(T, x);
    state.h = ifc67::mixtureEnthalpyTx(T, x);
    state.s = ifc67::mixtureEntropyTx(T, x);
    state.u = state.h - P * 1000 * state.v;
  }
  if (!std::isfinite(state.v)) return NoState();
  state.rho = 1 / state.v;
  state.region = analysis::RegionOf(formulation, T, P, true).value_or(0);
  state.phase = PhaseIndex(formulation, T, P, true, x);
  if (x == 0.0 || x == 1.0) {
    // The saturated phase as the single-phase functions see it, just on its
    // side of the line.
    const bool liquid = x == 0.0;
    const double side = T < CriticalTemperature(formulation) ? P * (liquid ? 1 + 1e-9 : 1 - 1e-9) : P;
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

}  // namespace

const char* PhaseWord(int phase) {
  return phase == kNoPhase ? "" : analysis::PhaseWord(static_cast<analysis::Phase>(phase));
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

namespace {

State Placed(Formulation formulation, double P, const std::optional<analysis::IsobarPoint>& point) {
  if (!point) return NoState();
  if (point->wet) return StatePx(formulation, P, point->quality);
  return SinglePhaseTp(formulation, point->temperature, P);
}

}  // namespace

State StatePh(Formulation formulation, double P, double h) {
  return Placed(formulation, P, analysis::PlaceByEnthalpy(formulation, P, h));
}

State StatePs(Formulation formulation, double P, double s) {
  return Placed(formulation, P, analysis::PlaceByEntropy(formulation, P, s));
}

}  // namespace pystates
