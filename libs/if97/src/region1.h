// IAPWS-IF97 region 1 (compressed liquid): the Gibbs free energy
// g(p, T) / (R T) = gamma(pi, tau), pi = p / 16.53 MPa, tau = 1386 K / T.
// No range checks here: region selection decides where this equation is used.
// Inline, so that the (T, p) dispatch and the (p, h), (p, s) solvers evaluate
// it without a call.
#ifndef HYDRELIX_IF97_REGION1_H
#define HYDRELIX_IF97_REGION1_H

#include <cmath>

#include "constants.h"
#include "region1_coefficients.h"
#include "term_sums.h"

namespace if97::region1 {

inline constexpr double kReducingPressure = 16.53;
inline constexpr double kReducingTemperature = 1386.0;

inline constexpr double R = kGasConstant;

// gamma is written in a = 7.1 - pi and b = tau - 1.222; d/dpi = -d/da.
using APowers = XPowersOf<kRegion1Gibbs>;
using BPowers = YPowersOf<kRegion1Gibbs>;

inline constexpr auto& kGibbs = kRegion1Gibbs;
inline constexpr Exponents kLowered = Exponents::lowered;

inline double shiftedPi(double pi) { return 7.1 - pi; }
inline double shiftedTau(double tau) { return tau - 1.222; }

// tau and the power tables of one state, shared by the sums of its properties.
struct State {
  double tau;
  APowers a;
  BPowers b;
  State(double T, double p)
      : tau(kReducingTemperature / T), a(shiftedPi(p / kReducingPressure)), b(shiftedTau(tau)) {}
};

// The second derivatives cv and w need, and gamma_pi, over one pair of
// power tables.
struct SecondDerivatives {
  double pi, pipi, tautau, pitau;
};

inline SecondDerivatives secondDerivatives(const State& state) {
  return SecondDerivatives{-sumTerms<kGibbs, Derivative::x, kLowered>(state.a, state.b),
                           sumTerms<kGibbs, Derivative::xx, kLowered>(state.a, state.b),
                           sumTerms<kGibbs, Derivative::yy, kLowered>(state.a, state.b),
                           -sumTerms<kGibbs, Derivative::xy, kLowered>(state.a, state.b)};
}

// d/dpi brings a minus sign: da/dpi = -1.
inline double gammaPi(double pi, double tau) {
  const double a = shiftedPi(pi), b = shiftedTau(tau);
  return -sumTerms<kGibbs, Derivative::x, kLowered>(APowers(a), BPowers(b));
}

inline double gammaTau(double pi, double tau) {
  const double a = shiftedPi(pi), b = shiftedTau(tau);
  return sumTerms<kGibbs, Derivative::y, kLowered>(APowers(a), BPowers(b));
}

inline double gammaTauTau(double pi, double tau) {
  const double a = shiftedPi(pi), b = shiftedTau(tau);
  return sumTerms<kGibbs, Derivative::yy, kLowered>(APowers(a), BPowers(b));
}

inline double specificVolume(double T, double p) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  return R * T * pi * gammaPi(pi, tau) / p / 1000.0;
}

inline double specificEnthalpy(double T, double p) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  return R * kReducingTemperature * gammaTau(pi, tau);  // R T tau gamma_tau
}

inline double specificInternalEnergy(double T, double p) {
  const State state(T, p);
  const double tau = state.tau;
  const double gammaTau = sumTerms<kGibbs, Derivative::y, kLowered>(state.a, state.b);
  const double gammaPi = -sumTerms<kGibbs, Derivative::x, kLowered>(state.a, state.b);
  return R * T * (tau * gammaTau - p / kReducingPressure * gammaPi);
}

inline double specificEntropy(double T, double p) {
  const State state(T, p);
  const double tau = state.tau;
  const double gamma = sumTerms<kGibbs>(state.a, state.b);
  const double gammaTau = sumTerms<kGibbs, Derivative::y, kLowered>(state.a, state.b);
  return R * (tau * gammaTau - gamma);
}

inline double isobaricHeatCapacity(double T, double p) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  return -R * tau * tau * gammaTauTau(pi, tau);
}

inline double isochoricHeatCapacity(double T, double p) {
  const State state(T, p);
  const double tau = state.tau;
  const SecondDerivatives g = secondDerivatives(state);
  const double mixed = g.pi - tau * g.pitau;
  return R * (-tau * tau * g.tautau + mixed * mixed / g.pipi);
}

inline double speedOfSound(double T, double p) {
  const State state(T, p);
  const double tau = state.tau;
  const SecondDerivatives g = secondDerivatives(state);
  const double mixed = g.pi - tau * g.pitau;
  const double w2 =
      1000.0 * R * T * g.pi * g.pi / (mixed * mixed / (tau * tau * g.tautau) - g.pipi);
  return w2 >= 0.0 ? std::sqrt(w2) : kNaN;
}

inline void enthalpyWithSlope(double T, double p, double& h, double& cp) {
  const State state(T, p);
  const double tau = state.tau;
  const double gammaTau = sumTerms<kGibbs, Derivative::y, kLowered>(state.a, state.b);
  const double gammaTauTau = sumTerms<kGibbs, Derivative::yy, kLowered>(state.a, state.b);
  h = R * kReducingTemperature * gammaTau;
  cp = -R * tau * tau * gammaTauTau;
}

inline void entropyWithSlope(double T, double p, double& s, double& dsdT) {
  const State state(T, p);
  const double tau = state.tau;
  const double gamma = sumTerms<kGibbs>(state.a, state.b);
  const double gammaTau = sumTerms<kGibbs, Derivative::y, kLowered>(state.a, state.b);
  const double gammaTauTau = sumTerms<kGibbs, Derivative::yy, kLowered>(state.a, state.b);
  s = R * (tau * gammaTau - gamma);
  dsdT = -R * tau * tau * gammaTauTau / T;
}

}  // namespace if97::region1

#endif
