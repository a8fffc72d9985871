// SPDX-License-Identifier: MIT
// The 1967 IFC Formulation for Industrial Use (IFC-67): thermodynamic
// properties of water and steam.
//
// Units: T in K, p in MPa, h and u in kJ/kg, s and cp in kJ/(kg K),
// v in m3/kg, x (quality) from 0 (saturated liquid) to 1 (saturated vapour).
// Temperatures are on the scale the formulation was made for (IPTS-68).
//
// Validity: 273.16 K <= T <= 1073.15 K and 0 < p <= 100 MPa. Outside it, and
// for any NaN or infinite argument, every function returns NaN. No function
// throws, allocates or keeps state between calls.
#ifndef IFC67_IFC67_H
#define IFC67_IFC67_H

namespace ifc67 {

constexpr double kMinTemperature = 273.16;    // K, triple point
constexpr double kMaxTemperature = 1073.15;   // K
constexpr double kMaxPressure = 100.0;        // MPa
constexpr double kCriticalTemperature = 647.30;  // K, Tc1 of the formulation
constexpr double kCriticalPressure = 22.120;     // MPa, pc1 of the formulation

// ---- Single-phase states (T, p) -------------------------------------------
// The state lies in the subregion that (T, p) selects; a pressure at or above
// the saturation pressure is liquid. Neighbouring subregions do not join
// exactly: v, h, s and cp jump slightly at 623.15 K and on the boundary line
// between subregions 2 and 3, as the formulation defines them.

// The subregion of (T, p): 1 (liquid to 623.15 K), 2 (vapour), 3 (near-critical
// vapour and supercritical fluid), 4 (near-critical liquid); 0 outside.
int subregionTp(double T, double p);

double specificVolume(double T, double p);
double specificEnthalpy(double T, double p);
double specificEntropy(double T, double p);
double specificInternalEnergy(double T, double p);
double isobaricHeatCapacity(double T, double p);

// ---- Saturation line --------------------------------------------------------

// ps(T) for 273.16 K <= T <= Tc1 (647.30 K).
double saturationPressure(double T);
// Ts(p) for ps(273.16 K) <= p <= pc1 (22.12 MPa).
double saturationTemperature(double p);
// pL(T): the boundary between subregions 2 and 3, 623.15 K to 863.15 K.
double boundaryPressure(double T);

// Saturated mixture of quality x at T (273.16 K <= T <= Tc1, 0 <= x <= 1):
// the saturated liquid and vapour from the fundamental equations at ps(T),
// mixed by mass. At Tc1 both are the critical point.
double mixtureVolumeTx(double T, double x);
double mixtureEnthalpyTx(double T, double x);
double mixtureEntropyTx(double T, double x);

// Quality at the pressure p (ps(273.16 K) <= p < pc1) by the lever rule
// between the saturated states at Ts(p). Not clamped: below 0 means
// compressed liquid, above 1 superheated vapour.
double qualityPh(double p, double h);
double qualityPs(double p, double s);

// ---- Temperature from (p, h) and (p, s) -------------------------------------
// Both converge to about 1e-9 K and never fall as the value rises along an
// isobar, not even between values an ulp apart. A value that falls into one
// of the formulation's small jumps gives the temperature of the jump. Where
// h falls at 623.15 K into subregion 4 (above ps(623.15 K), by up to 0.15
// kJ/kg), an h up to subregion 1's at 623.15 K gives subregion 1's root;
// where h or s falls across the boundary line of subregions 2 and 3 (by up
// to 0.24 kJ/kg and 0.28 J/(kg K)), a value up to subregion 3's at the line
// gives subregion 3's root.

// T of superheated vapour (p < pc1: h at least the saturated-vapour enthalpy)
// or of supercritical fluid (p >= pc1: any T in range); NaN for other states.
double temperaturePh(double p, double h);

// T of a single-phase state; for a wet state (s between the saturated
// entropies) the saturation temperature.
double temperaturePs(double p, double s);

// Both reach the ends of the range: a value within a few ulps of the value
// at 273.16 K or 1073.15 K, on either side (as a unit conversion's rounding
// leaves it), gives that end exactly; so does one within a few ulps of a
// saturated value the isobar starts from (h'' for T(p, h)).

// ---- The same, with where the value was placed ------------------------------
// For a caller that compares the value with the saturated states in a unit of
// its own (h = 1000 h' / 1000 need not round trip): the temperature as above,
// the side of the line it was placed on, and the saturated state it was placed
// against, so that the caller need not compute that state again.

enum class Placement {
  noSaturation,  // p below ps(273.16 K) or at or above pc1: the whole range
  liquid,        // below the saturated liquid (T(p, h): below the vapour, no T)
  wet,           // between the saturated states: T is Ts(p)
  vapour,        // above the saturated vapour
};

struct PlacedTemperature {
  double temperature;
  Placement placement;
  // Ts(p) and the saturated values the value was compared with; NaN where
  // the isobar has no saturated state or the comparison did not need one.
  double saturationTemperature;
  double saturatedLiquid;
  double saturatedVapour;
};

PlacedTemperature placedTemperaturePh(double p, double h);
PlacedTemperature placedTemperaturePs(double p, double s);

}  // namespace ifc67

#endif  // IFC67_IFC67_H
