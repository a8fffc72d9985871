#include "calorix_side_of_line.h"

#include <cmath>

#include "calorix_units.h"
#include "hydrelix/ifc67.h"

namespace calorix {
namespace {

// The test the (t, p) entry points make: the subregion the converted
// temperature selects.
bool evaluatedOnSide(double t, double p, Side side) {
  const int subregion = ifc67::subregionTp(kelvinFromFahrenheit(t), p);
  return side == Side::Liquid ? subregion == 1 || subregion == 4 : subregion == 2 || subregion == 3;
}

}  // namespace

double firstFahrenheitOnSide(double t, double p, Side side) {
  if (std::isnan(t) || evaluatedOnSide(t, p, side)) return t;
  const bool upward = side == Side::Vapour;
  const double limit = fahrenheitFromKelvin(upward ? ifc67::kMaxTemperature : ifc67::kMinTemperature);
  // The disagreement spans up to a few thousand ulps of t: steps of 1, 2,
  // 4, ... ulps find a value on the side, bisection the first one.
  double wrong = t;
  double right = t;
  for (double step = std::fabs(std::nextafter(t, limit) - t);; step *= 2.0) {
    double candidate = upward ? t + step : t - step;
    if (upward ? candidate >= limit : candidate <= limit) candidate = limit;
    if (evaluatedOnSide(candidate, p, side)) {
      right = candidate;
      break;
    }
    if (candidate == limit) return t;  // no value on that side: keep the solve's
    wrong = candidate;
  }
  for (;;) {
    const double middle = wrong + 0.5 * (right - wrong);
    if (middle == wrong || middle == right) return right;
    (evaluatedOnSide(middle, p, side) ? right : wrong) = middle;
  }
}

double nearestFahrenheitOnSide(double t, double p, Side side) {
  const double toward = side == Side::Vapour ? INFINITY : -INFINITY;
  double candidate = t;
  for (int step = 0; step < 4096 && !std::isnan(candidate); ++step) {
    if (evaluatedOnSide(candidate, p, side)) return candidate;
    candidate = std::nextafter(candidate, toward);
  }
  return firstFahrenheitOnSide(t, p, side);
}

}  // namespace calorix
