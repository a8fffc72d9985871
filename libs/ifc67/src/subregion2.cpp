// SPDX-License-Identifier: MIT
#include "subregion2.h"

#include <cmath>

#include "coefficients.h"
#include "saturation_line.h"

namespace ifc67 {
namespace subregion2 {
namespace {

constexpr double b = kSubregion2b;

// X^n for 0 <= n < 64 from X, X^2, X^4, ..., X^32: at most six products, all
// independent of each other.
struct PowersOfX {
  double squares[6];
  explicit PowersOfX(double X) {
    squares[0] = X;
    for (int i = 1; i < 6; ++i) squares[i] = squares[i - 1] * squares[i - 1];
  }
  double operator()(int n) const {
    double result = 1.0;
    for (int bit = 0; bit < 6; ++bit)
      if (n & (1 << bit)) result *= squares[bit];
    return result;
  }
};

// The X-dependent sums of zeta2: S_mu (mu = 1..8), M_mu (mu = 6..8) and P, with
// their "primed" forms (each term times its power of X), which give the
// theta-derivatives through d(X^n)/d theta = -n b X^n.
struct Sums {
  double S[9], Sprime[9];
  double M[9], Mprime[9];
  double P, Pprime;
};

Sums sums(double theta) {
  const PowersOfX X(std::exp(b * (1.0 - theta)));
  const auto addTerms = [&X](const auto& terms, double& sum, double& primed) {
    for (const PowerTerm& term : terms) {
      if (term.coefficient == 0.0) continue;
      const double value = term.coefficient * X(term.exponent);
      sum += value;
      primed += term.exponent * value;
    }
  };
  Sums s{};
  for (int mu = 1; mu <= 8; ++mu) addTerms(kSubregion2B[mu - 1], s.S[mu], s.Sprime[mu]);
  for (int mu = 6; mu <= 8; ++mu) addTerms(kSubregion2Denominator[mu - 6], s.M[mu], s.Mprime[mu]);
  const double X1 = X.squares[0];
  double Xn = 1.0;
  for (int lambda = 0; lambda <= 6; ++lambda) {
    s.P += kSubregion2B9[lambda] * Xn;
    s.Pprime += lambda * kSubregion2B9[lambda] * Xn;
    Xn *= X1;
  }
  return s;
}

// The terms mu = 6..8 are S / (beta^(2-mu) + M). They are evaluated divided
// through by beta^(2-mu), as S q / (1 + M q) with q = beta^(mu-2), so that a
// very small pressure gives a small term instead of an overflow.
struct LowPressureFraction {
  double q;            // beta^(mu-2)
  double denominator;  // 1 + M q
};

LowPressureFraction fraction(const Sums& s, int mu, double beta) {
  double q = 1.0;
  for (int i = 0; i < mu - 2; ++i) q *= beta;
  return {q, 1.0 + s.M[mu] * q};
}

// (beta/betaL)^10
double boundaryFactor(double beta, double betaL) {
  const double ratio = beta / betaL;
  const double ratio2 = ratio * ratio;
  const double ratio4 = ratio2 * ratio2;
  return ratio4 * ratio4 * ratio2;
}

double entropy(const Sums& s, double beta, double theta) {
  double polynomial = 0.0;  // sum_{lambda=2..5} (lambda-1) B0lambda theta^(lambda-2)
  for (int lambda = 5; lambda >= 2; --lambda) polynomial = polynomial * theta + (lambda - 1) * kSubregion2B0Lambda[lambda];
  double sigma = -kI1 * std::log(beta) + kSubregion2B0 * std::log(theta) - polynomial;
  double betaMu = 1.0;
  for (int mu = 1; mu <= 5; ++mu) {
    betaMu *= beta;
    sigma -= b * betaMu * s.Sprime[mu];
  }
  // (S' D - S M') / D^2 with D = beta^(2-mu) + M, divided through by beta^(2-mu).
  for (int mu = 6; mu <= 8; ++mu) {
    const LowPressureFraction f = fraction(s, mu, beta);
    sigma -= b * (s.Sprime[mu] * f.q / f.denominator -
                  s.S[mu] * s.Mprime[mu] * f.q * f.q / (f.denominator * f.denominator));
  }
  const double betaL = reducedBoundaryPressure(theta);
  sigma += beta * boundaryFactor(beta, betaL) *
           (10.0 * reducedBoundaryPressureSlope(theta) / betaL * s.P + b * s.Pprime);
  return sigma;
}

}  // namespace

double reducedVolume(double beta, double theta) {
  const Sums s = sums(theta);
  double chi = kI1 * theta / beta;
  double betaPower = 1.0;  // beta^(mu-1)
  for (int mu = 1; mu <= 5; ++mu) {
    chi -= mu * betaPower * s.S[mu];
    betaPower *= beta;
  }
  // (mu-2) S beta^(1-mu) / D^2 = (mu-2) S beta^(mu-3) / (1 + M q)^2
  for (int mu = 6; mu <= 8; ++mu) {
    const LowPressureFraction f = fraction(s, mu, beta);
    chi -= (mu - 2) * s.S[mu] * (f.q / beta) / (f.denominator * f.denominator);
  }
  chi += 11.0 * boundaryFactor(beta, reducedBoundaryPressure(theta)) * s.P;
  return chi;
}

double reducedEntropy(double beta, double theta) { return entropy(sums(theta), beta, theta); }

double reducedEnthalpy(double beta, double theta) {
  const Sums s = sums(theta);
  double polynomial = 0.0;  // sum_{lambda=1..5} B0lambda theta^(lambda-1)
  for (int lambda = 5; lambda >= 1; --lambda) polynomial = polynomial * theta + kSubregion2B0Lambda[lambda];
  double zeta = kI1 * theta * std::log(beta) + kSubregion2B0 * theta * (1.0 - std::log(theta)) + polynomial;
  double betaMu = 1.0;
  for (int mu = 1; mu <= 5; ++mu) {
    betaMu *= beta;
    zeta -= betaMu * s.S[mu];
  }
  for (int mu = 6; mu <= 8; ++mu) {
    const LowPressureFraction f = fraction(s, mu, beta);
    zeta -= s.S[mu] * f.q / f.denominator;
  }
  zeta += beta * boundaryFactor(beta, reducedBoundaryPressure(theta)) * s.P;
  return zeta + theta * entropy(s, beta, theta);
}

// A central difference over theta (1 - d) .. theta (1 + d): divided by 2 d
// rather than 2 d theta, it is already theta d sigma / d theta.
double reducedHeatCapacity(double beta, double theta) {
  constexpr double d = 1e-6;
  return (reducedEntropy(beta, theta * (1.0 + d)) - reducedEntropy(beta, theta * (1.0 - d))) / (2.0 * d);
}

}  // namespace subregion2
}  // namespace ifc67
