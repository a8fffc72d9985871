// Region 3 basic equation f(rho, T) (IAPWS-IF97 Eq. 28) and the properties
// that follow from it.
#include <array>
#include <cmath>
#include <cstddef>

#include "region3.h"
#include "region3_helmholtz.h"
#include "region3_helmholtz_table.h"
#include "region3_limits.h"

namespace if97::region3 {
namespace {

constexpr ExponentRange kRange = exponentRange(kRegion3Helmholtz);
static_assert(kRange.minI == 0 && kRange.minJ == 0, "the basic equation has no negative exponents");
constexpr int kMaxI = kRange.maxI;
constexpr int kMaxJ = kRange.maxJ;
static_assert(kMaxI == Isotherm::kMaxI, "Isotherm holds one coefficient per power of delta");

// Also rejects NaN; the density limits are far outside anything region 3
// reaches and only keep the powers of delta finite.
bool argumentsInRange(double rho, double T) {
  return rho > 1e-3 && rho < 1e4 && temperatureInReachOfRegion3(T);
}

// Each term with its coefficient already multiplied by the exponents that
// the derivatives bring down, so the sums below are plain products.
struct DerivativeTerm {
  int I, J;
  double n, nI, nII, nJ, nJJ, nIJ;  // n, n I, n I (I - 1), n J, n J (J - 1), n I J
};

template <std::size_t N>
constexpr std::array<DerivativeTerm, N> derivativeTerms(const Term (&terms)[N]) {
  std::array<DerivativeTerm, N> out{};
  for (std::size_t k = 0; k < N; ++k) {
    const Term& t = terms[k];
    out[k] = {t.I, t.J, t.n, t.n * t.I, t.n * t.I * (t.I - 1), t.n * t.J, t.n * t.J * (t.J - 1), t.n * t.I * t.J};
  }
  return out;
}

constexpr auto kDerivativeTerms = derivativeTerms(kRegion3Helmholtz);

struct Powers {
  double delta[kMaxI + 1];
  double tau[kMaxJ + 1];
};

void fillStatePowers(Powers& powers, double rho, double T) {
  fillPowers(powers.delta, rho / kCriticalDensity, 0, kMaxI);
  fillPowers(powers.tau, kCriticalTemperature / T, 0, kMaxJ);
}

}  // namespace

// The sums run over even and odd terms apart and meet at the end: two short
// chains of additions instead of one long one, which the processor overlaps.

HelmholtzDerivatives helmholtzDerivatives(double rho, double T) {
  Powers powers;
  fillStatePowers(powers, rho, T);
  HelmholtzDerivatives half[2] = {};
#pragma GCC unroll 40
  for (std::size_t k = 0; k < kDerivativeTerms.size(); ++k) {
    const DerivativeTerm& t = kDerivativeTerms[k];
    const double powersProduct = powers.delta[t.I] * powers.tau[t.J];
    HelmholtzDerivatives& d = half[k % 2];
    d.phi += t.n * powersProduct;
    d.deltaPhiDelta += t.nI * powersProduct;
    d.delta2PhiDeltaDelta += t.nII * powersProduct;
    d.tauPhiTau += t.nJ * powersProduct;
    d.tau2PhiTauTau += t.nJJ * powersProduct;
    d.deltaTauPhiDeltaTau += t.nIJ * powersProduct;
  }
  const double n1 = kRegion3HelmholtzLogCoefficient;
  return {n1 * std::log(rho / kCriticalDensity) + half[0].phi + half[1].phi,
          n1 + half[0].deltaPhiDelta + half[1].deltaPhiDelta,
          -n1 + half[0].delta2PhiDeltaDelta + half[1].delta2PhiDeltaDelta,
          half[0].tauPhiTau + half[1].tauPhiTau,
          half[0].tau2PhiTauTau + half[1].tau2PhiTauTau,
          half[0].deltaTauPhiDeltaTau + half[1].deltaTauPhiDeltaTau};
}

PressureEnthalpyDerivatives pressureEnthalpyDerivatives(double rho, double T) {
  Powers powers;
  fillStatePowers(powers, rho, T);
  PressureEnthalpyDerivatives half[2] = {};
#pragma GCC unroll 40
  for (std::size_t k = 0; k < kDerivativeTerms.size(); ++k) {
    const DerivativeTerm& t = kDerivativeTerms[k];
    const double powersProduct = powers.delta[t.I] * powers.tau[t.J];
    half[k % 2].deltaPhiDelta += t.nI * powersProduct;
    half[k % 2].tauPhiTau += t.nJ * powersProduct;
  }
  return {kRegion3HelmholtzLogCoefficient + half[0].deltaPhiDelta + half[1].deltaPhiDelta,
          half[0].tauPhiTau + half[1].tauPhiTau};
}

Isotherm::Isotherm(double T) : T_(T) {
  double tauPowers[kMaxJ + 1];
  fillPowers(tauPowers, kCriticalTemperature / T, 0, kMaxJ);
  for (double& c : c_) c = 0.0;
#pragma GCC unroll 40
  for (const Term& t : kRegion3Helmholtz) c_[t.I] += t.n * tauPowers[t.J];
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
