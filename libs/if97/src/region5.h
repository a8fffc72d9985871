// SPDX-License-Identifier: MIT
// IAPWS-IF97 region 5 (high-temperature steam, 1073.15 K to 2273.15 K, up to
// 50 MPa; 2007 coefficients): pi = p / 1 MPa, tau = 1000 K / T.
// No range checks here: region selection decides where this equation is used.
#ifndef HYDRELIX_IF97_REGION5_H
#define HYDRELIX_IF97_REGION5_H

namespace if97::region5 {

double specificVolume(double T, double p);
double specificEnthalpy(double T, double p);
double specificInternalEnergy(double T, double p);
double specificEntropy(double T, double p);
double isobaricHeatCapacity(double T, double p);
double isochoricHeatCapacity(double T, double p);
double speedOfSound(double T, double p);

// h with dh/dT = cp, and s with ds/dT = cp / T, for Newton steps in T.
void enthalpyWithSlope(double T, double p, double& h, double& cp);
void entropyWithSlope(double T, double p, double& s, double& dsdT);

}  // namespace if97::region5

#endif
