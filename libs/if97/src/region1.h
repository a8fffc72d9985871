// IAPWS-IF97 region 1 (compressed liquid): the Gibbs free energy
// g(p, T) / (R T) = gamma(pi, tau), pi = p / 16.53 MPa, tau = 1386 K / T.
// No range checks here: region selection decides where this equation is used.
#ifndef HYDRELIX_IF97_REGION1_H
#define HYDRELIX_IF97_REGION1_H

namespace if97::region1 {

inline constexpr double kReducingPressure = 16.53;
inline constexpr double kReducingTemperature = 1386.0;

double gammaPi(double pi, double tau);
double gammaTau(double pi, double tau);
double gammaTauTau(double pi, double tau);

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

}  // namespace if97::region1

#endif
