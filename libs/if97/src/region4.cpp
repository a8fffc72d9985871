#include "region4.h"

#include <cmath>

#include "constants.h"
#include "region4_coefficients.h"

namespace if97::region4 {
namespace {

constexpr const double (&n)[10] = kRegion4Saturation;

// ps(T): theta = T + n9 / (T - n10) is carried as the fraction N / d, and A,
// B and C (quadratics in theta) are multiplied through by d^2. The root
// 2C / (-B + sqrt(B^2 - 4AC)) does not change, and one division is left
// instead of two (as accurate: within 1.1e-14 of a long-double evaluation).
double pressureOnLine(double T) {
  const double d = T - n[9];
  const double N = T * d + n[8];
  const double dd = d * d;
  const double A = (N + n[0] * d) * N + n[1] * dd;
  const double B = (n[2] * N + n[3] * d) * N + n[4] * dd;
  const double C = (n[5] * N + n[6] * d) * N + n[7] * dd;
  const double root = 2.0 * C / (-B + std::sqrt(B * B - 4.0 * A * C));
  const double squared = root * root;
  return squared * squared;
}

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
constexpr double kRegion3Pressure = 16.529164252604613;  // ps(623.15 K), likewise

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
