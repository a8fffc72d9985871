// SPDX-License-Identifier: MIT
// IAPWS-IF97, the industrial formulation for water and steam.
//
// SI units throughout: T in K, p in MPa, v in m3/kg, h and u in kJ/kg,
// s, cp and cv in kJ/(kg K), w in m/s, x (vapour fraction) from 0 to 1.
//
// Validity: 273.15 K <= T <= 1073.15 K for 0 < p <= 100 MPa, and
// 1073.15 K < T <= 2273.15 K for 0 < p <= 50 MPa. Outside it, and for any
// non-finite argument, every function returns NaN; none throws, none hangs.
#ifndef HYDRELIX_IF97_IF97_H
#define HYDRELIX_IF97_IF97_H

namespace if97 {

inline constexpr double kMinTemperature = 273.15;
inline constexpr double kMaxTemperature = 2273.15;
inline constexpr double kMinPressure = 0.0;  // exclusive
inline constexpr double kMaxPressure = 100.0;
inline constexpr double kCriticalTemperature = 647.096;
inline constexpr double kCriticalPressure = 22.064;
// ps(273.15 K), the lowest pressure of the saturation line, as the line's own
// equation gives it.
inline constexpr double kLowestSaturationPressure = 0.00061121267744434539;

// Where a single-phase (T, p) state lies. On the saturation line itself
// (p == ps(T)) a state counts as liquid (region 1, or region 3 above 623.15 K).
enum class Region { outside, region1, region2, region3, region5 };
Region regionTp(double T, double p);

// ---- Single-phase states from (T, p) ----------------------------------------

double specificVolume(double T, double p);
double specificEnthalpy(double T, double p);
double specificInternalEnergy(double T, double p);
double specificEntropy(double T, double p);
double isobaricHeatCapacity(double T, double p);
double isochoricHeatCapacity(double T, double p);
double speedOfSound(double T, double p);

struct Properties {
  double v, h, u, s, cp, cv, w;
};
Properties propertiesTp(double T, double p);

// Supercooled (metastable) vapour by the region 2 variant for p <= 10 MPa,
// meant for states between the saturated-vapour line and the 5 % moisture
// line. NaN above 10 MPa or outside 273.15 K..1073.15 K.
Properties metastableVapourTp(double T, double p);

// ---- Saturation --------------------------------------------------------------

// ps(T) for 273.15 K <= T <= 647.096 K; Ts(p) for ps(273.15 K) <= p <= 22.064 MPa.
double saturationPressure(double T);
double saturationTemperature(double p);

// One phase on the saturation line.
struct SaturatedPhase {
  double v, h, u, s;
};
// Both ends of a tie line. Above 623.15 K the densities are solved exactly
// from the region 3 equation, so they agree with the single-phase functions.
struct SaturationState {
  double T, p;
  SaturatedPhase liquid, vapour;
};
SaturationState saturationStateT(double T);
SaturationState saturationStateP(double p);

// A wet state of vapour fraction 0 <= x <= 1 (v, h, u and s mixed linearly).
SaturatedPhase mixtureTx(double T, double x);
SaturatedPhase mixturePx(double p, double x);

// One property of that wet state, the same value as mixtureTx gives; each
// evaluates only its own property, and at x = 0 or 1 only that end.
double mixtureEnthalpyTx(double T, double x);
double mixtureEntropyTx(double T, double x);
double mixtureVolumeTx(double T, double x);

// ---- States from (p, h) and (p, s) ------------------------------------------
//
// Below the critical pressure a state with h'(p) <= h <= h''(p) (s'(p) <= s <=
// s''(p)) is two-phase; the comparison is with the exact saturated values,
// never with a computed temperature, so a state cannot change phase on the way.

bool isTwoPhasePh(double p, double h);
bool isTwoPhasePs(double p, double s);

// The ends h'(p), h''(p) (s'(p), s''(p)) the two functions above compare
// with; NaN members at or above pc and below ps(273.15 K). They are the
// saturated states at Ts(p), except within about 1e-5 MPa of pc: there the
// equation's vapour branch starts a hair above Ts (by up to 2e-9 K, where
// it first reaches p), and the vapour end is that start, on the isobar p or
// ps(Ts(p)), whichever lies higher.
struct SaturatedEnds {
  double liquid, vapour;
};
SaturatedEnds saturatedEndsPh(double p);
SaturatedEnds saturatedEndsPs(double p);

// Vapour fraction by the lever rule against h'(p), h''(p) (s'(p), s''(p)),
// not clamped: below 0 for liquid, above 1 for vapour. NaN at or above the
// critical pressure and below ps(273.15 K).
double qualityPh(double p, double h);
double qualityPs(double p, double s);

// Temperature of any state: the saturation temperature for a two-phase state,
// otherwise the solution of h(T, p) = h (s(T, p) = s) to round-off. A state
// above h''(p) gets a temperature above Ts(p); one below h'(p) one at or
// below it.
//
// At the seams of region 3 the regions meet with small jumps in h and s. A
// state in such a gap (between h1 and h3 at 623.15 K, between h3 and h2 at
// TB23(p)) gets the seam's temperature, so T rises along every isobar (to
// within the round-off of the solution: between values less than about 1e-12
// apart, relative, or 1e-14 kJ/(kg K) for s near 0, it can fall by a few
// ulps, in region 3 by up to 1e-10 K).
// At a temperature limit an h or s a few ulps beyond the limit's value gets
// the limit.
double temperaturePh(double p, double h);
double temperaturePs(double p, double s);

// The same temperature with the place where the (T, p) functions must see it
// to give the state the phase and region the comparison gave it. Near the
// line the (T, p) functions compare p with ps(T) (or T with Ts(p)), which may
// put a temperature a rounding from Ts(p) on the other side; a caller that
// rounds T (a unit conversion) moves it until they agree.
enum class Placement {
  twoPhase,  // T is Ts(p)
  region1,   // liquid by region 1: regionTp(T, p) must be region1
  liquid,    // region 3 below pc: T <= Ts(p)
  vapour,    // below pc: not liquid by the (T, p) functions' test
  anywhere,  // at or above pc beyond region 1, or no state
};
struct PlacedTemperature {
  double T;
  Placement placement;
  // Ts(p) where the decision used it (273.15 K below ps(273.15 K)); NaN
  // where it did not (region 1 above ps(623.15 K), at or above pc).
  double saturation;
};
PlacedTemperature placedTemperaturePh(double p, double h);
PlacedTemperature placedTemperaturePs(double p, double s);

}  // namespace if97

#endif
