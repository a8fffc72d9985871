// The STM_ entry points of libHydrix.so: the caller's units in, the if97 core
// in SI, the caller's units out. Nothing here may throw or trap; every result
// is finite or NaN.
#include <stm/stm_api.h>

#include <cmath>
#include <limits>

#include <hydrelix/if97.h>

#include "region4_line.h"
#include "unit_settings.h"

namespace {

using hydrix::gUnits;

double nan() { return std::numeric_limits<double>::quiet_NaN(); }

double finiteOrNaN(double value) { return std::isfinite(value) ? value : nan(); }

// A limit converted to the caller's units and back can come home an ulp or
// two outside itself; it must still be inside the range it was read from.
// Only values outside are moved, so an in-range value converts the same
// way in every entry point (STM_sPt and STM_sTp convert without these).
constexpr double kLimitRoom = 1e-12;  // relative
double atLeast(double si, double limit) {
  return si < limit && si >= limit * (1.0 - kLimitRoom) ? limit : si;
}
double atMost(double si, double limit) {
  return si > limit && si <= limit * (1.0 + kLimitRoom) ? limit : si;
}

// Values inside the limits, nearly all, pass with two comparisons; the rest
// take the way through the limits out of line.
[[gnu::noinline]] double temperatureAtTheLimits(double T) {
  return atMost(atLeast(T, if97::kMinTemperature), if97::kMaxTemperature);
}
double withinTemperatureLimits(double T) {
  if (T >= if97::kMinTemperature && T <= if97::kMaxTemperature) return T;
  return temperatureAtTheLimits(T);
}
double kelvin(double t) { return withinTemperatureLimits(gUnits.temperature.toSi(t)); }

// ps(273.15 K) is a limit too: STM_sPt(32 F) in atm must still be on the line.
constexpr double kRegion5MaxPressure = 50.0;
[[gnu::noinline]] double pressureAtTheLimits(double P) {
  return atLeast(atMost(atMost(P, if97::kMaxPressure), kRegion5MaxPressure), if97::kLowestSaturationPressure);
}
double megapascal(double p) {
  const double P = gUnits.pressure.toSi(p);
  if (P >= if97::kLowestSaturationPressure && P <= kRegion5MaxPressure) return P;
  return pressureAtTheLimits(P);
}

double kilojoulePerKilogram(double h) { return gUnits.enthalpy.toSi(h); }
double kilojoulePerKilogramKelvin(double s) { return gUnits.entropy.toSi(s); }
double fraction(double x) { return gUnits.quality.toSi(x); }

double temperatureOut(double T) { return finiteOrNaN(gUnits.temperature.fromSi(T)); }
double pressureOut(double p) { return finiteOrNaN(gUnits.pressure.fromSi(p)); }
// The core's h, s and cp are finite or NaN, and no unit's factor is large
// enough to overflow them.
double enthalpyOut(double h) { return gUnits.enthalpy.fromSi(h); }
double entropyOut(double s) { return gUnits.entropy.fromSi(s); }
double volumeOut(double v) { return finiteOrNaN(gUnits.volume.fromSpecificVolume(v)); }
double heatCapacityOut(double c) { return gUnits.heatCapacity.fromSi(c); }

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

// How the (t, p) functions take a temperature at P: liquid in region 1, and
// in region 3 at or below Ts(P) (or at any T above pc); vapour otherwise.
bool liquidAtTp(double T, double P) {
  const if97::Region region = if97::regionTp(T, P);
  if (region == if97::Region::region1) return true;
  if (region != if97::Region::region3) return false;
  return P >= if97::kCriticalPressure || T <= if97::saturationTemperature(P);
}

// Whether the (t, p) functions see T at P where the solve placed it. Ts is
// the solve's Ts(P), or NaN where it used none. Further than this from Ts,
// ps(T) and Ts(P) agree on the side by far, and the cheap comparison decides.
constexpr double kClearOfTheLine = 1e-9;  // relative
constexpr double kRegion13Temperature = 623.15;
constexpr double kRegion2MaxTemperature = 1073.15;

bool placedAsSolved(double T, double P, double Ts, if97::Placement placement) {
  const double clearance = kClearOfTheLine * Ts;
  switch (placement) {
    case if97::Placement::region1:
      if (!(T >= if97::kMinTemperature && T <= kRegion13Temperature)) return false;
      // No Ts: above ps(623.15 K), where all of region 1's temperatures are region 1.
      if (std::isnan(Ts) || Ts - T > clearance) return true;
      return if97::regionTp(T, P) == if97::Region::region1;
    case if97::Placement::liquid:
      if (T >= if97::kMinTemperature && Ts - T > clearance) return true;
      return liquidAtTp(T, P);
    case if97::Placement::vapour:
      if (T <= if97::kMaxTemperature && T - Ts > clearance) return true;
      return if97::regionTp(T, P) != if97::Region::outside && !liquidAtTp(T, P);
    case if97::Placement::twoPhase:
    case if97::Placement::anywhere: break;
  }
  return true;
}

// The first value beyond t towards `direction` that `accepted` takes (t
// itself is not): steps that double from one ulp until one is taken, then
// halving back to the first. Bounded; t itself if none is found.
template <class Accepted>
double firstAccepted(double t, double direction, Accepted accepted) {
  constexpr int kMostDoublings = 64;
  double rejected = t;
  double step = std::fabs(std::nextafter(t, direction) - t);
  double taken = nan();
  for (int doubling = 0; doubling < kMostDoublings; ++doubling, step *= 2.0) {
    const double candidate = rejected + (direction > 0.0 ? step : -step);
    if (accepted(candidate)) {
      taken = candidate;
      break;
    }
    rejected = candidate;
  }
  if (std::isnan(taken)) return t;
  while (std::nextafter(rejected, direction) != taken) {
    const double middle = rejected + 0.5 * (taken - rejected);
    if (middle == rejected || middle == taken) break;
    (accepted(middle) ? taken : rejected) = middle;
  }
  return taken;
}

// The rare case next to the line or to 623.15 K, out of line so that the
// common path above stays a handful of instructions.
[[gnu::noinline]] double movedOntoItsSide(double converted, const if97::PlacedTemperature& placed,
                                          double P) {
  const double Ts = placed.saturation;
  const double infinity = std::numeric_limits<double>::infinity();
  double t = converted;
  if (placed.placement == if97::Placement::vapour && placed.T > Ts) {
    const double convertedSaturation = temperatureOut(Ts);
    if (!(t > convertedSaturation)) t = std::nextafter(convertedSaturation, infinity);
  }
  const if97::Placement placement = placed.placement;
  const auto accepted = [P, Ts, placement](double candidate) {
    return placedAsSolved(kelvin(candidate), P, Ts, placement);
  };
  if (accepted(t)) return t;
  return firstAccepted(t, placement == if97::Placement::vapour ? infinity : -infinity, accepted);
}

// The input of a (p, h) or (p, s) call in SI, and the (T, p) function of it.
struct GivenValue {
  double (*property)(double, double);
  double si;
};

bool nextToTheCriticalPoint(double T, double P) {
  constexpr double kTemperatureRoom = 1e-3;  // K
  constexpr double kPressureRoom = 1e-2;     // MPa
  return std::fabs(T - if97::kCriticalTemperature) <= kTemperatureRoom &&
         std::fabs(P - if97::kCriticalPressure) <= kPressureRoom;
}

// Of the caller-unit values next to t, the one whose h (s) at P is nearest
// the given value: the first whose h (s) reaches it, or the one just below
// that if nearer. Along an isobar h (s) rises with T (jumping up where the
// branch changes), so this choice never falls as the given value rises.
[[gnu::noinline]] double nearestByTp(double t, const GivenValue& given, double P) {
  const double infinity = std::numeric_limits<double>::infinity();
  const auto at = [&](double candidate) { return given.property(kelvin(candidate), P); };
  const auto reaches = [&](double candidate) { return at(candidate) >= given.si; };
  double above;
  if (reaches(t)) {
    const double below = firstAccepted(t, -infinity, [&](double c) { return !reaches(c); });
    if (below == t) return t;
    above = std::nextafter(below, infinity);
  } else {
    above = firstAccepted(t, infinity, reaches);
    if (above == t) return t;
  }
  const double below = std::nextafter(above, -infinity);
  const double hAbove = at(above), hBelow = at(below);
  if (std::isnan(hBelow)) return above;
  return given.si - hBelow < hAbove - given.si ? below : above;
}

// The temperature of a (p, h) or (p, s) state in the caller's unit, where
// the (t, p) functions give it the phase (and region) the solve gave it:
// converting Ts(p) + a rounding to deg F and back can cross the line, which
// the (t, p) functions draw by ps(T), not by Ts(p). A vapour temperature
// also stays above STM_sTp(p) in the caller's unit, as the caller compares
// the two.
//
// Next to the critical point h (s) changes by up to 1e-7 of itself between
// neighbouring temperatures, more than the solve's tolerance covers: there the
// value in the caller's unit is the one whose h (s), by the (t, p) functions,
// is nearest the input.
double placedTemperatureOut(const if97::PlacedTemperature& placed, double P, const GivenValue& given) {
  double converted = temperatureOut(placed.T);
  if (std::isnan(converted) || placed.placement == if97::Placement::twoPhase) return converted;
  if (nextToTheCriticalPoint(placed.T, P)) converted = nearestByTp(converted, given, P);
  if (placed.placement == if97::Placement::anywhere) return converted;
  const double Ts = placed.saturation;  // as saturationTemperatureAtEnds(P) gives it, or NaN
  // Most states lie far from the line and from 623.15 K: no rounding of the
  // conversion can move them across.
  const double clearance = kClearOfTheLine * Ts;
  switch (placed.placement) {
    case if97::Placement::region1:
      if (placed.T < kRegion13Temperature * (1.0 - kClearOfTheLine) &&
          (std::isnan(Ts) || Ts - placed.T > clearance)) {
        return converted;
      }
      break;
    case if97::Placement::liquid:
      if (Ts - placed.T > clearance) return converted;
      break;
    case if97::Placement::vapour:
      if (placed.T - Ts > clearance) return converted;
      break;
    default: break;
  }
  return movedOntoItsSide(converted, placed, P);
}

// The saturated ends as the caller sees them, compared in the caller's unit:
// the core's ends converted out (a value converted in and compared in SI
// could land a rounding beyond an end the caller holds exactly).
//
// Above 623.15 K the ends come from region 3 density solves at Ts, and next
// to the critical point the isotherm is so flat that Ts and the Ts that
// STM_sTp(p) converts back to give ends up to 2e-11 apart. The ends there are
// the ones the caller sees, STM_sHtx (STM_sStx) at STM_sTp(p) and x = 0 and
// 1, so that a state between them is wet by every entry point and one
// outside keeps its side.
struct CallerLine {
  bool known;  // false: off the line; the core's own answer holds as it is
  double liquid, vapour;
};

template <double (*mixtureTx)(double, double), double (*out)(double),
          if97::SaturatedEnds (*saturatedEnds)(double)>
CallerLine callerLine(double P) {
  if (!(P >= if97::kLowestSaturationPressure && P < if97::kCriticalPressure)) {
    return CallerLine{false, nan(), nan()};
  }
  // ps(623.15 K) is 16.529 MPa; lower down the ends are regions 1 and 2.
  constexpr double kBelowRegion3Line = 16.5;
  const double T = P > kBelowRegion3Line ? kelvin(temperatureOut(saturationTemperatureAtEnds(P))) : 0.0;
  if (!(T > kRegion13Temperature)) {
    const if97::SaturatedEnds ends = saturatedEnds(P);
    return CallerLine{true, out(ends.liquid), out(ends.vapour)};
  }
  CallerLine line{true, out(mixtureTx(T, 0.0)), out(mixtureTx(T, 1.0))};
  // Next to pc the saturated states move with a rounding of p (see
  // if97::saturatedEndsPh): the ends are the outer of the caller's and the
  // solve's, so that every state beyond them has a temperature on its branch.
  constexpr double kNextToPc = 1e-4;  // MPa; the ends merge within about 1e-5 MPa
  if (P > if97::kCriticalPressure - kNextToPc) {
    const if97::SaturatedEnds ends = saturatedEnds(P);
    line.liquid = std::fmin(line.liquid, out(ends.liquid));
    line.vapour = std::fmax(line.vapour, out(ends.vapour));
  }
  return line;
}

CallerLine enthalpyLine(double P) {
  return callerLine<if97::mixtureEnthalpyTx, enthalpyOut, if97::saturatedEndsPh>(P);
}
CallerLine entropyLine(double P) {
  return callerLine<if97::mixtureEntropyTx, entropyOut, if97::saturatedEndsPs>(P);
}

bool isWet(const CallerLine& line, double value) { return value >= line.liquid && value <= line.vapour; }

double lineQuality(const CallerLine& line, double value) {
  if (!std::isfinite(value)) return nan();  // as the core's own
  if (line.vapour == line.liquid) return value <= line.liquid ? 0.0 : 1.0;  // one state at Tc
  return (value - line.liquid) / (line.vapour - line.liquid);
}

// Whether the caller's ends can matter: the caller's and the core's differ
// by 2e-11 of h (s) at most, and a state that far beyond an end lies within
// far less than 1e-6 of Ts (cp is at least 4 kJ/(kg K) everywhere). A state
// in region 1 or at and above pc has no Ts here at all. Just above
// ps(623.15 K), where TB23(p) lies below Ts, vapour beyond region 3's h''
// is region 2's, whose h at Ts lies above h'': such a state comes back up
// to a few mK above Ts, and is still next to the caller's h''.
bool nextToTheLine(const if97::PlacedTemperature& placed) {
  constexpr double kNearTheLine = 1e-6;         // relative
  constexpr double kRegion2AboveTheLine = 0.1;  // K, the largest seam jump is 0.019 K
  if (placed.placement == if97::Placement::region1) return false;  // ends at 623.15 K, far below h'
  if (placed.placement == if97::Placement::twoPhase) return true;
  const double fromTheLine = placed.T - placed.saturation;
  if (std::fabs(fromTheLine) <= kNearTheLine * placed.saturation) return true;
  return placed.placement == if97::Placement::vapour && fromTheLine <= kRegion2AboveTheLine &&
         placed.saturation > kRegion13Temperature;
}

// The temperature of (p, value): wet between the caller's ends, otherwise on
// the side of them the value lies, whatever the core's own ends said.
double temperatureOnCallerLine(const CallerLine& line, double value, if97::PlacedTemperature placed,
                               double P, const GivenValue& given) {
  if (!line.known) return placedTemperatureOut(placed, P, given);
  const double saturation = saturationTemperatureAtEnds(P);
  if (isWet(line, value)) return temperatureOut(saturation);
  if (placed.placement == if97::Placement::twoPhase) {
    const bool liquid = value < line.liquid;
    placed.placement = liquid ? if97::Placement::liquid : if97::Placement::vapour;
    placed.T = liquid ? saturation : std::nextafter(saturation, std::numeric_limits<double>::infinity());
  }
  return placedTemperatureOut(placed, P, given);
}

// Above 50 MPa the range ends at 1073.15 K, and that limit converted to the
// caller's unit can come back a rounding above it, outside the range of the
// (t, p) functions (the snap onto a limit in kelvin() covers 273.15 K and
// 2273.15 K only). A limit returned is moved to the nearest value inside.
double withinTheRange(double t, double T, double P) {
  if (T != kRegion2MaxTemperature || !(P > kRegion5MaxPressure)) return t;
  const auto inside = [](double candidate) { return kelvin(candidate) <= kRegion2MaxTemperature; };
  if (inside(t)) return t;
  return firstAccepted(t, -std::numeric_limits<double>::infinity(), inside);
}

// STM_sPt of a temperature outside the line (or a rounding below it), T in
// K: out of line, so that the common path keeps nothing across a call.
[[gnu::noinline]] double pressureOffTheLine(double T) {
  return pressureOut(if97::saturationPressure(withinTemperatureLimits(T)));  // NaN above Tc
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

// The two cheapest calls convert straight through; only a temperature or
// pressure outside the line (a limit after rounding, or outside altogether)
// takes the way through the limits. ps(T) on the line is the equation
// inline: a conversion, one run of arithmetic and a conversion back.
double STM_sPt(double t) {
  const double T = gUnits.temperature.toSi(t);
  // Written so that NaN takes the way off the line too.
  if (!(T >= if97::kMinTemperature) || T > if97::kCriticalTemperature) return pressureOffTheLine(T);
  return gUnits.pressure.fromSi(if97::region4::pressureOnLine(T));
}

double STM_sTp(double p) {
  const double P = gUnits.pressure.toSi(p);
  if (!(P >= if97::kLowestSaturationPressure && P <= if97::kCriticalPressure)) {
    return temperatureOut(saturationTemperatureAtEnds(megapascal(p)));
  }
  return gUnits.temperature.fromSi(if97::saturationTemperature(P));
}

double STM_sHtx(double t, double x) { return enthalpyOut(if97::mixtureEnthalpyTx(kelvin(t), fraction(x))); }
double STM_sStx(double t, double x) { return entropyOut(if97::mixtureEntropyTx(kelvin(t), fraction(x))); }
double STM_sDtx(double t, double x) { return volumeOut(if97::mixtureVolumeTx(kelvin(t), fraction(x))); }

double STM_sXph(double p, double h) {
  const double P = megapascal(p);
  const CallerLine line = enthalpyLine(P);
  if (line.known) return qualityOut(lineQuality(line, h));
  return qualityOut(if97::qualityPh(P, kilojoulePerKilogram(h)));
}
double STM_sXps(double p, double s) {
  const double P = megapascal(p);
  const CallerLine line = entropyLine(P);
  if (line.known) return qualityOut(lineQuality(line, s));
  return qualityOut(if97::qualityPs(P, kilojoulePerKilogramKelvin(s)));
}

int16_t STM_IsSat_ph(double p, double h) {
  const double P = megapascal(p);
  const CallerLine line = enthalpyLine(P);
  if (line.known) return isWet(line, h) ? 1 : 0;
  return if97::isTwoPhasePh(P, kilojoulePerKilogram(h)) ? 1 : 0;
}
int16_t STM_IsSat_ps(double p, double s) {
  const double P = megapascal(p);
  const CallerLine line = entropyLine(P);
  if (line.known) return isWet(line, s) ? 1 : 0;
  return if97::isTwoPhasePs(P, kilojoulePerKilogramKelvin(s)) ? 1 : 0;
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
  const GivenValue given{if97::specificEnthalpy, kilojoulePerKilogram(h)};
  const if97::PlacedTemperature placed = if97::placedTemperaturePh(P, given.si);
  if (!nextToTheLine(placed)) return withinTheRange(placedTemperatureOut(placed, P, given), placed.T, P);
  return temperatureOnCallerLine(enthalpyLine(P), h, placed, P, given);
}
double STM_nTps(double p, double s) {
  const double P = megapascal(p);
  const GivenValue given{if97::specificEntropy, kilojoulePerKilogramKelvin(s)};
  const if97::PlacedTemperature placed = if97::placedTemperaturePs(P, given.si);
  if (!nextToTheLine(placed)) return withinTheRange(placedTemperatureOut(placed, P, given), placed.T, P);
  return temperatureOnCallerLine(entropyLine(P), s, placed, P, given);
}

}  // extern "C"
