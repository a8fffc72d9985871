// The diagnostics work on the formulations' C++ interfaces in SI units. Each
// formulation is described once (its critical point, its range, its
// saturation line, its regions); the decisions are made on that description.
#include "analysis/diagnostics.h"

#include "steam/si_state.h"

#include <hydrelix/if97.h>
#include <hydrelix/ifc67.h>

#include <cmath>
#include <vector>

namespace analysis {

namespace {

// How close to the formulation's critical point a state counts as it.
constexpr double kCriticalTemperatureTolerance = 0.001;  // K
constexpr double kCriticalPressureTolerance = 0.0001;    // MPa

struct FormulationFacts {
  double criticalTemperature;
  double criticalPressure;
  double lowestTemperature;
  double highestTemperature;
  double highestPressure;
  double (*saturationTemperature)(double p);
  double (*saturationPressure)(double T);
};

const FormulationFacts kIf97{if97::kCriticalTemperature, if97::kCriticalPressure,
                             if97::kMinTemperature,      if97::kMaxTemperature,
                             if97::kMaxPressure,         &if97::saturationTemperature,
                             &if97::saturationPressure};
const FormulationFacts kIfc67{ifc67::kCriticalTemperature, ifc67::kCriticalPressure,
                              ifc67::kMinTemperature,      ifc67::kMaxTemperature,
                              ifc67::kMaxPressure,         &ifc67::saturationTemperature,
                              &ifc67::saturationPressure};

// IF-97's regions 1 to 3 end at 1073.15 K; region 5 continues above it up to
// 50 MPa only.
constexpr double kRegion5LowestTemperature = 1073.15;  // K
constexpr double kRegion5HighestPressure = 50.0;       // MPa

std::optional<double> Finite(double value) {
  return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

const FormulationFacts& FactsOf(steam::Formulation formulation) {
  return formulation == steam::Formulation::IF97 ? kIf97 : kIfc67;
}

std::optional<double> SaturationTemperatureAt(const FormulationFacts& f, double p) {
  return p <= f.criticalPressure ? Finite(f.saturationTemperature(p)) : std::nullopt;
}

bool IsVapour(Phase phase) {
  return phase == Phase::SuperheatedVapor || phase == Phase::SaturatedVapor ||
         phase == Phase::GasAboveCriticalTemperature;
}

bool IsLiquid(Phase phase) {
  return phase == Phase::CompressedLiquid || phase == Phase::SaturatedLiquid;
}

// The limits that bound the state where it lies, each with how far inside it
// the state is. The open lower pressure bound (zero) is no limit a state can
// come near in a meaningful sense, so it is left out.
std::vector<ValidityLimit> LimitsAround(steam::Formulation formulation,
                                        const FormulationFacts& f, double T, double p) {
  using Quantity = ValidityLimit::Quantity;
  std::vector<ValidityLimit> limits;
  auto add = [&limits](const char* name, Quantity quantity, double limit, double distance) {
    limits.push_back({name, quantity, limit, distance});
  };
  add("lower temperature", Quantity::Temperature, f.lowestTemperature, T - f.lowestTemperature);
  if (formulation == steam::Formulation::IFC67) {
    add("upper temperature", Quantity::Temperature, f.highestTemperature,
        f.highestTemperature - T);
    add("upper pressure", Quantity::Pressure, f.highestPressure, f.highestPressure - p);
    return limits;
  }
  if (p <= kRegion5HighestPressure) {
    add("region 5 upper temperature", Quantity::Temperature, f.highestTemperature,
        f.highestTemperature - T);
  } else {
    add("upper temperature above 50 MPa", Quantity::Temperature, kRegion5LowestTemperature,
        kRegion5LowestTemperature - T);
  }
  if (T <= kRegion5LowestTemperature) {
    add("upper pressure", Quantity::Pressure, f.highestPressure, f.highestPressure - p);
  } else {
    add("region 5 upper pressure", Quantity::Pressure, kRegion5HighestPressure,
        kRegion5HighestPressure - p);
  }
  return limits;
}

// The nearest limit, temperatures and pressures made comparable as fractions
// of the formulation's whole temperature and pressure range.
ValidityLimit NearestLimit(steam::Formulation formulation, const FormulationFacts& f, double T,
                           double p) {
  const std::vector<ValidityLimit> limits = LimitsAround(formulation, f, T, p);
  const double temperatureSpan = f.highestTemperature - f.lowestTemperature;
  auto fraction = [&](const ValidityLimit& limit) {
    const double span =
        limit.quantity == ValidityLimit::Quantity::Temperature ? temperatureSpan : f.highestPressure;
    return std::fabs(limit.distance) / span;
  };
  const ValidityLimit* nearest = &limits.front();
  for (const ValidityLimit& limit : limits) {
    if (fraction(limit) < fraction(*nearest)) nearest = &limit;
  }
  return *nearest;
}

SaturationPair PairOf(const SaturatedEnd& liquid, const SaturatedEnd& vapor) {
  return {liquid, vapor, vapor.enthalpy - liquid.enthalpy, vapor.entropy - liquid.entropy};
}

std::optional<SaturationPair> If97Saturation(const if97::SaturationState& s) {
  if (!std::isfinite(s.T) || !std::isfinite(s.liquid.h) || !std::isfinite(s.vapour.h)) {
    return std::nullopt;
  }
  return PairOf({s.T, s.p, s.liquid.v, s.liquid.h, s.liquid.s},
                {s.T, s.p, s.vapour.v, s.vapour.h, s.vapour.s});
}

std::optional<SaturationPair> Ifc67Saturation(double T, double p) {
  auto end = [T, p](double x) {
    return SaturatedEnd{T, p, ifc67::mixtureVolumeTx(T, x), ifc67::mixtureEnthalpyTx(T, x),
                        ifc67::mixtureEntropyTx(T, x)};
  };
  const SaturatedEnd liquid = end(0.0), vapor = end(1.0);
  if (!std::isfinite(liquid.enthalpy) || !std::isfinite(vapor.enthalpy)) return std::nullopt;
  return PairOf(liquid, vapor);
}

std::optional<SaturationPair> SaturationBeside(steam::Formulation formulation,
                                               const FormulationFacts& f, double T, double p,
                                               std::optional<double> saturationTemperature) {
  const bool if97 = formulation == steam::Formulation::IF97;
  if (p <= f.criticalPressure) {
    if (!saturationTemperature) return std::nullopt;
    return if97 ? If97Saturation(if97::saturationStateP(p))
                : Ifc67Saturation(*saturationTemperature, p);
  }
  if (T >= f.criticalTemperature) return std::nullopt;
  return if97 ? If97Saturation(if97::saturationStateT(T))
              : Ifc67Saturation(T, ifc67::saturationPressure(T));
}

}  // namespace

std::optional<int> RegionOf(steam::Formulation formulation, double T, double p, bool onLine) {
  if (formulation == steam::Formulation::IF97) {
    if (onLine) return 4;
    switch (if97::regionTp(T, p)) {
      case if97::Region::region1: return 1;
      case if97::Region::region2: return 2;
      case if97::Region::region3: return 3;
      case if97::Region::region5: return 5;
      case if97::Region::outside: return std::nullopt;
    }
    return std::nullopt;
  }
  if (onLine) return std::nullopt;
  const int subregion = ifc67::subregionTp(T, p);
  return subregion != 0 ? std::optional<int>(subregion) : std::nullopt;
}

Phase PhaseOf(steam::Formulation formulation, double T, double p, bool onLine, double quality) {
  const FormulationFacts& f = FactsOf(formulation);
  if (std::fabs(T - f.criticalTemperature) <= kCriticalTemperatureTolerance &&
      std::fabs(p - f.criticalPressure) <= kCriticalPressureTolerance) {
    return Phase::CriticalPoint;
  }
  if (onLine) {
    if (quality <= 0.0) return Phase::SaturatedLiquid;
    if (quality >= 1.0) return Phase::SaturatedVapor;
    return Phase::WetSteam;
  }
  if (p > f.criticalPressure) {
    return T >= f.criticalTemperature ? Phase::SupercriticalFluid
                                      : Phase::LiquidAboveCriticalPressure;
  }
  if (T > f.criticalTemperature) return Phase::GasAboveCriticalTemperature;
  // Below the lowest pressure of the saturation line every state is vapour.
  const std::optional<double> saturationTemperature = SaturationTemperatureAt(f, p);
  if (!saturationTemperature || T > *saturationTemperature) return Phase::SuperheatedVapor;
  if (T < *saturationTemperature) return Phase::CompressedLiquid;
  return quality >= 1.0 ? Phase::SuperheatedVapor : Phase::CompressedLiquid;
}

const char* PhaseWord(Phase phase) {
  switch (phase) {
    case Phase::CompressedLiquid: return "Compressed liquid";
    case Phase::SaturatedLiquid: return "Saturated liquid";
    case Phase::WetSteam: return "Wet steam";
    case Phase::SaturatedVapor: return "Saturated vapor";
    case Phase::SuperheatedVapor: return "Superheated vapor";
    case Phase::SupercriticalFluid: return "Supercritical fluid";
    case Phase::LiquidAboveCriticalPressure: return "Liquid above the critical pressure";
    case Phase::GasAboveCriticalTemperature: return "Gas above the critical temperature";
    case Phase::CriticalPoint: return "Critical point";
  }
  return "";
}

Diagnostics Diagnose(const steam::SteamState& state) {
  const steam::SiState si = steam::ToSi(state);
  const double T = si.temperature, p = si.pressure;
  const FormulationFacts& f = FactsOf(state.formulation);

  Diagnostics d;
  d.region = RegionOf(state.formulation, T, p, state.onSaturationLine);
  d.nearestLimit = NearestLimit(state.formulation, f, T, p);
  const std::optional<double> saturationTemperature = SaturationTemperatureAt(f, p);
  d.phase = PhaseOf(state.formulation, T, p, state.onSaturationLine, state.values.Quality);
  // At the critical point the line ends: no margins to it, no two ends.
  if (d.phase == Phase::CriticalPoint) return d;
  d.saturationTemperature = saturationTemperature;
  if (T <= f.criticalTemperature) d.saturationPressure = Finite(f.saturationPressure(T));

  // A state the input case found on the line lies at the saturation
  // temperature and pressure by that case's own test.
  const bool onLine = state.onSaturationLine;
  if (d.saturationTemperature) {
    if (IsVapour(d.phase)) d.superheat = onLine ? 0.0 : T - *d.saturationTemperature;
    if (IsLiquid(d.phase)) d.subcooling = onLine ? 0.0 : *d.saturationTemperature - T;
  }
  if (d.saturationPressure) d.pressureMargin = onLine ? 0.0 : p - *d.saturationPressure;
  d.saturation = SaturationBeside(state.formulation, f, T, p, d.saturationTemperature);
  return d;
}

}  // namespace analysis
