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

// The second derivatives cv and w need, and gamma_pi, over one pair of
// power tables.
struct SecondDerivatives {
  double pi, pipi, tautau, pitau;
};

inline SecondDerivatives secondDerivatives(double pi, double tau) {
  const double a = shiftedPi(pi), b = shiftedTau(tau);
  const APowers aPowers(a);
  const BPowers bPowers(b);
  return SecondDerivatives{-sumTerms<kGibbs, Derivative::x, kLowered>(aPowers, bPowers),
                           sumTerms<kGibbs, Derivative::xx, kLowered>(aPowers, bPowers),
                           sumTerms<kGibbs, Derivative::yy, kLowered>(aPowers, bPowers),
                           -sumTerms<kGibbs, Derivative::xy, kLowered>(aPowers, bPowers)};
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
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  const double a = shiftedPi(pi), b = shiftedTau(tau);
  const APowers aPowers(a);
  const BPowers bPowers(b);
  const double gammaTau = sumTerms<kGibbs, Derivative::y, kLowered>(aPowers, bPowers);
  const double gammaPi = -sumTerms<kGibbs, Derivative::x, kLowered>(aPowers, bPowers);
  return R * T * (tau * gammaTau - pi * gammaPi);
}

inline double specificEntropy(double T, double p) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  const double a = shiftedPi(pi), b = shiftedTau(tau);
  const APowers aPowers(a);
  const BPowers bPowers(b);
  const double gamma = sumTerms<kGibbs>(aPowers, bPowers);
  const double gammaTau = sumTerms<kGibbs, Derivative::y, kLowered>(aPowers, bPowers);
  return R * (tau * gammaTau - gamma);
}

inline double isobaricHeatCapacity(double T, double p) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  return -R * tau * tau * gammaTauTau(pi, tau);
}

inline double isochoricHeatCapacity(double T, double p) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  const SecondDerivatives g = secondDerivatives(pi, tau);
  const double mixed = g.pi - tau * g.pitau;
  return R * (-tau * tau * g.tautau + mixed * mixed / g.pipi);
}

inline double speedOfSound(double T, double p) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  const SecondDerivatives g = secondDerivatives(pi, tau);
  const double mixed = g.pi - tau * g.pitau;
  const double w2 =
      1000.0 * R * T * g.pi * g.pi / (mixed * mixed / (tau * tau * g.tautau) - g.pipi);
  return w2 >= 0.0 ? std::sqrt(w2) : kNaN;
}

inline void enthalpyWithSlope(double T, double p, double& h, double& cp) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  const double a = shiftedPi(pi), b = shiftedTau(tau);
  const APowers aPowers(a);
  const BPowers bPowers(b);
  const double gammaTau = sumTerms<kGibbs, Derivative::y, kLowered>(aPowers, bPowers);
  const double gammaTauTau = sumTerms<kGibbs, Derivative::yy, kLowered>(aPowers, bPowers);
  h = R * kReducingTemperature * gammaTau;
  cp = -R * tau * tau * gammaTauTau;
}

inline void entropyWithSlope(double T, double p, double& s, double& dsdT) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  const double a = shiftedPi(pi), b = shiftedTau(tau);
  const APowers aPowers(a);
  const BPowers bPowers(b);
  const double gamma = sumTerms<kGibbs>(aPowers, bPowers);
  const double gammaTau = sumTerms<kGibbs, Derivative::y, kLowered>(aPowers, bPowers);
  const double gammaTauTau = sumTerms<kGibbs, Derivative::yy, kLowered>(aPowers, bPowers);
  s = R * (tau * gammaTau - gamma);
  dsdT = -R * tau * tau * gammaTauTau / T;
}

}  // namespace if97::region1

#endif
