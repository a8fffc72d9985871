// The shapes of the coefficient tables, and the power tables their sums share.
#ifndef HYDRELIX_IF97_COEFFICIENT_TERMS_H
#define HYDRELIX_IF97_COEFFICIENT_TERMS_H

#include <cstddef>

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
// chain of dependent multiplications stays short (about log2 of the exponent)
// and the processor can work on several at once. Negative powers start from
// one division.
template <int Lo, int Hi>
class PowerTable {
  static_assert(Lo <= 0 && Hi >= 0, "the table always holds x^0");

 public:
  explicit PowerTable(double x) {
    double* at = values_ - Lo;  // at[e] == x^e
    at[0] = 1.0;
    if constexpr (Hi >= 1) {
      at[1] = x;
      for (int e = 2; e <= Hi; ++e) at[e] = at[e / 2] * at[e - e / 2];
    }
    if constexpr (Lo <= -1) {
      at[-1] = 1.0 / x;
      for (int e = 2; e <= -Lo; ++e) at[-e] = at[-(e / 2)] * at[-(e - e / 2)];
    }
  }
  double operator[](int e) const { return values_[e - Lo]; }

 private:
  double values_[Hi - Lo + 1];
};

}  // namespace if97

#endif
