// SPDX-License-Identifier: GPL-3.0-or-later
// Region 1 h(T, p) written only for speed, as a yardstick for the library:
// just the dgamma/dtau sum, n*J folded into one constant, the J = 0 terms
// dropped, every power built by a short chain of multiplications, no checks.
#ifndef HYDRELIX_BENCH_IF97_REGION1_ENTHALPY_FLOOR_H
#define HYDRELIX_BENCH_IF97_REGION1_ENTHALPY_FLOOR_H

namespace if97_bench {

double region1EnthalpyFloor(double T, double p);  // K, MPa -> kJ/kg

}  // namespace if97_bench

#endif
