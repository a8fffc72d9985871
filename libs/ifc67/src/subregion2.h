// SPDX-License-Identifier: MIT
// Subregion 2 (vapour, and every state above 590 C): the reduced Gibbs
// function zeta2(beta, theta).
#ifndef IFC67_SUBREGION2_H
#define IFC67_SUBREGION2_H

namespace ifc67 {
namespace subregion2 {

// chi = d zeta2 / d beta
double reducedVolume(double beta, double theta);
// sigma = -d zeta2 / d theta
double reducedEntropy(double beta, double theta);
// eps = zeta2 + theta sigma
double reducedEnthalpy(double beta, double theta);
// phi = theta d sigma / d theta, by differences of sigma
double reducedHeatCapacity(double beta, double theta);

// eps or sigma, to the last bit as above, with phi from the derivatives of
// the equation: the slope along an isobar for the temperature searches.
struct WithHeatCapacity {
  double value;
  double heatCapacity;
};
WithHeatCapacity reducedEnthalpyWithHeatCapacity(double beta, double theta);
WithHeatCapacity reducedEntropyWithHeatCapacity(double beta, double theta);

}  // namespace subregion2
}  // namespace ifc67

#endif  // IFC67_SUBREGION2_H
