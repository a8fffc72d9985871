// SPDX-License-Identifier: MIT
// Subregions 3 and 4 (near-critical states): the reduced Helmholtz functions
// psi3(chi, theta) and psi4 = psi3 + the subregion 4 addition.
//
// Every term of both functions is C f(chi) g(theta), with f a power of chi or
// ln chi. At a fixed temperature psi is therefore
//     psi(chi) = L ln chi + sum_k V_k chi^k,   k = -10..6,
// and the temperature factors L and V_k (with their theta-derivatives) are
// computed once per temperature, outside any search over chi.
#ifndef IFC67_SUBREGION3_H
#define IFC67_SUBREGION3_H

namespace ifc67 {
namespace subregion3 {

enum class Function { Subregion3, Subregion4 };

constexpr int kLowestPower = -10;
constexpr int kHighestPower = 6;
constexpr int kPowerCount = kHighestPower - kLowestPower + 1;

// The factors of one temperature: value, d/dtheta and d2/dtheta2 of each.
struct TemperatureFactors {
  double theta;
  double power[3][kPowerCount];  // [derivative][k - kLowestPower]
  double logarithm[3];
};

TemperatureFactors temperatureFactors(double theta, Function function);

// beta = -d psi / d chi, and its slope d beta / d chi = -d2 psi / d chi2.
double reducedPressure(const TemperatureFactors& factors, double chi);
double reducedPressureSlope(const TemperatureFactors& factors, double chi);

// Which root of beta(chi) = beta to take: the smallest volume (liquid,
// subregion 4) or the largest (vapour and supercritical fluid, subregion 3).
enum class Root { Liquid, Vapour };

// chi with beta(chi, theta) = beta on the chosen branch, searched on
// chi in [0.38, 5], where every state of both subregions lies; NaN when
// that interval holds no root.
double reducedVolume(const TemperatureFactors& factors, double beta, Root root);

// The reduced properties at (chi, theta).
struct ReducedProperties {
  double beta;
  double enthalpy;      // eps = psi + theta sigma + chi beta
  double entropy;       // sigma = -d psi / d theta
  double heatCapacity;  // phi = -theta psi_tt + theta psi_ct^2 / psi_cc
};

ReducedProperties reducedProperties(const TemperatureFactors& factors, double chi);

// The state at (beta, theta): the liquid root of psi4 (subregion 4) or the
// vapour root of psi3 (subregion 3), and its reduced properties unless only
// the volume is wanted. chi (and every property) is NaN when no root is found.
struct State {
  double chi;
  ReducedProperties properties;
};
enum class Wanted { VolumeOnly, Everything };
State stateAt(double beta, double theta, Root root, Wanted wanted);

}  // namespace subregion3
}  // namespace ifc67

#endif  // IFC67_SUBREGION3_H
