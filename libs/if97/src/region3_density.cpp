// Densities from the region 3 basic equation: the single-phase state at
// (T, p) and the saturated liquid and vapour at T.

#include <cmath>

#include "region3.h"
#include "region3_density_solver.h"
#include "region3_helmholtz.h"
#include "region3_limits.h"
#include "region3_volume_tp.h"
#include "region4.h"

namespace if97::region3 {
namespace {

// Within about 3e-5 K of Tc the isotherm's loop is so shallow that p can lie
// beyond the top (or under the bottom) of it: one branch has no root there
// and its solve stops where the isotherm is flattest, with dp/drho <= 0 and
// cp undefined. The other branch then holds the only state at (T, p). A real
// root reproduces p to round-off; a branch end misses it by far more.
bool isRootOf(const Isotherm& isotherm, double rho, double p) {
  constexpr double kPressureMiss = 1e-12;
  double pressure;
  double slope;
  isotherm.pressureAndSlope(rho, pressure, slope);
  return slope > 0.0 && std::fabs(pressure - p) <= kPressureMiss * p;
}

Branch otherBranch(Branch branch) { return branch == Branch::liquid ? Branch::vapour : Branch::liquid; }

}  // namespace

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
  const Isotherm isotherm(T);
  const double rho = solveDensity(isotherm, p, branch, start);
  if (branch == Branch::supercritical || isRootOf(isotherm, rho, p)) return rho;
  const double single = solveDensity(isotherm, p, otherBranch(branch), rho);
  return isRootOf(isotherm, single, p) ? single : rho;
}

namespace {

double saturatedDensity(double T, Branch branch) {
  // The same room at 623.15 K as everywhere, so that Ts(p) of a pressure a
  // rounding above ps(623.15 K) is still accepted.
  if (!(temperatureInRegion3(T) && T <= kCriticalTemperature)) return kNaN;
  if (T == kCriticalTemperature) return kCriticalDensity;
  const double p = region4::saturationPressure(T);
  const SaturationSubregions start = saturationSubregions(p);
  const Isotherm isotherm(T);
  const auto solveOn = [&](Branch side) {
    const Subregion subregion = side == Branch::liquid ? start.liquid : start.vapour;
    return solveDensity(isotherm, p, side, 1.0 / specificVolumeInSubregion(subregion, T, p));
  };
  const double rho = solveOn(branch);
  if (isRootOf(isotherm, rho, p)) return rho;
  // Where only one branch reaches ps(T), both ends are that one state.
  const double single = solveOn(otherBranch(branch));
  return isRootOf(isotherm, single, p) ? single : rho;
}

}  // namespace

double saturatedLiquidDensity(double T) { return saturatedDensity(T, Branch::liquid); }

double saturatedVapourDensity(double T) { return saturatedDensity(T, Branch::vapour); }

bool saturatedDensities(double T, double& liquidDensity, double& vapourDensity) {
  liquidDensity = saturatedLiquidDensity(T);
  vapourDensity = saturatedVapourDensity(T);
  if (std::isnan(liquidDensity) || std::isnan(vapourDensity)) {
    liquidDensity = vapourDensity = kNaN;
    return false;
  }
  return true;
}

}  // namespace if97::region3
