// SPDX-License-Identifier: MIT
#include "saturation_line.h"

#include <cmath>
#include <limits>

#include "coefficients.h"

namespace ifc67 {
namespace {

const double* const k = kSaturationK;  // k[1]..k[9], the formulation's k1..k9

struct LogSaturationPressure {
  double value;
  double slope;  // d ln betaK / d theta
};

// With u = 1 - theta:
//   ln betaK = [(k1 u + ... + k5 u^5) / (1 + k6 u + k7 u^2)] / theta - u / (k8 u^2 + k9)
// written over one common denominator, so that a value costs one division.
double logSaturationPressure(double theta) {
  const double u = 1.0 - theta;
  const double numerator = u * (k[1] + u * (k[2] + u * (k[3] + u * (k[4] + u * k[5]))));
  const double denominator = (1.0 + u * (k[6] + u * k[7])) * theta;
  const double tail = k[8] * u * u + k[9];
  return (numerator * tail - u * denominator) / (denominator * tail);
}

// The value and its slope for Newton steps: two divisions.
LogSaturationPressure logSaturationPressureAndSlope(double theta) {
  const double u = 1.0 - theta;
  const double numerator = u * (k[1] + u * (k[2] + u * (k[3] + u * (k[4] + u * k[5]))));
  const double numeratorSlope = k[1] + u * (2 * k[2] + u * (3 * k[3] + u * (4 * k[4] + u * 5 * k[5])));  // d/du
  const double denominator = 1.0 + u * (k[6] + u * k[7]);
  const double denominatorSlope = k[6] + 2 * u * k[7];  // d/du
  const double tail = k[8] * u * u + k[9];
  const double inverseDenominator = 1.0 / (denominator * theta);  // 1 / (D theta)
  const double inverseTail = 1.0 / tail;
  LogSaturationPressure result;
  result.value = numerator * inverseDenominator - u * inverseTail;
  // d/dtheta [N / (D theta)] = -(N' D - N D') / (D^2 theta) - N / (D theta^2), with N', D' by u
  result.slope = -inverseDenominator * inverseDenominator *
                     (theta * (numeratorSlope * denominator - numerator * denominatorSlope) + numerator * denominator) +
                 (k[9] - k[8] * u * u) * inverseTail * inverseTail;
  return result;
}

constexpr double kThetaTriple = kMinTemperature / kCriticalTemperature;  // the triple point

}  // namespace

double reducedSaturationPressure(double theta) { return std::exp(logSaturationPressure(theta)); }

double lowestReducedSaturationPressure() {
  static const double lowest = reducedSaturationPressure(kThetaTriple);
  return lowest;
}

double reducedSaturationTemperature(double beta) {
  if (!(beta >= lowestReducedSaturationPressure() && beta <= 1.0)) return std::numeric_limits<double>::quiet_NaN();
  if (beta == 1.0) return 1.0;
  const double target = std::log(beta);
  // ln betaK rises monotonically; keep a bracket and take Newton steps inside
  // it, starting from the Clausius-Clapeyron shape ln beta ~ 7.67 (1 - 1/theta).
  double low = kThetaTriple;
  double high = 1.0;
  double theta = 1.0 / (1.0 - target / 7.67);
  if (!(theta > low && theta < high)) theta = 0.5 * (low + high);
  // Newton converges quadratically here: after a step below 1e-7 the
  // remaining error is of order 1e-14, under the 1e-13 asked of theta.
  for (int iteration = 0; iteration < 100; ++iteration) {
    const LogSaturationPressure f = logSaturationPressureAndSlope(theta);
    const double residual = f.value - target;
    if (residual > 0) high = theta; else low = theta;
    double next = theta - residual / f.slope;
    const bool newton = next > low && next < high;
    if (!newton) next = 0.5 * (low + high);
    const double step = next - theta;
    theta = next;
    if ((newton && std::fabs(step) < 1e-7) || high - low < 1e-15) break;
  }
  return theta;
}

double reducedBoundaryPressure(double theta) {
  return kBoundaryL[0] + theta * (kBoundaryL[1] + theta * kBoundaryL[2]);
}

double reducedBoundaryPressureSlope(double theta) { return kBoundaryL[1] + 2.0 * kBoundaryL[2] * theta; }

double reducedBoundaryTemperature(double beta) {
  // The larger root of L2 theta^2 + L1 theta + (L0 - beta) = 0.
  const double discriminant = kBoundaryL[1] * kBoundaryL[1] - 4.0 * kBoundaryL[2] * (kBoundaryL[0] - beta);
  if (!(discriminant >= 0.0)) return std::numeric_limits<double>::quiet_NaN();
  return (std::sqrt(discriminant) - kBoundaryL[1]) / (2.0 * kBoundaryL[2]);
}

}  // namespace ifc67
