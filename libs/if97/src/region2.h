// SPDX-License-Identifier: MIT
// IAPWS-IF97 region 2 (vapour up to 1073.15 K): pi = p / 1 MPa, tau = 540 K / T,
// gammar in (tau - 0.5).
// No range checks here: region selection decides where this equation is used.
#ifndef HYDRELIX_IF97_REGION2_H
#define HYDRELIX_IF97_REGION2_H

namespace if97::region2 {

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

// Metastable (supercooled) vapour for p <= 10 MPa, from the saturated-vapour
// line to the 5 % equilibrium-moisture line: same form, own tables.
namespace metastable {
double specificVolume(double T, double p);
double specificEnthalpy(double T, double p);
double specificInternalEnergy(double T, double p);
double specificEntropy(double T, double p);
double isobaricHeatCapacity(double T, double p);
double isochoricHeatCapacity(double T, double p);
double speedOfSound(double T, double p);
}  // namespace metastable

}  // namespace if97::region2

#endif
