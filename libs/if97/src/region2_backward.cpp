#include "region2_backward.h"

#include <cmath>

#include "region2_coefficients.h"
#include "term_sums.h"

namespace if97::region2::backward {
namespace {

constexpr double k2aUpperPressure = 4.0;     // MPa
constexpr double k2bcEntropy = 5.85;         // kJ/(kg K)

}  // namespace

double b2bcPressure(double h) { return kB2bc[0] + kB2bc[1] * h + kB2bc[2] * h * h; }

double b2bcEnthalpy(double p) { return kB2bc[3] + std::sqrt((p - kB2bc[4]) / kB2bc[2]); }

double h2abEnthalpy(double s) { return kH2ab[0] + s * (kH2ab[1] + s * (kH2ab[2] + s * kH2ab[3])); }

Subregion subregionPh(double p, double h) {
  if (p <= k2aUpperPressure) return Subregion::a;
  return h >= b2bcEnthalpy(p) ? Subregion::b : Subregion::c;
}

Subregion subregionPs(double p, double s) {
  if (p <= k2aUpperPressure) return Subregion::a;
  return s >= k2bcEntropy ? Subregion::b : Subregion::c;
}

// T = SUM n pi^I (eta - 2.1)^J, eta = h / 2000 kJ/kg.
double temperature2aPh(double p, double h) {
  return sumOverTable<kRegion2aBackwardTph>(p, h / 2000.0 - 2.1);
}

// T = SUM n (pi - 2)^I (eta - 2.6)^J.
double temperature2bPh(double p, double h) {
  return sumOverTable<kRegion2bBackwardTph>(p - 2.0, h / 2000.0 - 2.6);
}

// T = SUM n (pi + 25)^I (eta - 1.8)^J.
double temperature2cPh(double p, double h) {
  return sumOverTable<kRegion2cBackwardTph>(p + 25.0, h / 2000.0 - 1.8);
}

// T = SUM n pi^I (sigma - 2)^J, sigma = s / 2 kJ/(kg K). I runs from -1.5 to
// 1.5 in quarters, so the pi powers are powers of pi^(1/4).
double temperature2aPs(double p, double s) {
  const PowerTable<-6, 6> quarterPowers(std::sqrt(std::sqrt(p)));
  const JPowerTable<kRegion2aBackwardTps> sigmaPowers(s / 2.0 - 2.0);
  double sums[4] = {0.0, 0.0, 0.0, 0.0};
  int k = 0;
  for (const FractionalTerm& term : kRegion2aBackwardTps) {
    // I is a whole number of quarters between -1.5 and 1.5: the cast is exact.
    const int quarters = static_cast<int>(term.I * 4.0);
    sums[k++ & 3] += term.n * quarterPowers[quarters] * sigmaPowers[term.J];
  }
  return (sums[0] + sums[1]) + (sums[2] + sums[3]);
}

// T = SUM n pi^I (10 - sigma)^J, sigma = s / 0.7853 kJ/(kg K).
double temperature2bPs(double p, double s) {
  return sumOverTable<kRegion2bBackwardTps>(p, 10.0 - s / 0.7853);
}

// T = SUM n pi^I (2 - sigma)^J, sigma = s / 2.9251 kJ/(kg K).
double temperature2cPs(double p, double s) {
  return sumOverTable<kRegion2cBackwardTps>(p, 2.0 - s / 2.9251);
}

double temperaturePh(double p, double h) {
  switch (subregionPh(p, h)) {
    case Subregion::a: return temperature2aPh(p, h);
    case Subregion::b: return temperature2bPh(p, h);
    case Subregion::c: break;
  }
  return temperature2cPh(p, h);
}

double temperaturePs(double p, double s) {
  switch (subregionPs(p, s)) {
    case Subregion::a: return temperature2aPs(p, s);
    case Subregion::b: return temperature2bPs(p, s);
    case Subregion::c: break;
  }
  return temperature2cPs(p, s);
}

}  // namespace if97::region2::backward
