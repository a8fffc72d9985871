// The STM_ entry points of libHydrix.so: the caller's units in, the if97 core
// in SI, the caller's units out. Nothing here may throw or trap; every result
// is finite or NaN.
#include <stm/stm_api.h>

#include <cmath>
#include <limits>

#include <if97/if97.h>

#include "unit_settings.h"

namespace {

using hydrix::gUnits;

double nan() { return std::numeric_limits<double>::quiet_NaN(); }

double finiteOrNaN(double value) { return std::isfinite(value) ? value : nan(); }

// A limit converted to the caller's units and back can come home an ulp or
// two away from itself; it must still be inside the range it was read from.
double onLimit(double si, double limit) {
  return std::fabs(si - limit) <= 1e-12 * limit ? limit : si;
}

double kelvin(double t) {
  const double T = gUnits.temperature.toSi(t);
  return onLimit(onLimit(T, if97::kMinTemperature), if97::kMaxTemperature);
}

double megapascal(double p) {
  constexpr double kRegion5MaxPressure = 50.0;
  const double P = gUnits.pressure.toSi(p);
  return onLimit(onLimit(P, if97::kMaxPressure), kRegion5MaxPressure);
}

double kilojoulePerKilogram(double h) { return gUnits.enthalpy.toSi(h); }
double kilojoulePerKilogramKelvin(double s) { return gUnits.entropy.toSi(s); }
double fraction(double x) { return gUnits.quality.toSi(x); }

double temperatureOut(double T) { return finiteOrNaN(gUnits.temperature.fromSi(T)); }
double pressureOut(double p) { return finiteOrNaN(gUnits.pressure.fromSi(p)); }
double enthalpyOut(double h) { return finiteOrNaN(gUnits.enthalpy.fromSi(h)); }
double entropyOut(double s) { return finiteOrNaN(gUnits.entropy.fromSi(s)); }
double volumeOut(double v) { return finiteOrNaN(gUnits.volume.fromSpecificVolume(v)); }
double heatCapacityOut(double c) { return finiteOrNaN(gUnits.heatCapacity.fromSi(c)); }

// Clamped to [0, 1] before conversion, and never -0.
double qualityOut(double x) {
  if (std::isnan(x)) return nan();
  const double clamped = x <= 0.0 ? 0.0 : (x >= 1.0 ? 1.0 : x);
  return gUnits.quality.fromSi(clamped);
}

// The saturation temperature as STM_sTp reports it, in K.
double saturationTemperatureAtEnds(double P) {
  if (!(P > 0.0 && std::isfinite(P))) return nan();
  if (P > if97::kCriticalPressure) return if97::kCriticalTemperature;
  const double T = if97::saturationTemperature(P);
  return std::isnan(T) ? if97::kMinTemperature : T;  // below ps(273.15 K)
}

// A temperature from (p, h) or (p, s) that lies above Ts(p) must still lie
// above STM_sTp(p) after both are converted, or the caller, which compares
// the two, would take a vapour state for liquid.
double temperatureOutAboveSaturation(double T, double P) {
  const double converted = temperatureOut(T);
  if (!(P < if97::kCriticalPressure)) return converted;
  const double saturation = saturationTemperatureAtEnds(P);
  if (!(T > saturation)) return converted;
  const double convertedSaturation = temperatureOut(saturation);
  return converted > convertedSaturation
             ? converted
             : std::nextafter(convertedSaturation, std::numeric_limits<double>::infinity());
}

}  // namespace

extern "C" {

// ---- Unit setters -------------------------------------------------------------

int16_t STM_SetTempUnit(int32_t code) { return hydrix::setTemperatureUnit(code) ? 1 : 0; }
int16_t STM_SetPressUnit(int32_t code) { return hydrix::setPressureUnit(code) ? 1 : 0; }
int16_t STM_SetEnthalUnit(int32_t code) { return hydrix::setEnthalpyUnit(code) ? 1 : 0; }
int16_t STM_SetEntroUnit(int32_t code) { return hydrix::setEntropyUnit(code) ? 1 : 0; }
int16_t STM_SetDensityUnit(int32_t code) { return hydrix::setVolumeUnit(code) ? 1 : 0; }
int16_t STM_SetWetDryUnit(int32_t code) { return hydrix::setQualityUnit(code) ? 1 : 0; }
int16_t STM_SetHCUnit(int32_t code) { return hydrix::setHeatCapacityUnit(code) ? 1 : 0; }

// ---- Range -----------------------------------------------------------------------

double STM_GetMaxTemp(void) { return temperatureOut(if97::kMaxTemperature); }
double STM_GetMinTemp(void) { return temperatureOut(if97::kMinTemperature); }
double STM_GetMaxPress(void) { return pressureOut(if97::kMaxPressure); }
double STM_GetMinPress(void) { return pressureOut(if97::kMinPressure); }

// ---- Saturation line -------------------------------------------------------------

double STM_sPt(double t) { return pressureOut(if97::saturationPressure(kelvin(t))); }

double STM_sTp(double p) { return temperatureOut(saturationTemperatureAtEnds(megapascal(p))); }

double STM_sHtx(double t, double x) { return enthalpyOut(if97::mixtureTx(kelvin(t), fraction(x)).h); }
double STM_sStx(double t, double x) { return entropyOut(if97::mixtureTx(kelvin(t), fraction(x)).s); }
double STM_sDtx(double t, double x) { return volumeOut(if97::mixtureTx(kelvin(t), fraction(x)).v); }

double STM_sXph(double p, double h) {
  return qualityOut(if97::qualityPh(megapascal(p), kilojoulePerKilogram(h)));
}
double STM_sXps(double p, double s) {
  return qualityOut(if97::qualityPs(megapascal(p), kilojoulePerKilogramKelvin(s)));
}

int16_t STM_IsSat_ph(double p, double h) {
  return if97::isTwoPhasePh(megapascal(p), kilojoulePerKilogram(h)) ? 1 : 0;
}
int16_t STM_IsSat_ps(double p, double s) {
  return if97::isTwoPhasePs(megapascal(p), kilojoulePerKilogramKelvin(s)) ? 1 : 0;
}

// ---- Single-phase states ---------------------------------------------------------

double STM_nDtp(double t, double p) { return volumeOut(if97::specificVolume(kelvin(t), megapascal(p))); }
double STM_nHtp(double t, double p) {
  return enthalpyOut(if97::specificEnthalpy(kelvin(t), megapascal(p)));
}
double STM_nStp(double t, double p) {
  return entropyOut(if97::specificEntropy(kelvin(t), megapascal(p)));
}
double STM_nCPtp(double t, double p) {
  return heatCapacityOut(if97::isobaricHeatCapacity(kelvin(t), megapascal(p)));
}
double STM_nCVtp(double t, double p) {
  return heatCapacityOut(if97::isochoricHeatCapacity(kelvin(t), megapascal(p)));
}
double STM_nWtp(double t, double p) {
  return finiteOrNaN(if97::speedOfSound(kelvin(t), megapascal(p)));
}

double STM_nTph(double p, double h) {
  const double P = megapascal(p);
  return temperatureOutAboveSaturation(if97::temperaturePh(P, kilojoulePerKilogram(h)), P);
}
double STM_nTps(double p, double s) {
  const double P = megapascal(p);
  return temperatureOutAboveSaturation(if97::temperaturePs(P, kilojoulePerKilogramKelvin(s)), P);
}

}  // extern "C"
