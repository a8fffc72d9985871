// The shapes of the coefficient tables, and the power tables their sums share.
#ifndef HYDRELIX_IF97_COEFFICIENT_TERMS_H
#define HYDRELIX_IF97_COEFFICIENT_TERMS_H

#include <cstddef>
#include <utility>

namespace if97 {

// One term n * X^I * Y^J of a double sum.
struct Term {
  int I;
  int J;
  double n;
};

// A term whose first exponent is not an integer (the T2a(p, s) table).
struct FractionalTerm {
  double I;
  int J;
  double n;
};

// One term n * tau^J of an ideal-gas part.
struct IdealTerm {
  int J;
  double n;
};

template <std::size_t N>
constexpr int smallestI(const Term (&table)[N]) {
  int e = table[0].I;
  for (const Term& t : table) e = t.I < e ? t.I : e;
  return e;
}
template <std::size_t N>
constexpr int largestI(const Term (&table)[N]) {
  int e = table[0].I;
  for (const Term& t : table) e = t.I > e ? t.I : e;
  return e;
}
// Works for every table shape: each has an integer J.
template <class TermType, std::size_t N>
constexpr int smallestJ(const TermType (&table)[N]) {
  int e = table[0].J;
  for (const TermType& t : table) e = t.J < e ? t.J : e;
  return e;
}
template <class TermType, std::size_t N>
constexpr int largestJ(const TermType (&table)[N]) {
  int e = table[0].J;
  for (const TermType& t : table) e = t.J > e ? t.J : e;
  return e;
}

// x^Lo .. x^Hi (Lo <= 0 <= Hi), each built from two earlier entries so the
// chain of dependent multiplications stays short (about log2 of the exponent).
// Negative powers start from one division. The table is filled and read with
// constant indices only, so once inlined the compiler keeps the entries in
// registers and drops every power that no term uses.
template <int Lo, int Hi>
class PowerTable {
  static_assert(Lo <= 0 && Hi >= 0, "the table always holds x^0");

 public:
  explicit PowerTable(double x) {
    values_[-Lo] = 1.0;
    fillPositive(x, std::make_integer_sequence<int, Hi + 1>{});
    fillNegative(x, std::make_integer_sequence<int, -Lo + 1>{});
  }
  double operator[](int e) const { return values_[e - Lo]; }

 private:
  template <int... E>
  void fillPositive(double x, std::integer_sequence<int, E...>) {
    ((values_[E - Lo] = E == 0 ? 1.0
                       : E == 1 ? x
                                : values_[E / 2 - Lo] * values_[E - E / 2 - Lo]),
     ...);
  }
  template <int... E>
  void fillNegative(double x, std::integer_sequence<int, E...>) {
    if constexpr (Lo < 0) {
      const double inverse = 1.0 / x;
      ((values_[-E - Lo] = E == 0 ? 1.0
                           : E == 1 ? inverse
                                    : values_[-(E / 2) - Lo] * values_[-(E - E / 2) - Lo]),
       ...);
    }
  }

  double values_[Hi - Lo + 1];
};

// The power tables a coefficient table's sums need: every first (I) or second
// (J) exponent of its terms, and x^0 whatever they are.
template <const auto& table>
using IPowerTable = PowerTable<(smallestI(table) < 0 ? smallestI(table) : 0),
                               (largestI(table) > 0 ? largestI(table) : 0)>;
template <const auto& table>
using JPowerTable = PowerTable<(smallestJ(table) < 0 ? smallestJ(table) : 0),
                               (largestJ(table) > 0 ? largestJ(table) : 0)>;

}  // namespace if97

#endif
