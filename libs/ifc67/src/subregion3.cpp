// SPDX-License-Identifier: MIT
#include "subregion3.h"

#include <cmath>
#include <limits>

#include "coefficients.h"

namespace ifc67 {
namespace subregion3 {
namespace {

// g(theta) of one term with its first and second theta-derivatives.
struct ThetaTerm {
  double value, slope, curvature;
};

// g = x^m with its derivatives by x times dx/dtheta, from x^m, x^(m-1), x^(m-2).
ThetaTerm powerTerm(int m, double xm, double xm1, double xm2, double dx) {
  return {xm, m * xm1 * dx, m * (m - 1) * xm2 * dx * dx};
}

class FactorBuilder {
 public:
  explicit FactorBuilder(TemperatureFactors& factors) : factors_(factors) {}
  void addPower(int k, double coefficient, const ThetaTerm& g) {
    const int i = k - kLowestPower;
    factors_.power[0][i] += coefficient * g.value;
    factors_.power[1][i] += coefficient * g.slope;
    factors_.power[2][i] += coefficient * g.curvature;
  }
  void addLogarithm(double coefficient, const ThetaTerm& g) {
    factors_.logarithm[0] += coefficient * g.value;
    factors_.logarithm[1] += coefficient * g.slope;
    factors_.logarithm[2] += coefficient * g.curvature;
  }

 private:
  TemperatureFactors& factors_;
};

}  // namespace

TemperatureFactors temperatureFactors(double theta, Function function) {
  TemperatureFactors factors{};
  factors.theta = theta;
  FactorBuilder add(factors);
  const ThetaTerm one{1.0, 0.0, 0.0};
  const double w = theta - 1.0;
  double wPower[10];  // w^k, k = 0..9
  wPower[0] = 1.0;
  for (int k = 1; k <= 9; ++k) wPower[k] = wPower[k - 1] * w;
  // w^m for m >= 1 (dw/dtheta = 1); w^(m-2) is only needed, and only exists, from m = 2
  const auto powerOfW = [&wPower](int m) {
    return powerTerm(m, wPower[m], wPower[m - 1], m >= 2 ? wPower[m - 2] : 0.0, 1.0);
  };

  // C00, C01, C0nu chi^(1-nu) (nu = 2..11), C012 ln chi
  add.addPower(0, kSubregion3C0[0], one);
  add.addPower(1, kSubregion3C0[1], one);
  for (int nu = 2; nu <= 11; ++nu) add.addPower(1 - nu, kSubregion3C0[nu], one);
  add.addLogarithm(kSubregion3C0[12], one);

  // Groups 1 to 3: w^m times [Cm1 chi + sum Cmnu chi^(1-nu) + Cm,last ln chi]
  const double* const groups[3] = {kSubregion3C1, kSubregion3C2, kSubregion3C3};
  const int lastIndex[3] = {7, 8, 10};
  for (int m = 1; m <= 3; ++m) {
    const ThetaTerm g = powerOfW(m);
    const double* C = groups[m - 1];
    add.addPower(1, C[1], g);
    for (int nu = 2; nu < lastIndex[m - 1]; ++nu) add.addPower(1 - nu, C[nu], g);
    add.addLogarithm(C[lastIndex[m - 1]], g);
  }

  // C40 and C41 chi^-5, both times w theta^-23
  const double thetaMinus1 = 1.0 / theta;
  const double thetaMinus2 = thetaMinus1 * thetaMinus1;
  const double thetaMinus4 = thetaMinus2 * thetaMinus2;
  const double thetaMinus16 = thetaMinus4 * thetaMinus4 * thetaMinus4 * thetaMinus4;
  const double thetaMinus23 = thetaMinus16 * thetaMinus4 * thetaMinus2 * thetaMinus1;
  const ThetaTerm wTheta23{w * thetaMinus23, thetaMinus23 * thetaMinus1 * (theta - 23.0 * w),
                           thetaMinus23 * thetaMinus1 * thetaMinus1 * (-46.0 * theta + 552.0 * w)};
  add.addPower(0, kSubregion3C4[0], wTheta23);
  add.addPower(-5, kSubregion3C4[1], wTheta23);

  // C50 theta ln theta
  const double logTheta = std::log(theta);
  add.addPower(0, kSubregion3C50, ThetaTerm{theta * logTheta, logTheta + 1.0, thetaMinus1});

  // C6nu chi^6 theta^-(nu+2)
  double thetaPower = thetaMinus1 * thetaMinus1;  // theta^-(nu+2)
  for (int nu = 0; nu <= 4; ++nu) {
    const double n = nu + 2;
    add.addPower(6, kSubregion3C6[nu],
                 ThetaTerm{thetaPower, -n * thetaPower * thetaMinus1, n * (n + 1) * thetaPower * thetaMinus1 * thetaMinus1});
    thetaPower *= thetaMinus1;
  }

  // C7nu w^(nu+1)
  for (int nu = 0; nu <= 8; ++nu) add.addPower(0, kSubregion3C7[nu], powerOfW(nu + 1));

  if (function == Function::Subregion4) {
    // y = (1 - theta)/(1 - theta1), dy/dtheta = -1/(1 - theta1)
    const double y = (1.0 - theta) / (1.0 - kTheta1);
    const double dy = -1.0 / (1.0 - kTheta1);
    const double y2 = y * y, y3 = y2 * y, y4 = y2 * y2, y8 = y4 * y4, y16 = y8 * y8;
    const double y30 = y16 * y8 * y4 * y2;
    const ThetaTerm y3Term = powerTerm(3, y3, y2, y, dy);
    const ThetaTerm y4Term = powerTerm(4, y4, y3, y2, dy);
    const ThetaTerm y32Term = powerTerm(32, y30 * y2, y30 * y, y30, dy);
    for (int nu = 0; nu <= 4; ++nu) {
      add.addPower(-nu, kSubregion4D3[nu], y3Term);
      add.addPower(-nu, kSubregion4D4[nu], y4Term);
    }
    for (int nu = 0; nu <= 2; ++nu) add.addPower(nu, kSubregion4D5[nu], y32Term);
  }
  return factors;
}

namespace {

// The derivatives of psi at one (chi, theta).
struct Derivatives {
  double psi;
  double chi;          // d psi / d chi
  double chiChi;       // d2 psi / d chi2
  double theta;        // d psi / d theta
  double thetaTheta;   // d2 psi / d theta2
  double chiTheta;     // d2 psi / d chi d theta
};

Derivatives derivatives(const TemperatureFactors& factors, double chi) {
  // chi^k for k = -12..6, so that chi^(k-1) and chi^(k-2) are at hand.
  double powers[kPowerCount + 2];
  constexpr int offset = 2 - kLowestPower;  // powers[k + offset] = chi^k
  powers[offset] = 1.0;
  const double inverse = 1.0 / chi;
  for (int k = 1; k <= kHighestPower; ++k) powers[offset + k] = powers[offset + k - 1] * chi;
  for (int k = -1; k >= kLowestPower - 2; --k) powers[offset + k] = powers[offset + k + 1] * inverse;

  const double logChi = std::log(chi);
  Derivatives d{};
  for (int k = kLowestPower; k <= kHighestPower; ++k) {
    const int i = k - kLowestPower;
    const double value = factors.power[0][i];
    const double slope = factors.power[1][i];
    d.psi += value * powers[offset + k];
    d.chi += k * value * powers[offset + k - 1];
    d.chiChi += k * (k - 1) * value * powers[offset + k - 2];
    d.theta += slope * powers[offset + k];
    d.thetaTheta += factors.power[2][i] * powers[offset + k];
    d.chiTheta += k * slope * powers[offset + k - 1];
  }
  d.psi += factors.logarithm[0] * logChi;
  d.chi += factors.logarithm[0] * inverse;
  d.chiChi -= factors.logarithm[0] * inverse * inverse;
  d.theta += factors.logarithm[1] * logChi;
  d.thetaTheta += factors.logarithm[2] * logChi;
  d.chiTheta += factors.logarithm[1] * inverse;
  return d;
}

}  // namespace

// The root search evaluates only these two, many times per state: Horner
// sums in 1/chi for the negative powers.
double reducedPressure(const TemperatureFactors& factors, double chi) {
  const double* V = factors.power[0] - kLowestPower;  // V[k]
  const double inverse = 1.0 / chi;
  double negative = 0.0;  // sum_{j=1..10} -j V_{-j} chi^(-j-1)
  for (int j = -kLowestPower; j >= 1; --j) negative = negative * inverse - j * V[-j];
  negative *= inverse * inverse;
  const double chi2 = chi * chi;
  const double positive = V[1] + 2.0 * V[2] * chi + 6.0 * V[6] * chi2 * chi2 * chi;
  return -(factors.logarithm[0] * inverse + negative + positive);
}

double reducedPressureSlope(const TemperatureFactors& factors, double chi) {
  const double* V = factors.power[0] - kLowestPower;
  const double inverse = 1.0 / chi;
  double negative = 0.0;  // sum_{j=1..10} j (j+1) V_{-j} chi^(-j-2)
  for (int j = -kLowestPower; j >= 1; --j) negative = negative * inverse + j * (j + 1) * V[-j];
  negative *= inverse * inverse * inverse;
  const double chi2 = chi * chi;
  const double positive = 2.0 * V[2] + 30.0 * V[6] * chi2 * chi2;
  return -(negative + positive - factors.logarithm[0] * inverse * inverse);
}

ReducedProperties reducedProperties(const TemperatureFactors& factors, double chi) {
  const Derivatives d = derivatives(factors, chi);
  const double theta = factors.theta;
  ReducedProperties p;
  p.beta = -d.chi;
  p.entropy = -d.theta;
  p.enthalpy = d.psi + theta * p.entropy + chi * p.beta;
  p.heatCapacity = -theta * d.thetaTheta + theta * d.chiTheta * d.chiTheta / d.chiChi;
  return p;
}

State stateAt(double beta, double theta, Root root, Wanted wanted) {
  const TemperatureFactors factors =
      temperatureFactors(theta, root == Root::Liquid ? Function::Subregion4 : Function::Subregion3);
  const double chi = reducedVolume(factors, beta, root);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  State state{chi, {nan, nan, nan, nan}};
  if (wanted == Wanted::Everything && std::isfinite(chi)) state.properties = reducedProperties(factors, chi);
  return state;
}

}  // namespace subregion3
}  // namespace ifc67
