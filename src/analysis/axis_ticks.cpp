#include "analysis/axis_ticks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace analysis {
namespace {

// A tick value written with just the decimals its step needs.
std::string TickLabel(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", std::max(decimals, 0), value);
  return text;
}

}  // namespace

std::vector<Tick> LinearTicks(double low, double high, int wanted) {
  std::vector<Tick> ticks;
  if (!(std::isfinite(low) && std::isfinite(high) && high > low) || wanted < 1) return ticks;
  const double rough = (high - low) / wanted;
  int exponent = static_cast<int>(std::floor(std::log10(rough)));
  double mantissa = 0.0;
  for (double candidate : {1.0, 2.0, 5.0}) {
    if (candidate * std::pow(10.0, exponent) >= rough / 1.5) {
      mantissa = candidate;
      break;
    }
  }
  if (mantissa == 0.0) {
    mantissa = 1.0;
    ++exponent;
  }
  const double step = mantissa * std::pow(10.0, exponent);
  const int decimals = -exponent;
  const double first = std::ceil(low / step - 1e-9);
  const double last = std::floor(high / step + 1e-9);
  for (double i = first; i <= last; i += 1.0) {
    // Multiples of the step, so round values stay round (no 0.30000000000000004).
    const double value = i == 0.0 ? 0.0 : i * step;  // never "-0"
    ticks.push_back({value, TickLabel(value, decimals)});
  }
  return ticks;
}

std::vector<Tick> LogarithmicTicks(double low, double high) {
  std::vector<Tick> ticks;
  if (!(low > 0.0 && high > low && std::isfinite(high))) return ticks;
  const double decades = std::log10(high / low);
  // Few decades: 1, 2, 5 in each; one or less: the linear ticks' round steps.
  if (decades < 1.0) return LinearTicks(low, high, 5);
  const bool withSteps = decades <= 4.0;
  const int firstExponent = static_cast<int>(std::floor(std::log10(low)));
  const int lastExponent = static_cast<int>(std::ceil(std::log10(high)));
  const int every = decades > 12.0 ? 2 : 1;
  for (int exponent = firstExponent; exponent <= lastExponent; ++exponent) {
    if (!withSteps && exponent % every != 0) continue;
    for (double mantissa : {1.0, 2.0, 5.0}) {
      if (!withSteps && mantissa != 1.0) continue;
      const double value = mantissa * std::pow(10.0, exponent);
      if (value < low * (1 - 1e-12) || value > high * (1 + 1e-12)) continue;
      ticks.push_back({value, TickLabel(value, std::max(0, -exponent))});
    }
  }
  return ticks;
}

}  // namespace analysis
