// SPDX-License-Identifier: MIT
#include "subregion1.h"

#include <cmath>

#include "coefficients.h"

namespace ifc67 {
namespace subregion1 {
namespace {

const double* const A = kSubregion1A;  // A[0]..A[22]
const double* const a = kSubregion1a;  // a[1]..a[12]

// The parts of zeta1 that its derivatives share. Y, Y' and Z carry the
// near-critical curvature of the liquid; the rest are the polynomial and
// rational terms in theta that multiply powers of beta.
struct Terms {
  double theta2;        // theta^2
  double theta10;       // theta^10
  double theta11Sum;    // a8 + theta^11
  double theta17;       // theta^17
  double theta19Sum;    // a7 + theta^19
  double thetaMinus20;  // theta^-20
  double Y, Yslope, Z;
  double Z12;           // Z^(12/17)
  double ZMinus5;       // Z^(-5/17)
  double a6Diff9;       // (a6 - theta)^9
  double a10SumMinus3;  // (a10 + beta)^-3
};

Terms terms(double beta, double theta) {
  Terms t;
  t.theta2 = theta * theta;
  const double theta4 = t.theta2 * t.theta2;
  const double theta6 = theta4 * t.theta2;
  const double theta8 = theta4 * theta4;
  t.theta10 = theta8 * t.theta2;
  t.theta11Sum = a[8] + t.theta10 * theta;
  t.theta17 = t.theta10 * theta6 * theta;
  t.theta19Sum = a[7] + t.theta17 * t.theta2;
  const double thetaMinus6 = 1.0 / theta6;
  t.thetaMinus20 = 1.0 / (t.theta10 * t.theta10);
  t.Y = 1.0 - a[1] * t.theta2 - a[2] * thetaMinus6;
  t.Yslope = -2.0 * a[1] * theta + 6.0 * a[2] * thetaMinus6 / theta;
  const double W = a[3] * t.Y * t.Y - 2.0 * a[4] * theta + 2.0 * a[5] * beta;
  t.Z = t.Y + std::sqrt(W);
  t.Z12 = std::pow(t.Z, 12.0 / 17.0);
  t.ZMinus5 = t.Z12 / t.Z;
  const double d = a[6] - theta;
  const double d3 = d * d * d;
  t.a6Diff9 = d3 * d3 * d3;
  const double sum10 = a[10] + beta;
  t.a10SumMinus3 = 1.0 / (sum10 * sum10 * sum10);
  return t;
}

// sum_{nu=0..10} of the first terms of sigma: A0 ln theta - sum (nu-1) A_nu theta^(nu-2)
double polynomialEntropy(double theta) {
  double sum = 0.0;
  for (int nu = 10; nu >= 2; --nu) sum = sum * theta + (nu - 1) * A[nu];
  return A[0] * std::log(theta) - sum;
}

double entropy(const Terms& t, double beta, double theta) {
  const double beta2 = beta * beta;
  const double beta3 = beta2 * beta;
  return polynomialEntropy(theta) +
         A[11] * t.ZMinus5 * (((5.0 / 12.0) * t.Z - (a[3] - 1.0) * t.Y) * t.Yslope + a[4]) -
         beta * (A[13] + 2.0 * A[14] * theta - 10.0 * A[15] * t.a6Diff9 -
                 19.0 * A[16] * t.theta17 * theta / (t.theta19Sum * t.theta19Sum)) -
         11.0 * t.theta10 * (A[17] * beta + A[18] * beta2 + A[19] * beta3) / (t.theta11Sum * t.theta11Sum) +
         A[20] * t.theta17 * (18.0 * a[9] + 20.0 * t.theta2) * (t.a10SumMinus3 + a[11] * beta) +
         A[21] * beta3 + 20.0 * A[22] * beta3 * beta * t.thetaMinus20 / theta;
}

}  // namespace

double reducedVolume(double beta, double theta) {
  const Terms t = terms(beta, theta);
  const double a6Diff10 = t.a6Diff9 * (a[6] - theta);
  const double a10SumMinus4 = t.a10SumMinus3 / (a[10] + beta);
  return A[11] * a[5] * t.ZMinus5 + A[12] + A[13] * theta + A[14] * t.theta2 + A[15] * a6Diff10 +
         A[16] / t.theta19Sum - (A[17] + 2.0 * A[18] * beta + 3.0 * A[19] * beta * beta) / t.theta11Sum -
         A[20] * t.theta17 * theta * (a[9] + t.theta2) * (a[11] - 3.0 * a10SumMinus4) +
         3.0 * A[21] * (a[12] - theta) * beta * beta + 4.0 * A[22] * beta * beta * beta * t.thetaMinus20;
}

double reducedEntropy(double beta, double theta) { return entropy(terms(beta, theta), beta, theta); }

double reducedEnthalpy(double beta, double theta) {
  const Terms t = terms(beta, theta);
  double polynomial = 0.0;  // sum_{nu=1..10} A_nu theta^(nu-1)
  for (int nu = 10; nu >= 1; --nu) polynomial = polynomial * theta + A[nu];
  const double beta2 = beta * beta;
  const double beta3 = beta2 * beta;
  const double a6Diff10 = t.a6Diff9 * (a[6] - theta);
  const double zeta =
      A[0] * theta * (1.0 - std::log(theta)) + polynomial +
      A[11] * t.Z12 * ((17.0 / 29.0) * t.Z - (17.0 / 12.0) * t.Y) +
      beta * (A[12] + A[13] * theta + A[14] * t.theta2 + A[15] * a6Diff10 + A[16] / t.theta19Sum) -
      (A[17] * beta + A[18] * beta2 + A[19] * beta3) / t.theta11Sum -
      A[20] * t.theta17 * theta * (a[9] + t.theta2) * (t.a10SumMinus3 + a[11] * beta) +
      A[21] * (a[12] - theta) * beta3 + A[22] * beta3 * beta * t.thetaMinus20;
  return zeta + theta * entropy(t, beta, theta);
}

// The entropy sums terms of order 1e5 that cancel to order 1, so its rounding
// noise swamps a narrow difference: a wide four-point difference (error of
// order step^4) keeps cp within about 1e-9.
double reducedHeatCapacity(double beta, double theta) {
  const double step = 1e-3 * theta;
  const auto sigma = [beta](double t) { return reducedEntropy(beta, t); };
  return theta *
         (8.0 * (sigma(theta + step) - sigma(theta - step)) - (sigma(theta + 2 * step) - sigma(theta - 2 * step))) /
         (12.0 * step);
}

}  // namespace subregion1
}  // namespace ifc67
