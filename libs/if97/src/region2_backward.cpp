#include "region2_backward.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "region2_coefficients.h"
#include "term_sums.h"

namespace if97::region2::backward {
namespace {

constexpr double k2aUpperPressure = 4.0;     // MPa
constexpr double k2bcEntropy = 5.85;         // kJ/(kg K)

// The T2a(p, s) table with I in quarters (each I is a whole number of them).
template <std::size_t N>
constexpr std::array<Term, N> inQuarters(const FractionalTerm (&table)[N]) {
  std::array<Term, N> out{};
  for (std::size_t k = 0; k < N; ++k) out[k] = Term{static_cast<int>(table[k].I * 4.0), table[k].J, table[k].n};
  return out;
}
constexpr auto kRegion2aBackwardTpsInQuarters = inQuarters(kRegion2aBackwardTps);

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
// 1.5 in quarters, so the sum is one in the powers of pi^(1/4), with I counted
// in quarters.
double temperature2aPs(double p, double s) {
  return sumOverTable<kRegion2aBackwardTpsInQuarters>(std::sqrt(std::sqrt(p)), s / 2.0 - 2.0);
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
