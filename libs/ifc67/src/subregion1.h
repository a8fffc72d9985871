// SPDX-License-Identifier: MIT
// Subregion 1 (liquid up to 350 C): the reduced Gibbs function zeta1(beta, theta).
#ifndef IFC67_SUBREGION1_H
#define IFC67_SUBREGION1_H

namespace ifc67 {
namespace subregion1 {

// chi = d zeta1 / d beta
double reducedVolume(double beta, double theta);
// sigma = -d zeta1 / d theta
double reducedEntropy(double beta, double theta);
// eps = zeta1 + theta sigma
double reducedEnthalpy(double beta, double theta);
// phi = theta d sigma / d theta, by differences of sigma
double reducedHeatCapacity(double beta, double theta);

}  // namespace subregion1
}  // namespace ifc67

#endif  // IFC67_SUBREGION1_H
