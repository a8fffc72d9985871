// SPDX-License-Identifier: GPL-3.0-or-later
#include "region1_enthalpy_floor.h"

#include "region1_coefficients.h"

namespace if97_bench {
namespace {

// n * J of term k (1-based, as the table prints it).
constexpr double nJ(int k) {
  return if97::kRegion1Gibbs[k - 1].n * if97::kRegion1Gibbs[k - 1].J;
}

}  // namespace

double region1EnthalpyFloor(double T, double p) {
  const double a = 7.1 - p / 16.53;
  const double b = 1386.0 / T - 1.222;
  const double r = 1.0 / b;

  const double b2 = b * b, b3 = b2 * b, b4 = b2 * b2, b5 = b4 * b, b8 = b4 * b4, b9 = b8 * b;
  const double b16 = b8 * b8;
  const double r2 = r * r, r3 = r2 * r, r4 = r2 * r2, r5 = r4 * r, r6 = r3 * r3, r7 = r6 * r;
  const double r8 = r4 * r4, r9 = r8 * r, r10 = r5 * r5, r12 = r6 * r6, r20 = r10 * r10;
  const double r30 = r20 * r10, r32 = r30 * r2, r39 = r32 * r7, r40 = r20 * r20, r41 = r40 * r,
               r42 = r40 * r2;

  const double a2 = a * a, a3 = a2 * a, a4 = a2 * a2, a5 = a4 * a, a8 = a4 * a4, a16 = a8 * a8;
  const double a21 = a16 * a5, a23 = a21 * a2, a29 = a21 * a8, a30 = a29 * a, a31 = a30 * a,
               a32 = a16 * a16;

  // dgamma/dtau = SUM n J a^I b^(J-1), grouped by I.
  const double i0 = nJ(1) * r3 + nJ(2) * r2 + nJ(4) + nJ(5) * b + nJ(6) * b2 + nJ(7) * b3 +
                    nJ(8) * b4;
  const double i1 = nJ(9) * r10 + nJ(10) * r8 + nJ(11) * r2 + nJ(13) + nJ(14) * b2;
  const double i2 = nJ(15) * r4 + nJ(17) + nJ(18) * b2 + nJ(19) * b16;
  const double i3 = nJ(20) * r5 + nJ(22) * b5;
  const double i4 = nJ(23) * r6 + nJ(24) * r3 + nJ(25) * b9;
  const double i5 = nJ(26) * r9;
  const double i8 = nJ(27) * r12 + nJ(28) * r7;
  const double high = nJ(29) * a21 * r30 + nJ(30) * a23 * r32 + nJ(31) * a29 * r39 +
                      nJ(32) * a30 * r40 + nJ(33) * a31 * r41 + nJ(34) * a32 * r42;
  const double gammaTau =
      (i0 + a * i1) + (a2 * i2 + a3 * i3) + (a4 * i4 + a5 * i5) + (a8 * i8 + high);
  return 0.461526 * 1386.0 * gammaTau;
}

}  // namespace if97_bench
