// The selected formulation's equations as the charts need them, in SI: the
// saturation line, single-phase states from (T, p), and the temperature of a
// state given by (p, h) or (p, s). Every answer lies inside the
// formulation's validity or is not given (std::nullopt), so no line ever
// leaves it.
#ifndef HYDRELIX_ANALYSIS_CHART_ENGINE_H
#define HYDRELIX_ANALYSIS_CHART_ENGINE_H

#include "analysis/chart_point.h"
#include "analysis/isobar_state.h"
#include "steam/steam.h"

#include <optional>

namespace analysis {

class ChartEngine {
 public:
  explicit ChartEngine(steam::Formulation formulation) : formulation_(formulation) {}

  steam::Formulation Formulation() const { return formulation_; }

  // The lowest saturation temperature (273.15 K for IF-97, the triple point
  // 273.16 K for IFC-67) and the formulation's own critical point.
  double MinTemperature() const;
  double CriticalTemperature() const;
  double CriticalPressure() const;
  double MaxPressure() const;
  // The highest pressure the formulation holds at temperature T.
  double MaxPressureAt(double temperature) const;
  // The highest temperature the formulation holds at pressure p.
  double MaxTemperature(double pressure) const;
  bool IsValid(double temperature, double pressure) const;

  double SaturationPressure(double temperature) const;
  double SaturationTemperature(double pressure) const;

  // The wet state of vapour fraction x on the saturation line at T
  // (MinTemperature() <= T <= CriticalTemperature()).
  std::optional<ChartPoint> Saturated(double temperature, double quality) const;
  // The single-phase state at (T, p); on the saturation line the liquid.
  std::optional<ChartPoint> SinglePhase(double temperature, double pressure) const;

  // The state at pressure p with entropy s (enthalpy h): wet between the
  // saturated ends, otherwise single-phase.
  std::optional<ChartPoint> FromPressureEntropy(double pressure, double entropy) const;
  std::optional<ChartPoint> FromPressureEnthalpy(double pressure, double enthalpy) const;

 private:
  std::optional<ChartPoint> OnIsobar(double pressure, const std::optional<IsobarPoint>& placed) const;

  steam::Formulation formulation_;
};

}  // namespace analysis

#endif
