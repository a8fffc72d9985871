// The STM_ entry points of libCalorix.so: unit conversion around the ifc67
// C++ API, and the conventions at the ends of the saturation line that the
// calculator's compute driver relies on (see stm/stm_api.h).
#include <cmath>
#include <cstdint>
#include <limits>

#include "calorix_side_of_line.h"
#include "calorix_units.h"
#include "hydrelix/ifc67.h"
#include "stm/stm_api.h"

namespace {

using namespace calorix;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

int16_t accept(int32_t code, int32_t expected) { return code == expected ? 1 : 0; }

bool validPressure(double p) { return p > 0.0 && p <= ifc67::kMaxPressure; }

// Ts(p) extended to the ends of the line: Tc1 above pc1, 273.16 K below
// ps(273.16 K), so that a caller can always place a state against it.
double saturationTemperatureExtended(double p) {
  if (!validPressure(p)) return kNaN;
  if (p >= ifc67::kCriticalPressure) return ifc67::kCriticalTemperature;
  static const double lowest = ifc67::saturationPressure(ifc67::kMinTemperature);
  if (p < lowest) return ifc67::kMinTemperature;
  return ifc67::saturationTemperature(p);
}

// Lever-rule quality at pressure p below pc1, clamped to [0, 1], from a value
// in the caller's unit (J/kg, J/(kg K)) measured against the saturated values
// in that unit, as STM_sEpw and STM_sSpw report them: their own values give
// exactly 0 and 1. At exactly pc1 both saturated states are the critical
// point: the fraction is 0 or 1.
template <typename Saturated>
double clampedQuality(double value, double p, Saturated saturated) {
  if (!validPressure(p) || p > ifc67::kCriticalPressure || !std::isfinite(value)) return kNaN;
  const double T = saturationTemperatureExtended(p);
  const double liquid = saturated(T, 0.0) * kJoulePerKilojoule;
  const double vapour = saturated(T, 1.0) * kJoulePerKilojoule;
  if (!std::isfinite(liquid) || !std::isfinite(vapour)) return kNaN;
  if (!(vapour > liquid)) return value > liquid ? 1.0 : 0.0;
  const double x = (value - liquid) / (vapour - liquid);
  if (!(x > 0.0)) return 0.0;  // also turns -0 into +0
  return x < 1.0 ? x : 1.0;
}

constexpr double kSaturatedVapourAllowance = 1e-8;  // relative, below STM_sEpw(p, 1)

double temperatureOut(double kelvin) { return std::isnan(kelvin) ? kNaN : fahrenheitFromKelvin(kelvin); }

// T of a state placed on one side of the line, in deg F, where the (t, p)
// functions evaluate that side. They can disagree with the placement only
// within about 1e-10 K of Ts: farther away the conversion is all.
//
// Right at the line the (t, p) test is noisy by an ulp or so of ps(T): a
// value may evaluate on the side while its neighbour does not. So every
// answer up to the first value on the side from the line itself is that
// value, and beyond it the nearest value on the side, ulp by ulp: both keep
// T rising with h and s there too.
double temperatureOnSide(double T, double Ts, double p, Side side) {
  const double t = temperatureOut(T);
  if (!(std::fabs(T - Ts) < 1e-6)) return t;
  const double fromLine = firstFahrenheitOnSide(temperatureOut(Ts), p, side);
  const bool beyond = side == Side::Vapour ? t > fromLine : t < fromLine;
  return beyond ? nearestFahrenheitOnSide(t, p, side) : fromLine;
}

}  // namespace

extern "C" {

int16_t STM_SetTempUnit(int32_t code) { return accept(code, kTemperatureCode); }
int16_t STM_SetPressUnit(int32_t code) { return accept(code, kPressureCode); }
int16_t STM_SetEntlUnit(int32_t code) { return accept(code, kEnthalpyCode); }
int16_t STM_SetEntrUnit(int32_t code) { return accept(code, kEntropyCode); }
int16_t STM_SetVolUnit(int32_t code) { return accept(code, kVolumeCode); }
int16_t STM_SetWetDryUnit(int32_t code) { return accept(code, kVapourFractionCode); }
int16_t STM_SetHeatCapUnit(int32_t code) { return accept(code, kHeatCapacityCode); }
int16_t STM_SetThermalConUnit(int32_t code) { return accept(code, kThermalConductivityCode); }
int16_t STM_SetDynamicVisUnit(int32_t code) { return accept(code, kDynamicViscosityCode); }
int16_t STM_SetSurTensionUnit(int32_t code) { return accept(code, kSurfaceTensionCode); }

double STM_GetMaxTemp(void) { return fahrenheitFromKelvin(ifc67::kMaxTemperature); }
double STM_GetMinTemp(void) { return fahrenheitFromKelvin(ifc67::kMinTemperature); }
double STM_GetMaxPress(void) { return atmosphereFromMegapascal(ifc67::kMaxPressure); }
double STM_GetMinPress(void) { return 0.0; }

double STM_kPt(double t) {
  return atmosphereFromMegapascal(ifc67::saturationPressure(kelvinFromFahrenheit(t)));
}

double STM_kTp(double p) { return temperatureOut(saturationTemperatureExtended(megapascalFromAtmosphere(p))); }

double STM_sEtw(double t, double w) {
  return ifc67::mixtureEnthalpyTx(kelvinFromFahrenheit(t), w) * kJoulePerKilojoule;
}
double STM_sStw(double t, double w) {
  return ifc67::mixtureEntropyTx(kelvinFromFahrenheit(t), w) * kJoulePerKilojoule;
}
double STM_sXtw(double t, double w) { return ifc67::mixtureVolumeTx(kelvinFromFahrenheit(t), w); }

double STM_sEpw(double p, double w) {
  return ifc67::mixtureEnthalpyTx(saturationTemperatureExtended(megapascalFromAtmosphere(p)), w) * kJoulePerKilojoule;
}
double STM_sSpw(double p, double w) {
  return ifc67::mixtureEntropyTx(saturationTemperatureExtended(megapascalFromAtmosphere(p)), w) * kJoulePerKilojoule;
}

double STM_sWep(double e, double p) {
  return clampedQuality(e, megapascalFromAtmosphere(p), ifc67::mixtureEnthalpyTx);
}
double STM_sWsp(double s, double p) {
  return clampedQuality(s, megapascalFromAtmosphere(p), ifc67::mixtureEntropyTx);
}

// Both place the value against the saturated states in J/kg and J/(kg K), the
// values STM_sEpw and STM_sSpw report, and return a temperature that the
// (t, p) entry points evaluate on the side the value was placed on.
double STM_2Tep(double e, double p) {
  const double P = megapascalFromAtmosphere(p);
  const ifc67::PlacedTemperature state = ifc67::placedTemperaturePh(P, e / kJoulePerKilojoule);
  if (state.placement == ifc67::Placement::noSaturation) return temperatureOut(state.temperature);
  // Vapour the (t, p) functions evaluate just above the line may have h up to
  // 2.5e-12 below h'' (subregion 2's rounding near 16 MPa), 2e-9 within 1e-6
  // of pc1 (the density search): within the allowance an e below h'' is the
  // saturated vapour, so that STM_2Tep(STM_nEtp(t, p), p) is a number for
  // every vapour state.
  if (!(e >= state.saturatedVapour * kJoulePerKilojoule * (1.0 - kSaturatedVapourAllowance))) return kNaN;
  // Placed below h'' in kJ/kg (NaN), or at it: Ts.
  const double Ts = state.saturationTemperature;
  const double T = state.placement == ifc67::Placement::vapour ? state.temperature : Ts;
  return temperatureOnSide(T, Ts, P, Side::Vapour);
}

double STM_nTsp(double s, double p) {
  const double P = megapascalFromAtmosphere(p);
  const ifc67::PlacedTemperature state = ifc67::placedTemperaturePs(P, s / kJoulePerKilojoule);
  if (state.placement == ifc67::Placement::noSaturation) return temperatureOut(state.temperature);
  const double Ts = state.saturationTemperature;
  if (s < state.saturatedLiquid * kJoulePerKilojoule) {
    const double T = state.placement == ifc67::Placement::liquid ? state.temperature : Ts;
    return temperatureOnSide(T, Ts, P, Side::Liquid);
  }
  // Placed below the liquid in kJ but not in J: an ulp from s', far below s''.
  if (state.placement == ifc67::Placement::liquid || s <= state.saturatedVapour * kJoulePerKilojoule)
    return temperatureOut(Ts);
  const double T = state.placement == ifc67::Placement::vapour ? state.temperature : Ts;
  return temperatureOnSide(T, Ts, P, Side::Vapour);
}

double STM_nEtp(double t, double p) {
  return ifc67::specificEnthalpy(kelvinFromFahrenheit(t), megapascalFromAtmosphere(p)) * kJoulePerKilojoule;
}
double STM_nStp(double t, double p) {
  return ifc67::specificEntropy(kelvinFromFahrenheit(t), megapascalFromAtmosphere(p)) * kJoulePerKilojoule;
}
double STM_nXtp(double t, double p) {
  return ifc67::specificVolume(kelvinFromFahrenheit(t), megapascalFromAtmosphere(p));
}
double STM_nCtp(double t, double p) {
  return ifc67::isobaricHeatCapacity(kelvinFromFahrenheit(t), megapascalFromAtmosphere(p)) * kJoulePerKilojoule;
}

}  // extern "C"
