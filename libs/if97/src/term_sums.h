// Sums SUM n X^I Y^J over the coefficient tables, every region's alike.
//
// A derivative's factor (n I for d/dX, n J (J - 1) for d2/dY2, ...) is folded
// into n at compile time, and, where asked, its lowering of the exponent
// into I or J, so no division is left for the caller. Terms whose folded n
// is 0 (the J = 0 terms of a tau-derivative) are dropped. The terms are then
// taken grouped by I and, within a group, by J: each group is a polynomial
// in Y evaluated by nested multiplication, and the groups one in X,
//   Y^J1 (n1 + Y^(J2-J1) (n2 + ...)) + X^(I2-I1) (...),
// two operations a term instead of three products and a load; the groups
// form two such chains, the lower and the upper half, which run side by
// side. The powers come from power tables a state builds once and shares
// between all the sums of its properties; only the powers some sum reads
// are ever computed.
#ifndef HYDRELIX_IF97_TERM_SUMS_H
#define HYDRELIX_IF97_TERM_SUMS_H

#include <array>
#include <cstddef>
#include <utility>

#include "coefficient_terms.h"

namespace if97 {

// Which factor the derivative brings down in front of n.
enum class Derivative { none, x, xx, y, yy, xy };

// Whether a derivative's lowering of the exponents goes into the table (the
// sum is then the derivative itself) or stays with the caller (the sum is
// the derivative times X (X^2, Y, ...)); the gas equations keep the powers
// of pi and lower those of tau.
enum class Exponents { kept, lowered, loweredInY };

namespace term_sums {

constexpr int termI(const Term& t) { return t.I; }
constexpr int termI(const IdealTerm&) { return 0; }

constexpr double factor(int I, int J, Derivative d) {
  switch (d) {
    case Derivative::none: return 1.0;
    case Derivative::x: return I;
    case Derivative::xx: return double(I) * (I - 1);
    case Derivative::y: return J;
    case Derivative::yy: return double(J) * (J - 1);
    case Derivative::xy: return double(I) * J;
  }
  return 1.0;
}
constexpr int loweringOfI(Derivative d) {
  return d == Derivative::x || d == Derivative::xy ? 1 : (d == Derivative::xx ? 2 : 0);
}
constexpr int loweringOfJ(Derivative d) {
  return d == Derivative::y || d == Derivative::xy ? 1 : (d == Derivative::yy ? 2 : 0);
}

template <class Table>
constexpr std::size_t foldedCount(const Table& table, Derivative d) {
  std::size_t count = 0;
  for (const auto& t : table) count += t.n * factor(termI(t), t.J, d) != 0.0 ? 1 : 0;
  return count;
}

template <std::size_t M, class Table>
constexpr std::array<Term, M> folded(const Table& table, Derivative d, Exponents e) {
  std::array<Term, M> out{};
  std::size_t k = 0;
  for (const auto& t : table) {
    const double n = t.n * factor(termI(t), t.J, d);
    if (n == 0.0) continue;
    const bool lowerI = e == Exponents::lowered;
    const bool lowerJ = e != Exponents::kept;
    out[k++] = Term{termI(t) - (lowerI ? loweringOfI(d) : 0), t.J - (lowerJ ? loweringOfJ(d) : 0), n};
  }
  // By I, then J (insertion sort: the tables are short, and stable).
  for (std::size_t i = 1; i < M; ++i) {
    const Term t = out[i];
    std::size_t j = i;
    for (; j > 0 && (out[j - 1].I > t.I || (out[j - 1].I == t.I && out[j - 1].J > t.J)); --j) out[j] = out[j - 1];
    out[j] = t;
  }
  return out;
}

template <class Table>
constexpr int extremeI(const Table& table, bool largest) {
  int e = 0;
  for (const auto& t : table) e = largest ? (termI(t) > e ? termI(t) : e) : (termI(t) < e ? termI(t) : e);
  return e;
}
template <class Table>
constexpr int extremeJ(const Table& table, bool largest) {
  int e = 0;
  for (const auto& t : table) e = largest ? (t.J > e ? t.J : e) : (t.J < e ? t.J : e);
  return e;
}

// Where term k stands in its group of equal I (terms by I, then J).
template <const auto& terms, std::size_t k>
struct Place {
  static constexpr std::size_t N = terms.size();
  static constexpr Term t = terms[k];
  static constexpr bool lastOfGroup = k + 1 == N || terms[k + 1 < N ? k + 1 : k].I != t.I;
  static constexpr bool firstOfGroup = k == 0 || terms[k == 0 ? 0 : k - 1].I != t.I;
};

// One step of the nested multiplication in Y, terms taken from the last to
// the first: `inner` is the group's polynomial so far. At the group's first
// term it returns the whole group, times Y to that term's J.
template <const auto& terms, std::size_t k, class YPowers>
inline double groupStep(const YPowers& y, double& inner) {
  using P = Place<terms, k>;
  if constexpr (P::lastOfGroup) {
    inner = P::t.n;
  } else {
    inner = inner * y[terms[k + 1].J - P::t.J] + P::t.n;
  }
  if constexpr (P::firstOfGroup && P::t.J != 0) return inner * y[P::t.J];
  return inner;
}

// How many groups of equal I come before term k.
template <const auto& terms, std::size_t k>
constexpr std::size_t groupIndex() {
  std::size_t groups = 0;
  for (std::size_t j = 1; j <= k; ++j) groups += terms[j].I != terms[j - 1].I ? 1 : 0;
  return groups;
}

// The groups combined by nested multiplication in X, from the highest I
// down, in two halves that run side by side (so the additions of one need
// not wait for the other's): `outer[h]` is the sum of the groups above this
// one in its half.
template <const auto& terms, std::size_t k, class XPowers, class YPowers>
inline void nestedStep(const XPowers& x, const YPowers& y, double& inner, double (&outer)[2]) {
  using P = Place<terms, k>;
  const double group = groupStep<terms, k>(y, inner);
  if constexpr (P::firstOfGroup) {
    constexpr std::size_t kGroups = groupIndex<terms, P::N - 1>() + 1;
    constexpr std::size_t index = groupIndex<terms, k>();
    constexpr std::size_t half = index < kGroups / 2 ? 0 : 1;
    // Is this the group with the highest I of its half? Then nothing lies above it.
    if constexpr (index + 1 == kGroups || index + 1 == kGroups / 2) {
      outer[half] = group;
    } else {
      // The next group up starts at the first term with a higher I.
      constexpr int nextI = [] {
        std::size_t j = k;
        while (terms[j].I == terms[k].I) ++j;
        return terms[j].I;
      }();
      outer[half] = outer[half] * x[nextI - P::t.I] + group;
    }
  }
}

// The first term of the upper half of the groups.
template <const auto& terms>
constexpr std::size_t upperHalfStart() {
  constexpr std::size_t kGroups = groupIndex<terms, terms.size() - 1>() + 1;
  std::size_t k = 0;
  std::size_t groups = 0;
  for (; k + 1 < terms.size() && groups < kGroups / 2; ++k) groups += terms[k + 1].I != terms[k].I ? 1 : 0;
  return k;
}

// The same walk, each group kept apart: out[I - smallest I].
template <const auto& terms, std::size_t k, std::size_t M, class YPowers>
inline void keptGroupStep(const YPowers& y, double& inner, std::array<double, M>& out) {
  using P = Place<terms, k>;
  const double group = groupStep<terms, k>(y, inner);
  if constexpr (P::firstOfGroup) std::get<P::t.I - terms[0].I>(out) = group;
}

template <const auto& terms, class YPowers, std::size_t... K>
inline auto groupSums(const YPowers& y, std::index_sequence<K...>) {
  constexpr std::size_t N = sizeof...(K);
  constexpr std::size_t M = terms[N - 1].I - terms[0].I + 1;
  std::array<double, M> out{};
  double inner = 0.0;
  (keptGroupStep<terms, N - 1 - K, M>(y, inner, out), ...);
  return out;
}

template <const auto& terms, class XPowers, class YPowers, std::size_t... K>
inline double nestedSum(const XPowers& x, const YPowers& y, std::index_sequence<K...>) {
  constexpr std::size_t N = sizeof...(K);
  constexpr std::size_t kGroups = groupIndex<terms, N - 1>() + 1;
  double inner = 0.0;
  double outer[2] = {0.0, 0.0};
  (nestedStep<terms, N - 1 - K>(x, y, inner, outer), ...);
  // With one group, it is the upper half.
  constexpr int upperI = terms[kGroups < 2 ? 0 : upperHalfStart<terms>()].I;
  double upper = outer[1];
  if constexpr (upperI != 0) upper *= x[upperI];
  if constexpr (kGroups < 2) {
    return upper;
  } else {
    double lower = outer[0];
    if constexpr (terms[0].I != 0) lower *= x[terms[0].I];
    return lower + upper;
  }
}

}  // namespace term_sums

// The terms of `table` with derivative d folded in, grouped for the nested sum.
template <const auto& table, Derivative d = Derivative::none, Exponents e = Exponents::kept>
struct FoldedTerms {
  static constexpr std::size_t kCount = term_sums::foldedCount(table, d);
  static constexpr std::array<Term, kCount> terms = term_sums::folded<kCount>(table, d, e);
};

// SUM n' X^I' Y^J' over a table with derivative d folded in, from the shared
// power tables x and y.
template <const auto& table, Derivative d = Derivative::none, Exponents e = Exponents::kept,
          class XPowers, class YPowers>
inline double sumTerms(const XPowers& x, const YPowers& y) {
  constexpr auto& terms = FoldedTerms<table, d, e>::terms;
  static_assert(terms.size() > 0, "a sum of no terms");
  return term_sums::nestedSum<terms>(x, y, std::make_index_sequence<terms.size()>{});
}

// SUM n' Y^J' over a one-argument table (an ideal-gas part).
template <const auto& table, Derivative d = Derivative::none, Exponents e = Exponents::kept, class YPowers>
inline double sumIdeal(const YPowers& y) {
  return sumTerms<table, d, e>(y, y);  // every I is 0: no power of X is read
}

// SUM over J of n Y^J for each I of a table, as an array from the smallest I
// to the largest (0 for an I without terms): the coefficients of the table
// as a polynomial in X at one Y.
template <const auto& table, class YPowers>
inline auto sumsByI(const YPowers& y) {
  constexpr auto& terms = FoldedTerms<table>::terms;
  return term_sums::groupSums<terms>(y, std::make_index_sequence<terms.size()>{});
}

// The power tables every sum over `table` with any derivative may read: the
// exponents themselves (lowered by up to 2) and the steps between them.
template <const auto& table>
using XPowersOf = PowerTable<term_sums::extremeI(table, false) - 2,
                             term_sums::extremeI(table, true) - term_sums::extremeI(table, false)>;
template <const auto& table>
using YPowersOf = PowerTable<term_sums::extremeJ(table, false) - 2,
                             term_sums::extremeJ(table, true) - term_sums::extremeJ(table, false)>;

// SUM n X^I Y^J over a table, with power tables of its own.
template <const auto& table>
inline double sumOverTable(double x, double y) {
  return sumTerms<table>(XPowersOf<table>(x), YPowersOf<table>(y));
}

// SUM n X^J over a one-argument table (a boundary line), likewise.
template <const auto& table>
inline double sumOverPowers(double x) {
  return sumIdeal<table>(YPowersOf<table>(x));
}

}  // namespace if97

#endif
