// Region 3 basic equation f(rho, T) (IAPWS-IF97 Eq. 28) and the properties
// that follow from it.
#include <array>
#include <cmath>
#include <cstddef>

#include "region3.h"
#include "region3_helmholtz.h"
#include "region3_helmholtz_table.h"
#include "region3_limits.h"
#include "term_sums.h"

namespace if97::region3 {
namespace {

constexpr auto& kTerms = kRegion3Helmholtz;
static_assert(FoldedTerms<kTerms>::terms[0].I == 0, "the basic equation has no negative exponents");
static_assert(FoldedTerms<kTerms>::terms[FoldedTerms<kTerms>::kCount - 1].I == Isotherm::kMaxI,
              "Isotherm holds one coefficient per power of delta");

// Also rejects NaN; the density limits are far outside anything region 3
// reaches and only keep the powers of delta finite.
bool argumentsInRange(double rho, double T) {
  return rho > 1e-3 && rho < 1e4 && temperatureInReachOfRegion3(T);
}

using DeltaPowers = XPowersOf<kTerms>;
using TauPowers = YPowersOf<kTerms>;

// Every derivative keeps the powers of delta and tau it brings
// (delta phi_delta = SUM n I delta^I tau^J, ...): the properties are sums of
// these, with no division left.
template <Derivative d>
double sum(const DeltaPowers& delta, const TauPowers& tau) {
  return sumTerms<kTerms, d, Exponents::kept>(delta, tau);
}

}  // namespace

HelmholtzDerivatives helmholtzDerivatives(double rho, double T) {
  const DeltaPowers delta(rho / kCriticalDensity);
  const TauPowers tau(kCriticalTemperature / T);
  const double n1 = kRegion3HelmholtzLogCoefficient;
  return {n1 * std::log(rho / kCriticalDensity) + sum<Derivative::none>(delta, tau),
          n1 + sum<Derivative::x>(delta, tau),
          -n1 + sum<Derivative::xx>(delta, tau),
          sum<Derivative::y>(delta, tau),
          sum<Derivative::yy>(delta, tau),
          sum<Derivative::xy>(delta, tau)};
}

PressureEnthalpyDerivatives pressureEnthalpyDerivatives(double rho, double T) {
  const DeltaPowers delta(rho / kCriticalDensity);
  const TauPowers tau(kCriticalTemperature / T);
  return {kRegion3HelmholtzLogCoefficient + sum<Derivative::x>(delta, tau), sum<Derivative::y>(delta, tau)};
}

Isotherm::Isotherm(double T) : T_(T) {
  const std::array<double, kMaxI + 1> c = sumsByI<kTerms>(TauPowers(kCriticalTemperature / T));
  for (int I = 0; I <= kMaxI; ++I) c_[I] = c[I];
}

void Isotherm::pressureAndSlope(double rho, double& p, double& dpdrho) const {
  // delta phi_delta = n1 + sum I c_I delta^I and
  // 2 delta phi_delta + delta^2 phi_delta_delta = n1 + sum I (I + 1) c_I delta^I.
  const double delta = rho / kCriticalDensity;
  double first = 0.0;
  double second = 0.0;
  for (int I = kMaxI; I >= 1; --I) {
    first = (first + I * c_[I]) * delta;
    second = (second + I * (I + 1) * c_[I]) * delta;
  }
  const double n1 = kRegion3HelmholtzLogCoefficient;
  const double RT = kGasConstant * T_ / 1000.0;
  p = rho * RT * (n1 + first);
  dpdrho = RT * (n1 + second);
}

double Isotherm::pressure(double rho) const {
  double p;
  double dpdrho;
  pressureAndSlope(rho, p, dpdrho);
  return p;
}

// Each property checks the state against region 3 on the pressure the
// equation gives, which it computes anyway or nearly so, with the allowance
// at the seams to regions 1 and 2 that the (p, h) and (p, s) solutions have,
// so that every state they return can be evaluated.

double pressure(double rho, double T) {
  if (!argumentsInRange(rho, T)) return kNaN;
  // Summed along the isotherm as the density solves sum it, so that the
  // pressure of a solved density returns the given pressure to round-off
  // rather than to the (1e-12 relative) noise between two summation orders.
  const double p = Isotherm(T).pressure(rho);
  return inReachOfRegion3(T, p) ? p : kNaN;
}

double specificInternalEnergy(double rho, double T) {
  if (!argumentsInRange(rho, T)) return kNaN;
  const PressureEnthalpyDerivatives d = pressureEnthalpyDerivatives(rho, T);
  if (!inReachOfRegion3(T, pressureFrom(rho, T, d.deltaPhiDelta))) return kNaN;
  return kGasConstant * T * d.tauPhiTau;
}

double specificEnthalpy(double rho, double T) {
  if (!argumentsInRange(rho, T)) return kNaN;
  const PressureEnthalpyDerivatives d = pressureEnthalpyDerivatives(rho, T);
  if (!inReachOfRegion3(T, pressureFrom(rho, T, d.deltaPhiDelta))) return kNaN;
  return enthalpyFrom(T, d.deltaPhiDelta, d.tauPhiTau);
}

double specificEntropy(double rho, double T) {
  if (!argumentsInRange(rho, T)) return kNaN;
  const HelmholtzDerivatives d = helmholtzDerivatives(rho, T);
  if (!inReachOfRegion3(T, pressureFrom(rho, T, d.deltaPhiDelta))) return kNaN;
  return entropyFrom(d.phi, d.tauPhiTau);
}

double isochoricHeatCapacity(double rho, double T) {
  if (!argumentsInRange(rho, T)) return kNaN;
  const HelmholtzDerivatives d = helmholtzDerivatives(rho, T);
  if (!inReachOfRegion3(T, pressureFrom(rho, T, d.deltaPhiDelta))) return kNaN;
  return -kGasConstant * d.tau2PhiTauTau;
}

double isobaricHeatCapacity(double rho, double T) {
  if (!argumentsInRange(rho, T)) return kNaN;
  const HelmholtzDerivatives d = helmholtzDerivatives(rho, T);
  if (!inReachOfRegion3(T, pressureFrom(rho, T, d.deltaPhiDelta))) return kNaN;
  const double mixed = d.deltaPhiDelta - d.deltaTauPhiDeltaTau;
  const double compressibility = 2.0 * d.deltaPhiDelta + d.delta2PhiDeltaDelta;
  // At the critical point dp/drho = 0 and cp diverges; so do states inside
  // the spinodal, where the equation has no physical meaning.
  if (!(compressibility > 0.0)) return kNaN;
  return kGasConstant * (-d.tau2PhiTauTau + mixed * mixed / compressibility);
}

double speedOfSound(double rho, double T) {
  if (!argumentsInRange(rho, T)) return kNaN;
  const HelmholtzDerivatives d = helmholtzDerivatives(rho, T);
  if (!inReachOfRegion3(T, pressureFrom(rho, T, d.deltaPhiDelta))) return kNaN;
  const double mixed = d.deltaPhiDelta - d.deltaTauPhiDeltaTau;
  const double w2 = 1000.0 * kGasConstant * T *
                    (2.0 * d.deltaPhiDelta + d.delta2PhiDeltaDelta - mixed * mixed / d.tau2PhiTauTau);
  return w2 >= 0.0 ? std::sqrt(w2) : kNaN;
}

}  // namespace if97::region3
