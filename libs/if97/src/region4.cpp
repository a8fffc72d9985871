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

}  // namespace

double saturationTemperature(double p) {
  if (!(p >= lowestSaturationPressure() && p <= kCriticalPressure)) return kNaN;
  const double T = temperatureOnLine(p);
  // Round-off at the ends must not push a valid pressure outside the line.
  return T < kMinTemperature ? kMinTemperature : (T > kCriticalTemperature ? kCriticalTemperature : T);
}


}  // namespace if97::region4
