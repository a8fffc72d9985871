// SPDX-License-Identifier: MIT
#include "subregion2.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

#include "coefficients.h"
#include "saturation_line.h"

namespace ifc67 {
namespace subregion2 {
namespace {

constexpr double b = kSubregion2b;

// The X-dependent sums of zeta2: S_mu (mu = 1..8), M_mu (mu = 6..8) and P, with
// their "primed" forms (each term times its power of X), which give the
// theta-derivatives through d(X^n)/d theta = -n b X^n, and, for the heat
// capacity, the twice primed forms (each term times the square of its power).
struct Sums {
  double S[9], Sprime[9], Sprime2[9];
  double M[9], Mprime[9], Mprime2[9];
  double P, Pprime, Pprime2;
};

// Every term of S and M as one list, in the tables' order: its sum (S_mu at
// mu, M_mu at 8 + mu), coefficient and power of X.
struct Term {
  int sum;
  double coefficient;
  int exponent;
};
constexpr int kMaxExponent = 63;

constexpr int termCount() {
  int count = 0;
  for (const auto& row : kSubregion2B)
    for (const PowerTerm& term : row) count += term.coefficient != 0.0;
  for (const auto& row : kSubregion2Denominator)
    for (const PowerTerm& term : row) count += term.coefficient != 0.0;
  return count;
}

constexpr std::array<Term, termCount()> terms() {
  std::array<Term, termCount()> list{};
  int next = 0;
  for (int mu = 1; mu <= 8; ++mu)
    for (const PowerTerm& term : kSubregion2B[mu - 1])
      if (term.coefficient != 0.0) list[next++] = {mu, term.coefficient, term.exponent};
  for (int mu = 6; mu <= 8; ++mu)
    for (const PowerTerm& term : kSubregion2Denominator[mu - 6])
      if (term.coefficient != 0.0) list[next++] = {8 + mu, term.coefficient, term.exponent};
  return list;
}
constexpr std::array<Term, termCount()> kTerms = terms();

// A sum's first term sets it (see addTerm): every sum needs one.
constexpr bool everySumHasATerm() {
  for (int sum : {1, 2, 3, 4, 5, 6, 7, 8, 14, 15, 16}) {
    bool found = false;
    for (const Term& term : kTerms) found = found || term.sum == sum;
    if (!found) return false;
  }
  return true;
}
static_assert(everySumHasATerm(), "a sum of subregion 2 without terms would be left unset");

// X^n is the product of X, X^2, X^4, ..., X^32 over the bits of n, lowest
// first: X^n = X^(n - 2^k) X^(2^k) with 2^k the highest bit. The powers the
// terms need, and the lower powers they are built from, in rising order.
struct PowerStep {
  int exponent;
  int lower;   // n - 2^k, 0 when n is 2^k itself
  int square;  // k
};

constexpr int highestBit(int n) {
  int k = 0;
  while (n >> (k + 1)) ++k;
  return k;
}

constexpr std::array<bool, kMaxExponent + 1> neededPowers() {
  std::array<bool, kMaxExponent + 1> needed{};
  for (const Term& term : kTerms)
    for (int n = term.exponent; n > 0; n -= 1 << highestBit(n)) needed[n] = true;
  return needed;
}
constexpr std::array<bool, kMaxExponent + 1> kNeeded = neededPowers();

constexpr int stepCount() {
  int count = 0;
  for (bool needed : kNeeded) count += needed;
  return count;
}

constexpr std::array<PowerStep, stepCount()> powerSteps() {
  std::array<PowerStep, stepCount()> steps{};
  int next = 0;
  for (int n = 1; n <= kMaxExponent; ++n)
    if (kNeeded[n]) steps[next++] = {n, n - (1 << highestBit(n)), highestBit(n)};
  return steps;
}
constexpr std::array<PowerStep, stepCount()> kPowerSteps = powerSteps();

// The lists unrolled into straight-line code: every index is a constant.
template <std::size_t... I>
inline void fillPowers(double (&power)[kMaxExponent + 1], const double (&squares)[6], std::index_sequence<I...>) {
  ((power[kPowerSteps[I].exponent] = kPowerSteps[I].lower == 0
                                         ? squares[kPowerSteps[I].square]
                                         : power[kPowerSteps[I].lower] * squares[kPowerSteps[I].square]),
   ...);
}

// A sum's first term is assigned, the others added, in the tables' order.
template <bool twice, std::size_t I>
inline void addTerm(const double (&power)[kMaxExponent + 1], Sums& s) {
  constexpr Term term = kTerms[I];
  constexpr bool first = I == 0 || kTerms[I - 1].sum != term.sum;
  const double value = term.coefficient * power[term.exponent];
  double& sum = term.sum <= 8 ? s.S[term.sum] : s.M[term.sum - 8];
  double& primed = term.sum <= 8 ? s.Sprime[term.sum] : s.Mprime[term.sum - 8];
  double& primed2 = term.sum <= 8 ? s.Sprime2[term.sum] : s.Mprime2[term.sum - 8];
  sum = first ? value : sum + value;
  primed = first ? term.exponent * value : primed + term.exponent * value;
  if (twice) {
    const double squared = term.exponent * term.exponent * value;
    primed2 = first ? squared : primed2 + squared;
  }
}

template <bool twice, std::size_t... I>
inline void addTerms(const double (&power)[kMaxExponent + 1], Sums& s, std::index_sequence<I...>) {
  (addTerm<twice, I>(power, s), ...);
}

// twice: the twice primed sums too; without, they are left unset.
template <bool twice = false>
Sums sums(double theta) {
  double squares[6];
  squares[0] = std::exp(b * (1.0 - theta));
  for (int i = 1; i < 6; ++i) squares[i] = squares[i - 1] * squares[i - 1];
  double power[kMaxExponent + 1];
  fillPowers(power, squares, std::make_index_sequence<kPowerSteps.size()>());
  Sums s;
  addTerms<twice>(power, s, std::make_index_sequence<kTerms.size()>());
  s.P = s.Pprime = s.Pprime2 = 0.0;
  const double X1 = squares[0];
  double Xn = 1.0;
  for (int lambda = 0; lambda <= 6; ++lambda) {
    s.P += kSubregion2B9[lambda] * Xn;
    s.Pprime += lambda * kSubregion2B9[lambda] * Xn;
    if (twice) s.Pprime2 += lambda * lambda * kSubregion2B9[lambda] * Xn;
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

// sigma, given the logarithms of beta and theta, which enthalpy needs too.
double entropy(const Sums& s, double beta, double theta, double logBeta, double logTheta) {
  double polynomial = 0.0;  // sum_{lambda=2..5} (lambda-1) B0lambda theta^(lambda-2)
  for (int lambda = 5; lambda >= 2; --lambda) polynomial = polynomial * theta + (lambda - 1) * kSubregion2B0Lambda[lambda];
  double sigma = -kI1 * logBeta + kSubregion2B0 * logTheta - polynomial;
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

double enthalpy(const Sums& s, double beta, double theta) {
  double polynomial = 0.0;  // sum_{lambda=1..5} B0lambda theta^(lambda-1)
  for (int lambda = 5; lambda >= 1; --lambda) polynomial = polynomial * theta + kSubregion2B0Lambda[lambda];
  const double logBeta = std::log(beta);
  const double logTheta = std::log(theta);
  double zeta = kI1 * theta * logBeta + kSubregion2B0 * theta * (1.0 - logTheta) + polynomial;
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
  return zeta + theta * entropy(s, beta, theta, logBeta, logTheta);
}

// theta d sigma / d theta from the derivatives of the sums: dS/d theta =
// -b S', dS'/d theta = -b S'', and the same for M and P.
double heatCapacity(const Sums& s, double beta, double theta) {
  double polynomial = 0.0;  // d/d theta of entropy's polynomial
  for (int lambda = 5; lambda >= 3; --lambda)
    polynomial = polynomial * theta + (lambda - 1) * (lambda - 2) * kSubregion2B0Lambda[lambda];
  double slope = kSubregion2B0 / theta - polynomial;
  double betaMu = 1.0;
  for (int mu = 1; mu <= 5; ++mu) {
    betaMu *= beta;
    slope += b * b * betaMu * s.Sprime2[mu];
  }
  for (int mu = 6; mu <= 8; ++mu) {
    const LowPressureFraction f = fraction(s, mu, beta);
    const double qD = f.q / f.denominator;
    slope += b * b *
             (s.Sprime2[mu] * qD - qD * qD * (2.0 * s.Sprime[mu] * s.Mprime[mu] + s.S[mu] * s.Mprime2[mu]) +
              2.0 * qD * qD * qD * s.S[mu] * s.Mprime[mu] * s.Mprime[mu]);
  }
  // beta F R with F = (beta/betaL)^10 and R = 10 (betaL'/betaL) P + b P'
  const double betaL = reducedBoundaryPressure(theta);
  const double ratio = reducedBoundaryPressureSlope(theta) / betaL;
  const double ratioSlope = 2.0 * kBoundaryL[2] / betaL - ratio * ratio;
  const double F = boundaryFactor(beta, betaL);
  const double R = 10.0 * ratio * s.P + b * s.Pprime;
  const double RSlope = 10.0 * ratioSlope * s.P - 10.0 * ratio * b * s.Pprime - b * b * s.Pprime2;
  slope += beta * F * (-10.0 * ratio * R + RSlope);
  return theta * slope;
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

double reducedEntropy(double beta, double theta) {
  return entropy(sums(theta), beta, theta, std::log(beta), std::log(theta));
}

double reducedEnthalpy(double beta, double theta) { return enthalpy(sums(theta), beta, theta); }

WithHeatCapacity reducedEnthalpyWithHeatCapacity(double beta, double theta) {
  const Sums s = sums<true>(theta);
  return {enthalpy(s, beta, theta), heatCapacity(s, beta, theta)};
}

WithHeatCapacity reducedEntropyWithHeatCapacity(double beta, double theta) {
  const Sums s = sums<true>(theta);
  return {entropy(s, beta, theta, std::log(beta), std::log(theta)), heatCapacity(s, beta, theta)};
}

// A central difference over theta (1 - d) .. theta (1 + d): divided by 2 d
// rather than 2 d theta, it is already theta d sigma / d theta.
double reducedHeatCapacity(double beta, double theta) {
  constexpr double d = 1e-6;
  return (reducedEntropy(beta, theta * (1.0 + d)) - reducedEntropy(beta, theta * (1.0 - d))) / (2.0 * d);
}

}  // namespace subregion2
}  // namespace ifc67
