#include "analysis/chart_pinning.h"

#include "analysis/isobar_state.h"

#include <cmath>
#include <functional>

namespace analysis {
namespace {

// The lowest pressure searched: far below any chart's view.
constexpr double kLowestPressure = 1e-5;  // MPa

// The pressure in [low, high] where `rising(p)` crosses zero, by halving in
// log p; `rising` grows with p and is NaN where there is no state (a liquid
// entropy at a pressure below any liquid), so the crossing is first
// bracketed on a coarse grid of finite values.
std::optional<double> PressureWhere(double low, double high, const std::function<double(double)>& rising) {
  constexpr int kGrid = 48;
  const double logSpan = std::log(high / low);
  double logLow = NAN, logHigh = NAN, previousLog = NAN, previous = NAN;
  for (int i = 0; i <= kGrid; ++i) {
    const double logP = std::log(low) + logSpan * i / kGrid;
    const double at = rising(i == kGrid ? high : std::exp(logP));
    if (std::isfinite(at) && std::isfinite(previous) && previous <= 0.0 && at >= 0.0) {
      logLow = previousLog;
      logHigh = i == kGrid ? std::log(high) : logP;
      break;
    }
    previous = at;
    previousLog = i == 0 ? std::log(low) : logP;
  }
  if (!std::isfinite(logLow)) return std::nullopt;
  for (int step = 0; step < 100 && logHigh - logLow > 1e-13; ++step) {
    const double middle = 0.5 * (logLow + logHigh);
    const double at = rising(std::exp(middle));
    if (!std::isfinite(at)) return std::nullopt;
    (at < 0.0 ? logLow : logHigh) = middle;
  }
  return std::exp(0.5 * (logLow + logHigh));
}

std::optional<ChartPoint> FromTemperatureEntropy(const ChartEngine& engine, double temperature,
                                                 double entropy) {
  const double maxPressure = engine.MaxPressureAt(temperature);
  if (!engine.IsValid(temperature, std::min(maxPressure, 1.0))) return std::nullopt;
  double low = kLowestPressure, high = maxPressure;
  if (temperature <= engine.CriticalTemperature()) {
    const std::optional<ChartPoint> liquid = engine.Saturated(temperature, 0.0);
    const std::optional<ChartPoint> vapour = engine.Saturated(temperature, 1.0);
    if (!liquid || !vapour) return std::nullopt;
    if (entropy >= liquid->entropy && entropy <= vapour->entropy) {
      const double quality = vapour->entropy == liquid->entropy
                                 ? 0.0
                                 : (entropy - liquid->entropy) / (vapour->entropy - liquid->entropy);
      return engine.Saturated(temperature, quality);
    }
    // Vapour lies below the saturation pressure, liquid above it.
    if (entropy > vapour->entropy) high = liquid->pressure * (1.0 - 1e-12);
    else low = liquid->pressure;
  }
  // s falls as p rises along an isotherm.
  const std::optional<double> pressure = PressureWhere(low, high, [&](double p) {
    const std::optional<ChartPoint> point = engine.SinglePhase(temperature, p);
    return point ? entropy - point->entropy : NAN;
  });
  if (!pressure) return std::nullopt;
  return engine.SinglePhase(temperature, *pressure);
}

std::optional<ChartPoint> FromEnthalpyEntropy(const ChartEngine& engine, double enthalpy,
                                              double entropy) {
  // h rises with p along an isentrope (dh = v dp).
  const std::optional<double> pressure =
      PressureWhere(kLowestPressure, engine.MaxPressure(), [&](double p) {
        const std::optional<ChartPoint> point = engine.FromPressureEntropy(p, entropy);
        return point ? point->enthalpy - enthalpy : NAN;
      });
  if (!pressure) return std::nullopt;
  return engine.FromPressureEntropy(*pressure, entropy);
}

}  // namespace

std::optional<ChartPoint> StateAt(const ChartEngine& engine, ChartKind kind, double x, double y) {
  switch (kind) {
    case ChartKind::TemperatureEntropy: return FromTemperatureEntropy(engine, y, x);
    case ChartKind::EnthalpyEntropy: return FromEnthalpyEntropy(engine, y, x);
    case ChartKind::PressureEnthalpy: return engine.FromPressureEnthalpy(y, x);
  }
  return std::nullopt;
}

std::optional<steam::SteamState> PinAt(steam::Formulation formulation, ChartKind kind, double x,
                                       double y, steam::PropertyLibraries& libraries) {
  const std::optional<ChartPoint> point = StateAt(ChartEngine(formulation), kind, x, y);
  if (!point) return std::nullopt;
  const bool wet = std::isfinite(point->quality);
  const IsobarPoint placed{wet, point->temperature, wet ? point->quality : 0.0};
  const steam::SolveOutcome outcome = SolveOnIsobar(formulation, point->pressure, placed, libraries);
  if (!outcome.succeeded) return std::nullopt;
  return outcome.state;
}

}  // namespace analysis
