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

struct TemperatureDensity {
  double T;
  double rho;
};

// The saturated vapour as the wet states use it: at T and the vapour density
// where that branch reaches ps(T). Within about 3e-5 K of Tc it does not
// (see above); the vapour end is then the first state of the vapour branch
// along the isobar ps(T): the lowest temperature above T (by at most about
// 2e-9 K) where the branch reaches ps(T), the density there. Between T and
// that temperature the (T, p) functions keep to the liquid branch, the only
// one there.
TemperatureDensity saturatedVapourEnd(double T);

// The first state of the vapour branch along the isobar p from T on: T itself
// if the branch reaches p there, else the lowest temperature above it where it
// does. `start` is a density to start the solves from. NaN if none within
// about 0.1 K.
TemperatureDensity vapourBranchStart(double T, double p, double start);

// The ends of the two-phase region along an isobar p below pc, as states of
// the basic equation: the saturated liquid at Ts(p) and the vapour end
// (saturatedVapourEnd), solved on the isobar ps(Ts(p)). Within 1e-4 MPa of
// pc the isotherms are so flat that the rounding between p and ps(Ts(p))
// moves the liquid by up to 1 J/kg and the start of the vapour branch by up
// to 40 J/kg; the same ends solved on the isobar p itself come beside them,
// and the two-phase region runs from the lower liquid to the higher vapour
// end, so that every state outside it has a temperature on its branch at p.
// NaN members outside 16.529 MPa..pc.
struct IsobarEnds {
  double Ts;
  TemperatureDensity liquidOnLine, liquidOnIsobar;
  TemperatureDensity vapourOnLine, vapourOnIsobar;
};
IsobarEnds isobarEnds(double p);

// Single-phase region 3 states from (p, h) and (p, s): temperature and density
// consistent with the basic equation to 1e-9 relative. NaN when the state is
// not a single-phase region 3 state.
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
