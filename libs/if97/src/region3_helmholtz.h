// SPDX-License-Identifier: MIT
// The region 3 basic equation as the other region 3 files use it: reduced
// Helmholtz energy phi = f/(RT) of delta = rho/rhoc and tau = Tc/T with its
// derivatives, and the same equation along one isotherm. Not part of the
// library's interface.
#ifndef HYDRELIX_IF97_REGION3_HELMHOLTZ_H
#define HYDRELIX_IF97_REGION3_HELMHOLTZ_H

#include "constants.h"

namespace if97::region3 {

// phi and its derivatives, each multiplied by the powers of delta and tau of
// its order (delta * dphi/ddelta, ...): every property is a sum of these, so
// no division is left for the properties.
struct HelmholtzDerivatives {
  double phi;
  double deltaPhiDelta;            // delta phi_delta
  double delta2PhiDeltaDelta;      // delta^2 phi_delta_delta
  double tauPhiTau;                // tau phi_tau
  double tau2PhiTauTau;            // tau^2 phi_tau_tau
  double deltaTauPhiDeltaTau;      // delta tau phi_delta_tau
};
HelmholtzDerivatives helmholtzDerivatives(double rho, double T);

// Only what p and h need: the hot path of every (T, p) state.
struct PressureEnthalpyDerivatives {
  double deltaPhiDelta;
  double tauPhiTau;
};
PressureEnthalpyDerivatives pressureEnthalpyDerivatives(double rho, double T);

// At fixed T the basic equation is a polynomial in delta plus n1 ln(delta):
// phi = n1 ln(delta) + sum_I c_I delta^I with c_I = sum over the terms of
// exponent I of n tau^J. Folding tau once makes every density iteration on
// the isotherm a pair of short Horner sums.
class Isotherm {
 public:
  explicit Isotherm(double T);

  // p(rho) in MPa and dp/drho in MPa per kg/m3.
  void pressureAndSlope(double rho, double& p, double& dpdrho) const;
  double pressure(double rho) const;

  static constexpr int kMaxI = 11;  // highest power of delta in the equation

 private:
  double T_;
  double c_[kMaxI + 1];  // c_I
};

// The state's properties from the derivatives (the relations of the basic
// equation), in MPa, kJ/kg, kJ/(kg K) and m/s.
inline double pressureFrom(double rho, double T, double deltaPhiDelta) {
  return rho * kGasConstant * T * deltaPhiDelta / 1000.0;
}
inline double enthalpyFrom(double T, double deltaPhiDelta, double tauPhiTau) {
  return kGasConstant * T * (tauPhiTau + deltaPhiDelta);
}
inline double entropyFrom(double phi, double tauPhiTau) {
  return kGasConstant * (tauPhiTau - phi);
}

}  // namespace if97::region3

#endif
