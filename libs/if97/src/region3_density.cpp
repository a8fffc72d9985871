// Densities from the region 3 basic equation: the single-phase state at
// (T, p) and the saturated liquid and vapour at T.
#include <cmath>
#include <limits>

#include "region3.h"
#include "region3_density_solver.h"
#include "region3_helmholtz.h"
#include "region3_limits.h"
#include "region3_volume_tp.h"
#include "region4.h"

namespace if97::region3 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Subregions whose v(p, T) equations reach the saturation line from the
// liquid and from the vapour side, by pressure band.
void saturationStartSubregions(double p, Subregion& liquid, Subregion& vapour) {
  if (p <= 19.00881189173929) {
    liquid = Subregion::c;
    vapour = Subregion::t;
  } else if (p <= 20.5) {
    liquid = Subregion::s;
    vapour = Subregion::t;
  } else if (p <= 21.04336732) {
    liquid = Subregion::s;
    vapour = Subregion::r;
  } else {
    liquid = p <= 21.93161551 ? Subregion::u : Subregion::y;
    vapour = p <= 21.90096265 ? Subregion::x : Subregion::z;
  }
}

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
  return solveDensity(Isotherm(T), p, branch, start);
}

bool saturatedDensities(double T, double& liquidDensity, double& vapourDensity) {
  liquidDensity = vapourDensity = kNaN;
  if (!(T >= kLowestTemperature && T <= kCriticalTemperature)) return false;
  if (T == kCriticalTemperature) {
    liquidDensity = vapourDensity = kCriticalDensity;
    return true;
  }
  const double p = region4::saturationPressure(T);
  Subregion liquid;
  Subregion vapour;
  saturationStartSubregions(p, liquid, vapour);
  const Isotherm isotherm(T);
  liquidDensity = solveDensity(isotherm, p, Branch::liquid, 1.0 / specificVolumeInSubregion(liquid, T, p));
  vapourDensity = solveDensity(isotherm, p, Branch::vapour, 1.0 / specificVolumeInSubregion(vapour, T, p));
  return true;
}

}  // namespace if97::region3
