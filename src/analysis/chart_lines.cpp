#include "analysis/chart_lines.h"

#include "analysis/curve_sampling.h"
#include "steam/si_state.h"

#include <algorithm>
#include <cmath>

namespace analysis {
namespace {

constexpr double kMegapascalPerBar = 0.1;

// 1, 2, 5 times the powers of ten from `first` up to `last`.
std::vector<double> OneTwoFive(double first, double last) {
  std::vector<double> values;
  for (double decade = first; decade <= last * 1.000001; decade *= 10.0) {
    for (double step : {1.0, 2.0, 5.0}) {
      if (decade * step <= last * 1.000001) values.push_back(decade * step);
    }
  }
  return values;
}

double LineTop(const ChartEngine& engine, double pressure) {
  return std::min(kLineTopTemperature, engine.MaxTemperature(pressure));
}

void Append(std::vector<ChartPoint>& line, const std::vector<ChartPoint>& more) {
  line.insert(line.end(), more.begin(), more.end());
}

}  // namespace

std::vector<double> IsobarPressures(UnitSystem system) {
  std::vector<double> pressures = system == UnitSystem::IP ? OneTwoFive(1.0, 10000.0)
                                                           : OneTwoFive(0.01, 1000.0);
  for (double& p : pressures) {
    p = system == UnitSystem::IP ? steam::MegapascalFromPsia(p) : p * kMegapascalPerBar;
  }
  return pressures;
}

std::vector<double> IsothermTemperatures(UnitSystem system) {
  std::vector<double> temperatures;
  if (system == UnitSystem::IP) {
    for (int f = 100;; f += 100) {
      const double kelvin = steam::KelvinFromFahrenheit(f);
      if (kelvin > kLineTopTemperature) break;
      temperatures.push_back(kelvin);
    }
  } else {
    for (int c = 50;; c += 50) {
      const double kelvin = c + 273.15;
      if (kelvin > kLineTopTemperature) break;
      temperatures.push_back(kelvin);
    }
  }
  return temperatures;
}

ChartLine SaturationBranch(const ChartEngine& engine, LineFamily branch) {
  const double quality = branch == LineFamily::SaturatedLiquid ? 0.0 : 1.0;
  const double low = engine.MinTemperature();
  const double critical = engine.CriticalTemperature();
  ChartLine line{branch, quality, {}};
  line.points = SampleCurve(
      [&](double t) { return engine.Saturated(t >= 1.0 ? critical : low + (critical - low) * t, quality); },
      CrowdedParameters(48, 3.0));
  return line;
}

ChartLine QualityLine(const ChartEngine& engine, double quality) {
  const double low = engine.MinTemperature();
  const double critical = engine.CriticalTemperature();
  ChartLine line{LineFamily::Quality, quality, {}};
  line.points = SampleCurve(
      [&](double t) { return engine.Saturated(t >= 1.0 ? critical : low + (critical - low) * t, quality); },
      CrowdedParameters(32, 3.0));
  return line;
}

ChartLine Isobar(const ChartEngine& engine, double pressure) {
  ChartLine line{LineFamily::Isobar, pressure, {}};
  const double low = engine.MinTemperature();
  const double top = LineTop(engine, pressure);
  const double saturation =
      pressure < engine.CriticalPressure() ? engine.SaturationTemperature(pressure) : NAN;
  if (!std::isfinite(saturation)) {
    // No saturation on this isobar: one smooth line, crowded towards the
    // critical temperature where it bends most.
    line.points = SampleCurve(
        [&](double t) { return engine.SinglePhase(low + (top - low) * t, pressure); },
        CrowdedParameters(64, 1.0));
    return line;
  }
  std::optional<ChartPoint> liquidEnd = engine.Saturated(saturation, 0.0);
  std::optional<ChartPoint> vapourEnd = engine.Saturated(saturation, 1.0);
  if (!liquidEnd || !vapourEnd) return line;
  // ps(Ts(p)) gives p back only to round-off; the isobar keeps its own.
  liquidEnd->pressure = vapourEnd->pressure = pressure;
  // The liquid up to the saturated liquid, which is the line's own point:
  // the kink lies exactly on the dome.
  Append(line.points, SampleCurve(
                          [&](double t) {
                            return t >= 1.0 ? liquidEnd
                                            : engine.SinglePhase(low + (saturation - low) * t, pressure);
                          },
                          CrowdedParameters(24, 2.0)));
  // Across the dome h and s are linear in x at constant T and p, so the tie
  // line is straight in all three charts.
  Append(line.points, SampleCurve(
                          [&](double t) {
                            return t <= 0.0 ? vapourEnd
                                            : engine.SinglePhase(saturation + (top - saturation) * t * t,
                                                                 pressure);
                          },
                          CrowdedParameters(40, 1.0)));
  return line;
}

ChartLine Isotherm(const ChartEngine& engine, double temperature, double lowestPressure) {
  ChartLine line{LineFamily::Isotherm, temperature, {}};
  const bool subcritical = temperature < engine.CriticalTemperature();
  const double highest = subcritical ? engine.SaturationPressure(temperature)
                                     : engine.MaxPressureAt(temperature);
  if (!(highest > lowestPressure)) return line;
  std::optional<ChartPoint> vapourEnd;
  if (subcritical) vapourEnd = engine.Saturated(temperature, 1.0);
  const double logLow = std::log(lowestPressure), logHigh = std::log(highest);
  line.points = SampleCurve(
      [&](double t) -> std::optional<ChartPoint> {
        if (t >= 1.0 && subcritical) return vapourEnd;
        const double p = std::exp(logLow + (logHigh - logLow) * t);
        return engine.SinglePhase(temperature, t >= 1.0 ? highest : p);
      },
      CrowdedParameters(32, 1.0));
  return line;
}

ChartLines ComputeChartLines(steam::Formulation formulation, UnitSystem system) {
  const ChartEngine engine(formulation);
  ChartLines result{formulation, system, {}};
  result.lines.push_back(SaturationBranch(engine, LineFamily::SaturatedLiquid));
  result.lines.push_back(SaturationBranch(engine, LineFamily::SaturatedVapour));
  const std::vector<double> pressures = IsobarPressures(system);
  for (double pressure : pressures) result.lines.push_back(Isobar(engine, pressure));
  for (int tenth = 1; tenth <= 9; ++tenth) result.lines.push_back(QualityLine(engine, tenth / 10.0));
  for (double temperature : IsothermTemperatures(system)) {
    // Isotherms reach a decade below the lowest isobar, to the foot of the
    // p-h chart's default view.
    ChartLine line = Isotherm(engine, temperature, pressures.front() / 10.0);
    if (!line.points.empty()) result.lines.push_back(std::move(line));
  }
  return result;
}

}  // namespace analysis
