// Densities from the region 3 basic equation: the single-phase state at
// (T, p) and the saturated liquid and vapour at T.

#include "region3.h"
#include "region3_density_solver.h"
#include "region3_helmholtz.h"
#include "region3_limits.h"
#include "region3_volume_tp.h"
#include "region4.h"

namespace if97::region3 {

double densityTp(double T, double p) {
  if (!inRegion3(T, p)) return kNaN;
  if (T == kCriticalTemperature && p == kCriticalPressure) return kCriticalDensity;
  const double start = 1.0 / specificVolumeInSubregion(subregionTp(T, p), T, p);
  // Below Tc the isotherm has a liquid and a vapour branch joined by a loop;
  // the state's own side of the saturation line picks the branch.
  // A state on the line counts as liquid, as in the choice of subregion.
  Branch branch = Branch::supercritical;
  if (T < kCriticalTemperature) {
    const bool liquid = p >= kCriticalPressure || T <= region4::saturationTemperature(p);
    branch = liquid ? Branch::liquid : Branch::vapour;
  }
  return solveDensity(Isotherm(T), p, branch, start);
}

bool saturatedDensities(double T, double& liquidDensity, double& vapourDensity) {
  liquidDensity = vapourDensity = kNaN;
  // The same room at 623.15 K as everywhere, so that Ts(p) of a pressure a
  // rounding above ps(623.15 K) is still accepted.
  if (!(temperatureInRegion3(T) && T <= kCriticalTemperature)) return false;
  if (T == kCriticalTemperature) {
    liquidDensity = vapourDensity = kCriticalDensity;
    return true;
  }
  const double p = region4::saturationPressure(T);
  const SaturationSubregions start = saturationSubregions(p);
  const Isotherm isotherm(T);
  liquidDensity = solveDensity(isotherm, p, Branch::liquid, 1.0 / specificVolumeInSubregion(start.liquid, T, p));
  vapourDensity = solveDensity(isotherm, p, Branch::vapour, 1.0 / specificVolumeInSubregion(start.vapour, T, p));
  return true;
}

}  // namespace if97::region3
