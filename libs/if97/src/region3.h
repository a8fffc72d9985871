// IAPWS-IF97 region 3: the basic equation f(rho, T) and the states built on it.
// SI units: K, MPa, kg/m3, kJ/kg, kJ/(kg K), m/s. Outside region 3 (and for
// any non-finite input) every function returns NaN. The (p, h), (p, s) and
// (rho, T) functions also accept states up to 0.1 K beyond 623.15 K and
// TB23(p), where regions 1 and 2 meet region 3 with small jumps in h and s.
#ifndef HYDRELIX_IF97_REGION3_H
#define HYDRELIX_IF97_REGION3_H

namespace if97::region3 {

// Properties from the basic equation at density rho and temperature T.
double pressure(double rho, double T);
double specificInternalEnergy(double rho, double T);
double specificEntropy(double rho, double T);
double specificEnthalpy(double rho, double T);
double isobaricHeatCapacity(double rho, double T);
double isochoricHeatCapacity(double rho, double T);
double speedOfSound(double rho, double T);

// Density of the region 3 state at (T, p): the backward equations give the
// start, Newton steps on the basic equation make pressure(rho, T) equal p to
// about 1e-12 relative. Region 3 is 623.15 K <= T <= T_B23(p),
// p_B23(T) <= p <= 100 MPa.
double densityTp(double T, double p);

// Liquid and vapour densities at saturation for 623.15 K <= T <= Tc, solved
// from the basic equation at p = ps(T). False (and NaN densities) outside.
// Within about 3e-5 K of Tc only one branch reaches ps(T); both ends are then
// that one state. Each end alone, for a caller that needs only one:
bool saturatedDensities(double T, double& liquidDensity, double& vapourDensity);
double saturatedLiquidDensity(double T);
double saturatedVapourDensity(double T);

// Single-phase region 3 states from (p, h) and (p, s): temperature and density
// consistent with the basic equation to 1e-9 relative. NaN when the state is
// not a single-phase region 3 state.
struct TemperatureDensity {
  double T;
  double rho;
};
TemperatureDensity fromPh(double p, double h);
TemperatureDensity fromPs(double p, double s);

// The backward equations on their own.
namespace backward {
double specificVolumeTp(double T, double p);  // m3/kg, 26 subregions
double temperaturePh(double p, double h);
double specificVolumePh(double p, double h);
double temperaturePs(double p, double s);
double specificVolumePs(double p, double s);
double saturationPressureH(double h);  // MPa, approximate p3sat(h)
double saturationPressureS(double s);  // MPa, approximate p3sat(s)
}  // namespace backward

}  // namespace if97::region3

#endif
