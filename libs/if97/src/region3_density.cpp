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
// root reproduces p to round-off, and one more Newton step from it would be
// a rounding; at a branch end that misses p by a rounding too (the loop can
// be that shallow), the step is far longer because dp/drho is next to 0.
bool isRootOf(const Isotherm& isotherm, double rho, double p) {
  constexpr double kPressureMiss = 1e-12;
  constexpr double kNewtonStep = 1e-6;  // relative to rho
  double pressure;
  double slope;
  isotherm.pressureAndSlope(rho, pressure, slope);
  const double miss = std::fabs(pressure - p);
  return slope > 0.0 && miss <= kPressureMiss * p && miss <= kNewtonStep * rho * slope;
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

// The density on `branch` at ps(T), and whether that branch reaches ps(T):
// where it does not, the other branch's, the one state there.
bool saturatedDensityOn(double T, Branch branch, double& rho) {
  rho = kNaN;
  // The same room at 623.15 K as everywhere, so that Ts(p) of a pressure a
  // rounding above ps(623.15 K) is still accepted.
  if (!(temperatureInRegion3(T) && T <= kCriticalTemperature)) return false;
  if (T == kCriticalTemperature) {
    rho = kCriticalDensity;
    return true;
  }
  const double p = region4::saturationPressure(T);
  const SaturationSubregions start = saturationSubregions(p);
  const Isotherm isotherm(T);
  const auto solveOn = [&](Branch side) {
    const Subregion subregion = side == Branch::liquid ? start.liquid : start.vapour;
    return solveDensity(isotherm, p, side, 1.0 / specificVolumeInSubregion(subregion, T, p));
  };
  rho = solveOn(branch);
  if (isRootOf(isotherm, rho, p)) return true;
  // Where only one branch reaches ps(T), both ends are that one state.
  const double single = solveOn(otherBranch(branch));
  if (isRootOf(isotherm, single, p)) rho = single;
  return false;
}

double saturatedDensity(double T, Branch branch) {
  double rho;
  saturatedDensityOn(T, branch, rho);
  return rho;
}

// Whether the vapour branch of the isotherm at T reaches p, and its density
// there; from Tc on, the isotherm's one branch.
bool vapourRoot(double T, double p, double start, double& rho) {
  const Isotherm isotherm(T);
  rho = solveDensity(isotherm, p, T < kCriticalTemperature ? Branch::vapour : Branch::supercritical, start);
  return isRootOf(isotherm, rho, p);
}

}  // namespace

TemperatureDensity vapourBranchStart(double T, double p, double start) {
  double rho;
  if (vapourRoot(T, p, start, rho)) return {T, rho};
  // The top of the vapour branch rises with T: the first temperature where it
  // reaches p lies a little above T (measured: at most 2e-9 K). Steps that
  // double from one ulp find a temperature beyond it, halving finds the
  // first double there. Bounded by the step counts.
  constexpr int kMostDoublings = 48;
  constexpr int kMostHalvings = 64;
  double below = T;
  double above = kNaN;
  double rhoAbove = kNaN;
  // Whether the branch reaches p at the candidate; moves the bracket.
  const auto probe = [&](double candidate, double from) {
    double rho;
    const bool reaches = vapourRoot(candidate, p, from, rho);
    if (reaches) {
      above = candidate;
      rhoAbove = rho;
    } else {
      below = candidate;
    }
    return reaches;
  };
  double step = std::nextafter(T, 2.0 * T) - T;
  for (int doubling = 0; doubling < kMostDoublings && !probe(T + step, start); ++doubling) step *= 2.0;
  if (std::isnan(above)) return {kNaN, kNaN};
  for (int halving = 0; halving < kMostHalvings; ++halving) {
    const double middle = below + 0.5 * (above - below);
    if (middle <= below || middle >= above) break;
    probe(middle, rhoAbove);
  }
  return {above, rhoAbove};
}

TemperatureDensity saturatedVapourEnd(double T) {
  double rho;
  if (saturatedDensityOn(T, Branch::vapour, rho) || std::isnan(rho)) return {T, rho};
  const TemperatureDensity start = vapourBranchStart(T, region4::saturationPressure(T), rho);
  return std::isnan(start.T) ? TemperatureDensity{T, rho} : start;
}

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

IsobarEnds isobarEnds(double p) {
  constexpr TemperatureDensity kNone{kNaN, kNaN};
  IsobarEnds ends{kNaN, kNone, kNone, kNone, kNone};
  if (!(p >= region4::region3SaturationPressure() && p < kCriticalPressure)) return ends;
  const double Ts = region4::saturationTemperature(p);
  const double liquidDensity = saturatedLiquidDensity(Ts);
  const TemperatureDensity vapour = saturatedVapourEnd(Ts);
  if (std::isnan(liquidDensity) || std::isnan(vapour.rho)) return ends;
  ends.Ts = Ts;
  ends.liquidOnLine = ends.liquidOnIsobar = {Ts, liquidDensity};
  ends.vapourOnLine = ends.vapourOnIsobar = vapour;
  constexpr double kNextToPc = 1e-4;  // MPa
  if (p > kCriticalPressure - kNextToPc) {
    const Isotherm isotherm(Ts);
    const double liquidOnIsobar = solveDensity(isotherm, p, Branch::liquid, liquidDensity);
    if (isRootOf(isotherm, liquidOnIsobar, p)) ends.liquidOnIsobar = {Ts, liquidOnIsobar};
    const TemperatureDensity start = vapourBranchStart(Ts, p, vapour.rho);
    if (!std::isnan(start.rho)) ends.vapourOnIsobar = start;
  }
  return ends;
}

}  // namespace if97::region3
