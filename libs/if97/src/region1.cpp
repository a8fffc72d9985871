#include "region1.h"

#include <cmath>

#include "constants.h"
#include "region1_coefficients.h"
#include "term_sums.h"

namespace if97::region1 {
namespace {

constexpr double R = kGasConstant;

// gamma is written in a = 7.1 - pi and b = tau - 1.222.
using APowers = IPowerTable<kRegion1Gibbs>;
using BPowers = JPowerTable<kRegion1Gibbs>;

constexpr auto kPiTerms = foldDerivative(kRegion1Gibbs, Derivative::x);
constexpr auto kTauTerms = foldDerivative(kRegion1Gibbs, Derivative::y);
constexpr auto kTauTauTerms = foldDerivative(kRegion1Gibbs, Derivative::yy);
constexpr auto kPiPiTerms = foldDerivative(kRegion1Gibbs, Derivative::xx);
constexpr auto kPiTauTerms = foldDerivative(kRegion1Gibbs, Derivative::xy);

double shiftedPi(double pi) { return 7.1 - pi; }
double shiftedTau(double tau) { return tau - 1.222; }

// The second derivatives cv and w need, and gamma_pi, over one pair of
// power tables.
struct SecondDerivatives {
  double pi, pipi, tautau, pitau;
};

SecondDerivatives secondDerivatives(double pi, double tau) {
  const double a = shiftedPi(pi), b = shiftedTau(tau);
  const APowers aPowers(a);
  const BPowers bPowers(b);
  return SecondDerivatives{-sumTerms<kPiTerms>(aPowers, bPowers) / a,
                           sumTerms<kPiPiTerms>(aPowers, bPowers) / (a * a),
                           sumTerms<kTauTauTerms>(aPowers, bPowers) / (b * b),
                           -sumTerms<kPiTauTerms>(aPowers, bPowers) / (a * b)};
}

}  // namespace

// d/dpi brings a minus sign: da/dpi = -1.
double gammaPi(double pi, double tau) {
  const double a = shiftedPi(pi), b = shiftedTau(tau);
  return -sumTerms<kPiTerms>(APowers(a), BPowers(b)) / a;
}

double gammaTau(double pi, double tau) {
  const double a = shiftedPi(pi), b = shiftedTau(tau);
  return sumTerms<kTauTerms>(APowers(a), BPowers(b)) / b;
}

double gammaTauTau(double pi, double tau) {
  const double a = shiftedPi(pi), b = shiftedTau(tau);
  return sumTerms<kTauTauTerms>(APowers(a), BPowers(b)) / (b * b);
}

double specificVolume(double T, double p) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  return R * T * pi * gammaPi(pi, tau) / p / 1000.0;
}

double specificEnthalpy(double T, double p) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  return R * kReducingTemperature * gammaTau(pi, tau);  // R T tau gamma_tau
}

double specificInternalEnergy(double T, double p) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  const double a = shiftedPi(pi), b = shiftedTau(tau);
  const APowers aPowers(a);
  const BPowers bPowers(b);
  const double gammaTau = sumTerms<kTauTerms>(aPowers, bPowers) / b;
  const double gammaPi = -sumTerms<kPiTerms>(aPowers, bPowers) / a;
  return R * T * (tau * gammaTau - pi * gammaPi);
}

double specificEntropy(double T, double p) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  const double a = shiftedPi(pi), b = shiftedTau(tau);
  const APowers aPowers(a);
  const BPowers bPowers(b);
  const double gamma = sumTerms<kRegion1Gibbs>(aPowers, bPowers);
  const double gammaTau = sumTerms<kTauTerms>(aPowers, bPowers) / b;
  return R * (tau * gammaTau - gamma);
}

double isobaricHeatCapacity(double T, double p) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  return -R * tau * tau * gammaTauTau(pi, tau);
}

double isochoricHeatCapacity(double T, double p) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  const SecondDerivatives g = secondDerivatives(pi, tau);
  const double mixed = g.pi - tau * g.pitau;
  return R * (-tau * tau * g.tautau + mixed * mixed / g.pipi);
}

double speedOfSound(double T, double p) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  const SecondDerivatives g = secondDerivatives(pi, tau);
  const double mixed = g.pi - tau * g.pitau;
  const double w2 =
      1000.0 * R * T * g.pi * g.pi / (mixed * mixed / (tau * tau * g.tautau) - g.pipi);
  return w2 >= 0.0 ? std::sqrt(w2) : kNaN;
}

void enthalpyWithSlope(double T, double p, double& h, double& cp) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  const double a = shiftedPi(pi), b = shiftedTau(tau);
  const APowers aPowers(a);
  const BPowers bPowers(b);
  const double gammaTau = sumTerms<kTauTerms>(aPowers, bPowers) / b;
  const double gammaTauTau = sumTerms<kTauTauTerms>(aPowers, bPowers) / (b * b);
  h = R * kReducingTemperature * gammaTau;
  cp = -R * tau * tau * gammaTauTau;
}

void entropyWithSlope(double T, double p, double& s, double& dsdT) {
  const double pi = p / kReducingPressure, tau = kReducingTemperature / T;
  const double a = shiftedPi(pi), b = shiftedTau(tau);
  const APowers aPowers(a);
  const BPowers bPowers(b);
  const double gamma = sumTerms<kRegion1Gibbs>(aPowers, bPowers);
  const double gammaTau = sumTerms<kTauTerms>(aPowers, bPowers) / b;
  const double gammaTauTau = sumTerms<kTauTauTerms>(aPowers, bPowers) / (b * b);
  s = R * (tau * gammaTau - gamma);
  dsdT = -R * tau * tau * gammaTauTau / T;
}

}  // namespace if97::region1
