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

// One term n * X^J of a one-argument sum (an ideal-gas part in tau, a
// boundary line in p or ln p).
struct IdealTerm {
  int J;
  double n;
};

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

}  // namespace if97

#endif
