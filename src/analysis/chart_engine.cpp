#include "analysis/chart_engine.h"

#include <hydrelix/if97.h>
#include <hydrelix/ifc67.h>

#include <cmath>

namespace analysis {

bool ChartPoint::IsFinite() const {
  return std::isfinite(temperature) && std::isfinite(pressure) && std::isfinite(enthalpy) &&
         std::isfinite(entropy);
}

namespace {

using steam::Formulation;

// IF-97 holds to 2273.15 K only up to 50 MPa (region 5).
constexpr double kIF97HighTemperaturePressure = 50.0;
constexpr double kIF97LowerTopTemperature = 1073.15;  // above 50 MPa

std::optional<ChartPoint> IfFinite(const ChartPoint& point) {
  if (!point.IsFinite()) return std::nullopt;
  return point;
}

}  // namespace

double ChartEngine::MinTemperature() const {
  return formulation_ == Formulation::IF97 ? if97::kMinTemperature : ifc67::kMinTemperature;
}

double ChartEngine::CriticalTemperature() const {
  return formulation_ == Formulation::IF97 ? if97::kCriticalTemperature
                                           : ifc67::kCriticalTemperature;
}

double ChartEngine::CriticalPressure() const {
  return formulation_ == Formulation::IF97 ? if97::kCriticalPressure : ifc67::kCriticalPressure;
}

double ChartEngine::MaxPressure() const {
  return formulation_ == Formulation::IF97 ? if97::kMaxPressure : ifc67::kMaxPressure;
}

double ChartEngine::MaxPressureAt(double temperature) const {
  if (formulation_ == Formulation::IF97 && temperature > kIF97LowerTopTemperature) return kIF97HighTemperaturePressure;
  return MaxPressure();
}

double ChartEngine::MaxTemperature(double pressure) const {
  if (formulation_ == Formulation::IFC67) return ifc67::kMaxTemperature;
  return pressure <= kIF97HighTemperaturePressure ? if97::kMaxTemperature : kIF97LowerTopTemperature;
}

bool ChartEngine::IsValid(double temperature, double pressure) const {
  return pressure > 0.0 && pressure <= MaxPressure() && temperature >= MinTemperature() &&
         temperature <= MaxTemperature(pressure);
}

double ChartEngine::SaturationPressure(double temperature) const {
  return formulation_ == Formulation::IF97 ? if97::saturationPressure(temperature)
                                           : ifc67::saturationPressure(temperature);
}

double ChartEngine::SaturationTemperature(double pressure) const {
  return formulation_ == Formulation::IF97 ? if97::saturationTemperature(pressure)
                                           : ifc67::saturationTemperature(pressure);
}

std::optional<ChartPoint> ChartEngine::Saturated(double temperature, double quality) const {
  ChartPoint point;
  point.temperature = temperature;
  point.quality = quality;
  if (formulation_ == Formulation::IF97) {
    const if97::SaturatedPhase mixture = if97::mixtureTx(temperature, quality);
    point.pressure = if97::saturationPressure(temperature);
    point.enthalpy = mixture.h;
    point.entropy = mixture.s;
  } else {
    point.pressure = ifc67::saturationPressure(temperature);
    point.enthalpy = ifc67::mixtureEnthalpyTx(temperature, quality);
    point.entropy = ifc67::mixtureEntropyTx(temperature, quality);
  }
  return IfFinite(point);
}

std::optional<ChartPoint> ChartEngine::SinglePhase(double temperature, double pressure) const {
  if (!IsValid(temperature, pressure)) return std::nullopt;
  ChartPoint point;
  point.temperature = temperature;
  point.pressure = pressure;
  if (formulation_ == Formulation::IF97) {
    point.enthalpy = if97::specificEnthalpy(temperature, pressure);
    point.entropy = if97::specificEntropy(temperature, pressure);
  } else {
    point.enthalpy = ifc67::specificEnthalpy(temperature, pressure);
    point.entropy = ifc67::specificEntropy(temperature, pressure);
  }
  return IfFinite(point);
}

std::optional<ChartPoint> ChartEngine::OnIsobar(double pressure,
                                                const std::optional<IsobarPoint>& placed) const {
  if (!placed) return std::nullopt;
  if (!placed->wet) return SinglePhase(placed->temperature, pressure);
  std::optional<ChartPoint> point = Saturated(placed->temperature, placed->quality);
  if (point) point->pressure = pressure;
  return point;
}

std::optional<ChartPoint> ChartEngine::FromPressureEntropy(double pressure, double entropy) const {
  if (!(pressure > 0.0 && pressure <= MaxPressure())) return std::nullopt;
  return OnIsobar(pressure, PlaceByEntropy(formulation_, pressure, entropy));
}

std::optional<ChartPoint> ChartEngine::FromPressureEnthalpy(double pressure,
                                                            double enthalpy) const {
  if (!(pressure > 0.0 && pressure <= MaxPressure())) return std::nullopt;
  return OnIsobar(pressure, PlaceByEnthalpy(formulation_, pressure, enthalpy));
}

}  // namespace analysis
