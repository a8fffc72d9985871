// SPDX-License-Identifier: MIT
// The saturation line of IFC-67 (the K-function) and the boundary line
// between subregions 2 and 3 (the L-function), in reduced variables.
#ifndef IFC67_SATURATION_LINE_H
#define IFC67_SATURATION_LINE_H

namespace ifc67 {

// betaK(theta) = ps(T) / pc1, for theta from Ttrip/Tc1 to 1.
double reducedSaturationPressure(double theta);
// betaK at the triple point, the lowest pressure of the line.
double lowestReducedSaturationPressure();

// theta with betaK(theta) = beta, for beta from betaK(Ttrip/Tc1) to 1;
// NaN otherwise.
double reducedSaturationTemperature(double beta);

// betaL(theta) = pL(T) / pc1 and its derivative d betaL / d theta.
double reducedBoundaryPressure(double theta);
double reducedBoundaryPressureSlope(double theta);
// theta with betaL(theta) = beta on the rising branch of betaL (theta above
// 0.89, which holds the whole line), or NaN where there is none.
double reducedBoundaryTemperature(double beta);

}  // namespace ifc67

#endif  // IFC67_SATURATION_LINE_H
