// Sums over the coefficient tables: each term's coefficient folded with the
// factor a derivative brings down (n*J for d/dtau, ...) at compile time, then
// summed over shared power tables.
#ifndef HYDRELIX_IF97_TERM_SUMS_H
#define HYDRELIX_IF97_TERM_SUMS_H

#include <array>
#include <cstddef>
#include <iterator>
#include <utility>

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

// SUM n * X^I * Y^J over a table known at compile time, unrolled so every
// power is read at a constant index. Four running sums keep the additions
// from waiting on each other (the compiler may not reorder them itself).
template <const auto& table, class XPowers, class YPowers, std::size_t... K>
inline double sumTermsUnrolled(const XPowers& x, const YPowers& y, std::index_sequence<K...>) {
  double sums[4] = {0.0, 0.0, 0.0, 0.0};
  ((sums[K % 4] += table[K].n * x[table[K].I] * y[table[K].J]), ...);
  return (sums[0] + sums[1]) + (sums[2] + sums[3]);
}

template <const auto& table, class XPowers, class YPowers>
inline double sumTerms(const XPowers& x, const YPowers& y) {
  return sumTermsUnrolled<table>(x, y, std::make_index_sequence<std::size(table)>{});
}

// SUM n * X^J over a one-argument table (an ideal-gas part).
template <const auto& table, class Powers, std::size_t... K>
inline double sumIdealUnrolled(const Powers& x, std::index_sequence<K...>) {
  double sums[2] = {0.0, 0.0};
  ((sums[K % 2] += table[K].n * x[table[K].J]), ...);
  return sums[0] + sums[1];
}

template <const auto& table, class Powers>
inline double sumIdeal(const Powers& x) {
  return sumIdealUnrolled<table>(x, std::make_index_sequence<std::size(table)>{});
}

template <std::size_t N>
constexpr std::array<IdealTerm, N> foldIdealDerivative(const IdealTerm (&table)[N], int order) {
  std::array<IdealTerm, N> folded{};
  for (std::size_t k = 0; k < N; ++k) {
    const double J = table[k].J;
    const double factor = order == 0 ? 1.0 : (order == 1 ? J : J * (J - 1.0));
    folded[k] = IdealTerm{table[k].J, table[k].n * factor};
  }
  return folded;
}

// SUM n * X^I * Y^J over a table, with power tables sized to its exponents.
template <const auto& table>
inline double sumOverTable(double x, double y) {
  return sumTerms<table>(IPowerTable<table>(x), JPowerTable<table>(y));
}

}  // namespace if97

#endif
