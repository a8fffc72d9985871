// Sums over the coefficient tables: each term's coefficient folded with the
// factor a derivative brings down (n*J for d/dtau, ...) at compile time, then
// summed over shared power tables.
#ifndef HYDRELIX_IF97_TERM_SUMS_H
#define HYDRELIX_IF97_TERM_SUMS_H

#include <array>
#include <cstddef>

#include "coefficient_terms.h"

namespace if97 {

// Which factor the derivative brings down in front of n.
enum class Derivative { none, x, xx, y, yy, xy };

template <std::size_t N>
constexpr std::array<Term, N> foldDerivative(const Term (&table)[N], Derivative d) {
  std::array<Term, N> folded{};
  for (std::size_t k = 0; k < N; ++k) {
    const double I = table[k].I;
    const double J = table[k].J;
    double factor = 1.0;
    switch (d) {
      case Derivative::none: factor = 1.0; break;
      case Derivative::x: factor = I; break;
      case Derivative::xx: factor = I * (I - 1.0); break;
      case Derivative::y: factor = J; break;
      case Derivative::yy: factor = J * (J - 1.0); break;
      case Derivative::xy: factor = I * J; break;
    }
    folded[k] = Term{table[k].I, table[k].J, table[k].n * factor};
  }
  return folded;
}

// SUM n * X^I * Y^J. Four running sums keep the additions from waiting on
// each other (the compiler may not reorder them itself).
template <std::size_t N, class XPowers, class YPowers>
inline double sumTerms(const std::array<Term, N>& terms, const XPowers& x, const YPowers& y) {
  double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
  std::size_t k = 0;
  for (; k + 4 <= N; k += 4) {
    s0 += terms[k].n * x[terms[k].I] * y[terms[k].J];
    s1 += terms[k + 1].n * x[terms[k + 1].I] * y[terms[k + 1].J];
    s2 += terms[k + 2].n * x[terms[k + 2].I] * y[terms[k + 2].J];
    s3 += terms[k + 3].n * x[terms[k + 3].I] * y[terms[k + 3].J];
  }
  for (; k < N; ++k) s0 += terms[k].n * x[terms[k].I] * y[terms[k].J];
  return (s0 + s1) + (s2 + s3);
}

template <std::size_t N, class XPowers, class YPowers>
inline double sumTerms(const Term (&table)[N], const XPowers& x, const YPowers& y) {
  double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
  std::size_t k = 0;
  for (; k + 4 <= N; k += 4) {
    s0 += table[k].n * x[table[k].I] * y[table[k].J];
    s1 += table[k + 1].n * x[table[k + 1].I] * y[table[k + 1].J];
    s2 += table[k + 2].n * x[table[k + 2].I] * y[table[k + 2].J];
    s3 += table[k + 3].n * x[table[k + 3].I] * y[table[k + 3].J];
  }
  for (; k < N; ++k) s0 += table[k].n * x[table[k].I] * y[table[k].J];
  return (s0 + s1) + (s2 + s3);
}

// SUM n * X^I * Y^J over a table, with power tables sized to its exponents.
template <const auto& table>
inline double sumOverTable(double x, double y) {
  constexpr int iLo = smallestI(table) < 0 ? smallestI(table) : 0;
  constexpr int iHi = largestI(table) > 0 ? largestI(table) : 0;
  constexpr int jLo = smallestJ(table) < 0 ? smallestJ(table) : 0;
  constexpr int jHi = largestJ(table) > 0 ? largestJ(table) : 0;
  return sumTerms(table, PowerTable<iLo, iHi>(x), PowerTable<jLo, jHi>(y));
}

// Every derivative of a Gibbs-type double sum up to the second order, with
// X and Y the table's two arguments. The d/dX and d/dY factors are left to
// the caller (X^(I-1) = X^I / X).
struct SumDerivatives {
  double value, x, xx, y, yy, xy;
};

template <std::size_t N, class XPowers, class YPowers>
inline SumDerivatives sumAllDerivatives(const Term (&table)[N], const XPowers& x,
                                        const YPowers& y) {
  SumDerivatives s{0, 0, 0, 0, 0, 0};
  for (std::size_t k = 0; k < N; ++k) {
    const double I = table[k].I;
    const double J = table[k].J;
    const double term = table[k].n * x[table[k].I] * y[table[k].J];
    s.value += term;
    s.x += I * term;
    s.xx += I * (I - 1.0) * term;
    s.y += J * term;
    s.yy += J * (J - 1.0) * term;
    s.xy += I * J * term;
  }
  return s;
}

}  // namespace if97

#endif
