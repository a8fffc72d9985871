// The Gibbs equation shared by regions 2 and 5 (and the metastable-vapour
// variant of region 2): gamma = gamma0 (ideal gas) + gammar (residual),
//   gamma0 = ln(pi) + SUM n0 tau^J0,   gammar = SUM n pi^I (tau - shift)^J,
// with pi = p / p* and tau = T* / T. The property relations use the ideal /
// residual split so nothing cancels at low pressure.
#ifndef HYDRELIX_IF97_GAS_EQUATION_H
#define HYDRELIX_IF97_GAS_EQUATION_H

#include <cmath>
#include <cstddef>

#include "coefficient_terms.h"
#include "constants.h"
#include "term_sums.h"

namespace if97 {

// Tables describes one equation:
//   static constexpr const auto& ideal, residual;   coefficient tables
//   static constexpr double pressure, temperature;  p*, T*
//   static constexpr double tauShift;               tau - shift in gammar
template <class Tables>
class GasEquation {
  static constexpr auto& kIdeal = Tables::ideal;
  static constexpr auto& kResidual = Tables::residual;
  using IdealPowers = YPowersOf<Tables::ideal>;
  using PiPowers = XPowersOf<Tables::residual>;
  using TauPowers = YPowersOf<Tables::residual>;
  static constexpr double R = kGasConstant;
  static constexpr Exponents kKept = Exponents::kept;
  static constexpr Exponents kInTau = Exponents::loweredInY;

  struct Reduced {
    double pi, tau, shifted;
    Reduced(double T, double p)
        : pi(p / Tables::pressure),
          tau(Tables::temperature / T),
          shifted(Tables::temperature / T - Tables::tauShift) {}
  };

  // The pi-derivatives come multiplied by the powers of pi they bring (pi
  // gammar_pi = SUM n I pi^I (tau - shift)^J, ...), the tau-derivatives as
  // they are: that is how the relations use them, and no division by a tiny
  // pi^2 can turn a dilute gas into 0/0.
  static double residual(const PiPowers& p, const TauPowers& t) { return sumTerms<kResidual>(p, t); }
  static double residualTau(const PiPowers& p, const TauPowers& t) {
    return sumTerms<kResidual, Derivative::y, kInTau>(p, t);
  }
  static double residualTauTau(const PiPowers& p, const TauPowers& t) {
    return sumTerms<kResidual, Derivative::yy, kInTau>(p, t);
  }
  static double piResidualPi(const PiPowers& p, const TauPowers& t) {
    return sumTerms<kResidual, Derivative::x, kKept>(p, t);
  }
  static double pi2ResidualPiPi(const PiPowers& p, const TauPowers& t) {
    return sumTerms<kResidual, Derivative::xx, kKept>(p, t);
  }
  static double piResidualPiTau(const PiPowers& p, const TauPowers& t) {
    return sumTerms<kResidual, Derivative::xy, kInTau>(p, t);
  }

  // SUM n0 J0 tau^(J0-1) and friends, over one power table of tau.
  static double idealTau(const IdealPowers& t) { return sumIdeal<kIdeal, Derivative::y, kInTau>(t); }
  static double idealTauTau(const IdealPowers& t) { return sumIdeal<kIdeal, Derivative::yy, kInTau>(t); }
  static double idealValue(const IdealPowers& t, double pi) { return std::log(pi) + sumIdeal<kIdeal>(t); }

 public:
  // What cv and w need, over one pair of power tables.
  struct SecondDerivatives {
    double tau, idealTauTau, residualTauTau;
    double piResidualPi, pi2ResidualPiPi, piResidualPiTau;
  };

  static SecondDerivatives secondDerivatives(double T, double p) {
    const Reduced r(T, p);
    const IdealPowers idealPowers(r.tau);
    const PiPowers piPowers(r.pi);
    const TauPowers tauPowers(r.shifted);
    return SecondDerivatives{r.tau,
                             idealTauTau(idealPowers),
                             residualTauTau(piPowers, tauPowers),
                             piResidualPi(piPowers, tauPowers),
                             pi2ResidualPiPi(piPowers, tauPowers),
                             piResidualPiTau(piPowers, tauPowers)};
  }

  static double specificVolume(double T, double p) {
    const Reduced r(T, p);
    return R * T / p * (1.0 + piResidualPi(PiPowers(r.pi), TauPowers(r.shifted))) / 1000.0;
  }

  static double specificEnthalpy(double T, double p) {
    const Reduced r(T, p);
    return R * Tables::temperature *
           (idealTau(IdealPowers(r.tau)) + residualTau(PiPowers(r.pi), TauPowers(r.shifted)));
  }

  static double isobaricHeatCapacity(double T, double p) {
    const Reduced r(T, p);
    return -R * r.tau * r.tau *
           (idealTauTau(IdealPowers(r.tau)) + residualTauTau(PiPowers(r.pi), TauPowers(r.shifted)));
  }

  static double specificInternalEnergy(double T, double p) {
    const Reduced r(T, p);
    const PiPowers piPowers(r.pi);
    const TauPowers tauPowers(r.shifted);
    const double gammaTau = idealTau(IdealPowers(r.tau)) + residualTau(piPowers, tauPowers);
    return R * T * (r.tau * gammaTau - (1.0 + piResidualPi(piPowers, tauPowers)));
  }

  static double specificEntropy(double T, double p) {
    const Reduced r(T, p);
    const IdealPowers idealPowers(r.tau);
    const PiPowers piPowers(r.pi);
    const TauPowers tauPowers(r.shifted);
    const double gammaTau = idealTau(idealPowers) + residualTau(piPowers, tauPowers);
    const double gamma = idealValue(idealPowers, r.pi) + residual(piPowers, tauPowers);
    return R * (r.tau * gammaTau - gamma);
  }

  static double isochoricHeatCapacity(double T, double p) {
    const SecondDerivatives d = secondDerivatives(T, p);
    const double A = 1.0 + d.piResidualPi - d.tau * d.piResidualPiTau;
    return R * (-d.tau * d.tau * (d.idealTauTau + d.residualTauTau) -
                A * A / (1.0 - d.pi2ResidualPiPi));
  }

  static double speedOfSound(double T, double p) {
    const SecondDerivatives d = secondDerivatives(T, p);
    const double A = 1.0 + d.piResidualPi - d.tau * d.piResidualPiTau;
    const double w2 = 1000.0 * R * T * (1.0 + 2.0 * d.piResidualPi + d.piResidualPi * d.piResidualPi) /
                      ((1.0 - d.pi2ResidualPiPi) +
                       A * A / (d.tau * d.tau * (d.idealTauTau + d.residualTauTau)));
    return w2 >= 0.0 ? std::sqrt(w2) : kNaN;
  }

  // h with dh/dT = cp, and s with ds/dT = cp / T: one Newton step's worth.
  static void enthalpyWithSlope(double T, double p, double& h, double& cp) {
    const Reduced r(T, p);
    const IdealPowers idealPowers(r.tau);
    const PiPowers piPowers(r.pi);
    const TauPowers tauPowers(r.shifted);
    const double gammaTau = idealTau(idealPowers) + residualTau(piPowers, tauPowers);
    const double gammaTauTau = idealTauTau(idealPowers) + residualTauTau(piPowers, tauPowers);
    h = R * Tables::temperature * gammaTau;
    cp = -R * r.tau * r.tau * gammaTauTau;
  }

  static void entropyWithSlope(double T, double p, double& s, double& dsdT) {
    const Reduced r(T, p);
    const IdealPowers idealPowers(r.tau);
    const PiPowers piPowers(r.pi);
    const TauPowers tauPowers(r.shifted);
    const double gammaTau = idealTau(idealPowers) + residualTau(piPowers, tauPowers);
    const double gammaTauTau = idealTauTau(idealPowers) + residualTauTau(piPowers, tauPowers);
    const double gamma = idealValue(idealPowers, r.pi) + residual(piPowers, tauPowers);
    s = R * (r.tau * gammaTau - gamma);
    dsdT = -R * r.tau * r.tau * gammaTauTau / T;
  }
};

}  // namespace if97

#endif
