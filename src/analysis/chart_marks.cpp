#include "analysis/chart_marks.h"

#include "steam/si_state.h"

#include <algorithm>
#include <cmath>

namespace analysis {
namespace {

bool Same(double a, double b) { return std::fabs(a - b) <= 1e-7 * std::max(std::fabs(a), std::fabs(b)); }

std::optional<ChartPoint> Between(const ChartEngine& engine, const ChartPoint& a,
                                  const ChartPoint& b, double t) {
  const double pressure = a.pressure * std::pow(b.pressure / a.pressure, t);
  if (Same(a.entropy, b.entropy) && !Same(a.pressure, b.pressure)) {
    return engine.FromPressureEntropy(pressure, a.entropy);
  }
  if (Same(a.temperature, b.temperature) && !Same(a.pressure, b.pressure) &&
      !std::isfinite(a.quality) && !std::isfinite(b.quality)) {
    return engine.SinglePhase(a.temperature, pressure);
  }
  return engine.FromPressureEnthalpy(pressure, a.enthalpy + (b.enthalpy - a.enthalpy) * t);
}

}  // namespace

ChartPoint ChartPointOf(const steam::SteamState& state) {
  const steam::SiState si = steam::ToSi(state);
  ChartPoint point;
  point.temperature = si.temperature;
  point.pressure = si.pressure;
  point.enthalpy = si.enthalpy;
  point.entropy = si.entropy;
  const bool wet = si.quality > 0.0 && si.quality < 1.0;
  if (wet || state.onSaturationLine) point.quality = si.quality;
  return point;
}

ChartMark ChartMarkOf(const Pin& pin) {
  steam::SteamState state;
  state.formulation = pin.formulation;
  state.pair = pin.pair;
  state.values.Temperature = pin.temperature;
  state.values.Pressure = pin.pressure;
  state.values.Quality = pin.quality;
  state.values.Enthalpy = pin.enthalpy;
  state.values.Entropy = pin.entropy;
  state.values.SpecificVolume = pin.volume;
  state.onSaturationLine = pin.pair == steam::InputPair::TemperatureQuality ||
                           pin.pair == steam::InputPair::PressureQuality;
  return {pin.name, ChartPointOf(state)};
}

void ChartPinList::Pin(const steam::SteamState& state, const std::string& name) {
  marks_.push_back({name, ChartPointOf(state)});
}

std::string ChartPinName(const char* chart, const std::vector<ChartMark>& marks) {
  const std::string prefix = std::string(chart) + " ";
  long highest = 0;
  for (const ChartMark& mark : marks) {
    if (mark.name.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string number = mark.name.substr(prefix.size());
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) continue;
    if (number.size() < 9) highest = std::max(highest, std::stol(number));
  }
  return prefix + std::to_string(highest + 1);
}

ChartProcess ProcessThrough(const ChartEngine& engine, std::string name,
                            const std::vector<ChartPoint>& states, int stepsPerLeg) {
  ChartProcess process{std::move(name), {}};
  for (size_t i = 0; i < states.size(); ++i) {
    if (i > 0) {
      const ChartPoint& a = states[i - 1];
      const ChartPoint& b = states[i];
      for (int step = 1; step < stepsPerLeg; ++step) {
        if (std::optional<ChartPoint> point = Between(engine, a, b, static_cast<double>(step) / stepsPerLeg)) {
          process.points.push_back(*point);
        }
      }
    }
    process.points.push_back(states[i]);
  }
  return process;
}

ChartProcess ProcessThrough(std::string name, const std::vector<steam::SteamState>& states,
                            int stepsPerLeg) {
  if (states.empty()) return {std::move(name), {}};
  std::vector<ChartPoint> points;
  for (const steam::SteamState& state : states) points.push_back(ChartPointOf(state));
  return ProcessThrough(ChartEngine(states.front().formulation), std::move(name), points, stepsPerLeg);
}

}  // namespace analysis
