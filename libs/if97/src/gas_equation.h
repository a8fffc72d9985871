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
  using IdealPowers = JPowerTable<Tables::ideal>;
  using PiPowers = IPowerTable<Tables::residual>;
  using TauPowers = JPowerTable<Tables::residual>;
  static constexpr auto kResidualPi = foldDerivative(kResidual, Derivative::x);
  static constexpr auto kResidualTau = foldDerivative(kResidual, Derivative::y);
  static constexpr auto kResidualTauTau = foldDerivative(kResidual, Derivative::yy);
  static constexpr auto kResidualPiPi = foldDerivative(kResidual, Derivative::xx);
  static constexpr auto kResidualPiTau = foldDerivative(kResidual, Derivative::xy);
  static constexpr double R = kGasConstant;

  struct Reduced {
    double pi, tau, shifted;
    Reduced(double T, double p)
        : pi(p / Tables::pressure),
          tau(Tables::temperature / T),
          shifted(Tables::temperature / T - Tables::tauShift) {}
  };

  static constexpr auto kIdealTau = foldIdealDerivative(kIdeal, 1);
  static constexpr auto kIdealTauTau = foldIdealDerivative(kIdeal, 2);

  // SUM n0 J0 tau^(J0-1) and friends, over one power table of tau.
  static double idealTau(const IdealPowers& t, double tau) {
    return sumIdeal<kIdealTau>(t) / tau;
  }
  static double idealTauTau(const IdealPowers& t, double tau) {
    return sumIdeal<kIdealTauTau>(t) / (tau * tau);
  }
  static double idealValue(const IdealPowers& t, double pi) {
    return std::log(pi) + sumIdeal<kIdeal>(t);
  }

 public:
  // What cv and w need. The pi-derivatives are kept multiplied by the powers
  // of pi they come with (pi gammar_pi, pi^2 gammar_pipi, pi gammar_pitau):
  // that is how the relations use them, and no division by a tiny pi^2 can
  // turn a dilute gas into 0/0.
  struct SecondDerivatives {
    double tau, idealTauTau, residualTauTau;
    double piResidualPi, pi2ResidualPiPi, piResidualPiTau;
  };

  static SecondDerivatives secondDerivatives(double T, double p) {
    const Reduced r(T, p);
    const IdealPowers idealPowers(r.tau);
    const PiPowers piPowers(r.pi);
    const TauPowers tauPowers(r.shifted);
    return SecondDerivatives{
        r.tau,
        idealTauTau(idealPowers, r.tau),
        sumTerms<kResidualTauTau>(piPowers, tauPowers) / (r.shifted * r.shifted),
        sumTerms<kResidualPi>(piPowers, tauPowers),
        sumTerms<kResidualPiPi>(piPowers, tauPowers),
        sumTerms<kResidualPiTau>(piPowers, tauPowers) / r.shifted};
  }

  static double specificVolume(double T, double p) {
    const Reduced r(T, p);
    const double residualPi = sumTerms<kResidualPi>(PiPowers(r.pi), TauPowers(r.shifted));
    // pi * gammar_pi == SUM n I pi^I (tau - shift)^J
    return R * T / p * (1.0 + residualPi) / 1000.0;
  }

  static double specificEnthalpy(double T, double p) {
    const Reduced r(T, p);
    const double residualTau =
        sumTerms<kResidualTau>(PiPowers(r.pi), TauPowers(r.shifted)) / r.shifted;
    return R * Tables::temperature * (idealTau(IdealPowers(r.tau), r.tau) + residualTau);
  }

  static double isobaricHeatCapacity(double T, double p) {
    const Reduced r(T, p);
    const double residualTauTau = sumTerms<kResidualTauTau>(PiPowers(r.pi), TauPowers(r.shifted)) /
                                  (r.shifted * r.shifted);
    return -R * r.tau * r.tau * (idealTauTau(IdealPowers(r.tau), r.tau) + residualTauTau);
  }

  static double specificInternalEnergy(double T, double p) {
    const Reduced r(T, p);
    const PiPowers piPowers(r.pi);
    const TauPowers tauPowers(r.shifted);
    const double gammaTau = idealTau(IdealPowers(r.tau), r.tau) +
                            sumTerms<kResidualTau>(piPowers, tauPowers) / r.shifted;
    // pi * gammar_pi == SUM n I pi^I (tau - shift)^J
    const double piResidualPi = sumTerms<kResidualPi>(piPowers, tauPowers);
    return R * T * (r.tau * gammaTau - (1.0 + piResidualPi));
  }

  static double specificEntropy(double T, double p) {
    const Reduced r(T, p);
    const IdealPowers idealPowers(r.tau);
    const PiPowers piPowers(r.pi);
    const TauPowers tauPowers(r.shifted);
    const double gammaTau = idealTau(idealPowers, r.tau) +
                            sumTerms<kResidualTau>(piPowers, tauPowers) / r.shifted;
    const double gamma = idealValue(idealPowers, r.pi) + sumTerms<kResidual>(piPowers, tauPowers);
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
    const double gammaTau = idealTau(idealPowers, r.tau) +
                            sumTerms<kResidualTau>(piPowers, tauPowers) / r.shifted;
    const double gammaTauTau = idealTauTau(idealPowers, r.tau) +
                               sumTerms<kResidualTauTau>(piPowers, tauPowers) /
                                   (r.shifted * r.shifted);
    h = R * Tables::temperature * gammaTau;
    cp = -R * r.tau * r.tau * gammaTauTau;
  }

  static void entropyWithSlope(double T, double p, double& s, double& dsdT) {
    const Reduced r(T, p);
    const IdealPowers idealPowers(r.tau);
    const PiPowers piPowers(r.pi);
    const TauPowers tauPowers(r.shifted);
    const double gammaTau = idealTau(idealPowers, r.tau) +
                            sumTerms<kResidualTau>(piPowers, tauPowers) / r.shifted;
    const double gammaTauTau = idealTauTau(idealPowers, r.tau) +
                               sumTerms<kResidualTauTau>(piPowers, tauPowers) /
                                   (r.shifted * r.shifted);
    const double gamma = idealValue(idealPowers, r.pi) + sumTerms<kResidual>(piPowers, tauPowers);
    s = R * (r.tau * gammaTau - gamma);
    dsdT = -R * r.tau * r.tau * gammaTauTau / T;
  }
};

}  // namespace if97

#endif
