#include "analysis/isobar_state.h"

#include "steam/si_state.h"

#include <hydrelix/if97.h>
#include <hydrelix/ifc67.h>

#include <cmath>

namespace analysis {

namespace {

std::optional<IsobarPoint> SinglePhase(double temperature) {
  if (!std::isfinite(temperature)) return std::nullopt;
  return IsobarPoint{false, temperature, 0.0};
}

std::optional<IsobarPoint> Wet(double temperature, double quality) {
  if (!std::isfinite(temperature) || !(quality >= 0.0 && quality <= 1.0)) return std::nullopt;
  return IsobarPoint{true, temperature, quality};
}

double Ifc67LiquidTemperature(double p, double h, double saturationTemperature) {
  double low = ifc67::kMinTemperature;
  double high = saturationTemperature;
  if (!(h >= ifc67::specificEnthalpy(low, p) && h <= ifc67::specificEnthalpy(high, p))) return std::nan("");
  for (int i = 0; i < 200 && high - low > 1e-12 * high; ++i) {
    const double middle = 0.5 * (low + high);
    (ifc67::specificEnthalpy(middle, p) < h ? low : high) = middle;
  }
  return 0.5 * (low + high);
}

}  // namespace

std::optional<IsobarPoint> PlaceByEnthalpy(steam::Formulation formulation, double p, double h) {
  if (formulation == steam::Formulation::IF97) {
    if (if97::isTwoPhasePh(p, h)) return Wet(if97::saturationTemperature(p), if97::qualityPh(p, h));
    return SinglePhase(if97::temperaturePh(p, h));
  }
  const ifc67::PlacedTemperature placed = ifc67::placedTemperaturePh(p, h);
  switch (placed.placement) {
    case ifc67::Placement::noSaturation:
    case ifc67::Placement::vapour: return SinglePhase(placed.temperature);
    case ifc67::Placement::wet:
    case ifc67::Placement::liquid: break;
  }
  // Everything below the saturated vapour is placed alike; the lever rule
  // tells the wet states from the liquid.
  const double quality = ifc67::qualityPh(p, h);
  if (quality >= 0.0) return Wet(placed.saturationTemperature, quality);
  return SinglePhase(Ifc67LiquidTemperature(p, h, placed.saturationTemperature));
}

std::optional<IsobarPoint> PlaceByEntropy(steam::Formulation formulation, double p, double s) {
  if (formulation == steam::Formulation::IF97) {
    if (if97::isTwoPhasePs(p, s)) return Wet(if97::saturationTemperature(p), if97::qualityPs(p, s));
    return SinglePhase(if97::temperaturePs(p, s));
  }
  const ifc67::PlacedTemperature placed = ifc67::placedTemperaturePs(p, s);
  if (placed.placement == ifc67::Placement::wet) {
    return Wet(placed.saturationTemperature, ifc67::qualityPs(p, s));
  }
  return SinglePhase(placed.temperature);
}

steam::SolveOutcome SolveOnIsobar(steam::Formulation formulation, double p, const IsobarPoint& point,
                                  steam::PropertyLibraries& libraries) {
  const double psia = steam::PsiaFromMegapascal(p);
  if (point.wet) {
    return steam::Solve(formulation, steam::InputPair::PressureQuality, psia, point.quality, libraries);
  }
  return steam::Solve(formulation, steam::InputPair::TemperaturePressure,
                      steam::FahrenheitFromKelvin(point.temperature), psia, libraries);
}

namespace {

steam::SolveOutcome SolvePlaced(steam::Formulation formulation, double p,
                                const std::optional<IsobarPoint>& point,
                                steam::PropertyLibraries& libraries) {
  if (!point) return steam::SolveOutcome{};
  return SolveOnIsobar(formulation, p, *point, libraries);
}

}  // namespace

steam::SolveOutcome SolveFromPressureEnthalpy(steam::Formulation formulation, double p, double h,
                                              steam::PropertyLibraries& libraries) {
  return SolvePlaced(formulation, p, PlaceByEnthalpy(formulation, p, h), libraries);
}

steam::SolveOutcome SolveFromPressureEntropy(steam::Formulation formulation, double p, double s,
                                             steam::PropertyLibraries& libraries) {
  return SolvePlaced(formulation, p, PlaceByEntropy(formulation, p, s), libraries);
}

}  // namespace analysis
