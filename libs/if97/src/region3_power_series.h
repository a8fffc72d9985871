// Sums of the form sum n * x^I * y^J with integer exponents, as every region 3
// equation is written. The powers of x and y come from one table each, built
// by multiplication, so a sum costs one product per term and never calls pow.
// The loops over these short fixed tables are unrolled (#pragma GCC unroll,
// which clang honours too): every index then folds into a constant and a term
// costs one multiply-add, which halves the time of a region 3 state.
#ifndef HYDRELIX_IF97_REGION3_POWER_SERIES_H
#define HYDRELIX_IF97_REGION3_POWER_SERIES_H

#include <cstddef>

#include "coefficient_terms.h"

namespace if97::region3 {

// A term of a boundary equation T(p) = sum n * X^I.
struct BoundaryTerm {
  int I;
  double n;
};

struct ExponentRange {
  int minI, maxI, minJ, maxJ;
};

template <std::size_t N>
constexpr ExponentRange exponentRange(const Term (&terms)[N]) {
  ExponentRange r{0, 0, 0, 0};
  for (const Term& t : terms) {
    if (t.I < r.minI) r.minI = t.I;
    if (t.I > r.maxI) r.maxI = t.I;
    if (t.J < r.minJ) r.minJ = t.J;
    if (t.J > r.maxJ) r.maxJ = t.J;
  }
  return r;
}

// powers[k - minExponent] = x^k for minExponent <= k <= maxExponent (the
// range always contains 0). x^k is built as x^(k/2) * x^(k - k/2), so the
// rounding error grows with log k, not with k. The caller keeps x away from
// zero when minExponent < 0.
inline void fillPowers(double* powers, double x, int minExponent, int maxExponent) {
  double* unit = powers - minExponent;  // unit[k] = x^k
  unit[0] = 1.0;
  if (maxExponent >= 1) unit[1] = x;
#pragma GCC unroll 40
  for (int k = 2; k <= maxExponent; ++k) unit[k] = unit[k / 2] * unit[k - k / 2];
  if (minExponent <= -1) unit[-1] = 1.0 / x;
#pragma GCC unroll 40
  for (int k = 2; k <= -minExponent; ++k) unit[-k] = unit[-(k / 2)] * unit[-(k - k / 2)];
}

// sum n * x^I * y^J over a coefficient table known at compile time.
template <const auto& terms>
double powerSeries(double x, double y) {
  constexpr ExponentRange r = exponentRange(terms);
  double xPowers[r.maxI - r.minI + 1];
  double yPowers[r.maxJ - r.minJ + 1];
  fillPowers(xPowers, x, r.minI, r.maxI);
  fillPowers(yPowers, y, r.minJ, r.maxJ);
  double sum = 0.0;
#pragma GCC unroll 64
  for (const Term& t : terms) sum += t.n * xPowers[t.I - r.minI] * yPowers[t.J - r.minJ];
  return sum;
}

// sum n * x^I over a boundary table known at compile time (few terms, small
// exponents of both signs).
template <std::size_t N>
double boundarySeries(const BoundaryTerm (&terms)[N], double x) {
  double sum = 0.0;
  for (const BoundaryTerm& t : terms) {
    double power = 1.0;
    if (t.I >= 0) {
      for (int k = 0; k < t.I; ++k) power *= x;
    } else {
      for (int k = 0; k < -t.I; ++k) power /= x;
    }
    sum += t.n * power;
  }
  return sum;
}

}  // namespace if97::region3

#endif
