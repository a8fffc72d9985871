#include "region4.h"

#include <cmath>

#include "constants.h"
#include "region4_coefficients.h"
#include "region4_line.h"

namespace if97::region4 {
namespace {

constexpr const double (&n)[10] = kRegion4Saturation;

double temperatureOnLine(double p) {
  const double beta = std::sqrt(std::sqrt(p));
  const double E = (beta + n[2]) * beta + n[5];
  const double F = (n[0] * beta + n[3]) * beta + n[6];
  const double G = (n[1] * beta + n[4]) * beta + n[7];
  const double D = 2.0 * G / (-F - std::sqrt(F * F - 4.0 * E * G));
  const double sum = n[9] + D;
  return 0.5 * (sum - std::sqrt(sum * sum - 4.0 * (n[8] + n[9] * D)));
}

// ps(273.15 K) as pressureOnLine computes it (a test holds the two equal):
// a literal, so that no static initialisation order can ever see it unset.
constexpr double kLowestPressure = kLowestSaturationPressure;
constexpr double kRegion3Pressure = 16.529164252604509;  // ps(623.15 K), likewise

}  // namespace

double saturationPressure(double T) {
  // Written so that NaN fails the test too.
  if (!(T >= kMinTemperature && T <= kCriticalTemperature)) return kNaN;
  return pressureOnLine(T);
}

double saturationTemperature(double p) {
  if (!(p >= kLowestPressure && p <= kCriticalPressure)) return kNaN;
  const double T = temperatureOnLine(p);
  // Round-off at the ends must not push a valid pressure outside the line.
  return T < kMinTemperature ? kMinTemperature : (T > kCriticalTemperature ? kCriticalTemperature : T);
}

double lowestSaturationPressure() { return kLowestPressure; }

double region3SaturationPressure() { return kRegion3Pressure; }

}  // namespace if97::region4
