// Region 3 states from (p, h) and (p, s): the backward equations give the
// start, a 2-D Newton iteration on the basic equation, p(rho, T) = p and
// h(rho, T) = h (or s), makes the state consistent with it.
#include <cmath>

#include "boundary_b23.h"
#include "region3.h"
#include "region3_density_solver.h"
#include "region3_helmholtz.h"
#include "region3_limits.h"
#include "region4.h"

namespace if97::region3 {
namespace {

constexpr TemperatureDensity kNoState{kNaN, kNaN};

constexpr int kMaxNewtonSteps = 40;
constexpr int kMaxBisectionSteps = 200;
constexpr double kRelativeStep = 1e-13;

enum class Given { enthalpy, entropy };

// p and the given quantity z with their derivatives in rho and T.
struct PressureAndGiven {
  double p, pRho, pT;
  double z, zRho, zT;
};

PressureAndGiven pressureAndGivenAt(double rho, double T, Given given) {
  const HelmholtzDerivatives d = helmholtzDerivatives(rho, T);
  const double R = kGasConstant;
  PressureAndGiven r;
  r.p = pressureFrom(rho, T, d.deltaPhiDelta);
  r.pRho = R * T * (2.0 * d.deltaPhiDelta + d.delta2PhiDeltaDelta) / 1000.0;
  r.pT = rho * R * (d.deltaPhiDelta - d.deltaTauPhiDeltaTau) / 1000.0;
  if (given == Given::enthalpy) {
    r.z = enthalpyFrom(T, d.deltaPhiDelta, d.tauPhiTau);
    r.zRho = R * T / rho * (d.deltaTauPhiDeltaTau + d.deltaPhiDelta + d.delta2PhiDeltaDelta);
    r.zT = R * (d.deltaPhiDelta - d.tau2PhiTauTau - d.deltaTauPhiDeltaTau);
  } else {
    r.z = entropyFrom(d.phi, d.tauPhiTau);
    r.zRho = R / rho * (d.deltaTauPhiDeltaTau - d.deltaPhiDelta);
    r.zT = -R * d.tau2PhiTauTau / T;
  }
  return r;
}

double givenAt(double rho, double T, Given given) {
  const HelmholtzDerivatives d = helmholtzDerivatives(rho, T);
  return given == Given::enthalpy ? enthalpyFrom(T, d.deltaPhiDelta, d.tauPhiTau)
                                  : entropyFrom(d.phi, d.tauPhiTau);
}

// Where the state may lie: temperatures, densities and the branch of the
// isotherms that the phase the state is in allows.
struct Box {
  double TLow, THigh, rhoLow, rhoHigh;
  bool liquid, vapour;  // below the saturation line's pressure only
};

Branch branchAt(const Box& box, double T) {
  if (T >= kCriticalTemperature) return Branch::supercritical;
  if (box.vapour) return Branch::vapour;
  return Branch::liquid;
}

bool converged(double step, double value) { return std::fabs(step) <= kRelativeStep * std::fabs(value); }

// Newton on both equations at once; a step that would leave the box is
// shortened to stay inside. False when it does not settle.
bool newton(double p, double z, Given given, const Box& box, double& rho, double& T) {
  double previousStep = 1.0;  // relative size of the last full step
  for (int iteration = 0; iteration < kMaxNewtonSteps; ++iteration) {
    const PressureAndGiven r = pressureAndGivenAt(rho, T, given);
    const double f = r.p - p;
    const double g = r.z - z;
    const double determinant = r.pRho * r.zT - r.pT * r.zRho;
    if (!(std::fabs(determinant) > 0.0) || !std::isfinite(determinant)) return false;
    double dRho = -(f * r.zT - g * r.pT) / determinant;
    double dT = -(r.pRho * g - r.zRho * f) / determinant;
    // A step this small means the state is found, even where the box would
    // have shortened it (a state next to the saturation line).
    if (converged(dRho, rho) && converged(dT, T)) {
      rho += dRho;
      T += dT;
      return true;
    }
    double scale = 1.0;
    if (rho + dRho < box.rhoLow) scale = std::fmin(scale, 0.5 * (box.rhoLow - rho) / dRho);
    if (rho + dRho > box.rhoHigh) scale = std::fmin(scale, 0.5 * (box.rhoHigh - rho) / dRho);
    if (T + dT < box.TLow) scale = std::fmin(scale, 0.5 * (box.TLow - T) / dT);
    if (T + dT > box.THigh) scale = std::fmin(scale, 0.5 * (box.THigh - T) / dT);
    if (!(scale > 0.0)) return false;
    dRho *= scale;
    dT *= scale;
    rho += dRho;
    T += dT;
    // A full step far smaller than the one before means quadratic
    // convergence: the error left is of the order of its square, below
    // round-off, and one more evaluation would only confirm it.
    const double relativeStep = std::fmax(std::fabs(dRho / rho), std::fabs(dT / T));
    if (scale == 1.0 && relativeStep <= 1e-7 && relativeStep <= 1e-3 * previousStep) return true;
    if (scale == 1.0) previousStep = relativeStep;
  }
  return false;
}

// The slow and sure way: along the isobar the given quantity rises with T,
// so bisect on T with the density solved on the state's branch each time.
bool bisectOnIsobar(double p, double z, Given given, const Box& box, double& rho, double& T) {
  double low = box.TLow;
  double high = box.THigh;
  const double zLow = givenAt(solveDensity(Isotherm(low), p, branchAt(box, low), kNaN), low, given);
  const double zHigh = givenAt(solveDensity(Isotherm(high), p, branchAt(box, high), kNaN), high, given);
  // A state on an end of the range (the saturated state itself, up to the
  // rounding its z carries near the critical point) is that end.
  const double endTolerance = 1e-10 * std::fabs(z);
  if (!(z >= zLow - endTolerance && z <= zHigh + endTolerance)) return false;
  if (z <= zLow || z >= zHigh) {
    T = z <= zLow ? low : high;
    rho = solveDensity(Isotherm(T), p, branchAt(box, T), kNaN);
    return true;
  }
  for (int step = 0; step < kMaxBisectionSteps && high - low > kRelativeStep * high; ++step) {
    const double middle = 0.5 * (low + high);
    rho = solveDensity(Isotherm(middle), p, branchAt(box, middle), rho);
    if (givenAt(rho, middle, given) < z) {
      low = middle;
    } else {
      high = middle;
    }
  }
  T = 0.5 * (low + high);
  rho = solveDensity(Isotherm(T), p, branchAt(box, T), rho);
  return true;
}

// Near the critical point the isotherms are so flat that the saturated
// densities carry rounding of about 1e-9; a state beyond the saturated one by
// less than that may solve to a point just outside the box. Newton gets this
// much room on the saturation side, and the result is put back inside.
Box widenedAtSaturation(Box box) {
  constexpr double kRoom = 1e-7;
  if (box.liquid) {
    box.THigh += kRoom * box.THigh;
    box.rhoLow -= kRoom * box.rhoLow;
  }
  if (box.vapour) {
    box.TLow -= kRoom * box.TLow;
    box.rhoHigh += kRoom * box.rhoHigh;
  }
  return box;
}

// A start outside the box goes just inside its nearest edge: the backward
// equations are a few mK and 0.01 % off, so a state next to the saturation
// line can start on its far side.
double clampInto(double value, double low, double high) {
  const double inset = 1e-6 * (high - low);
  if (value < low + inset) return low + inset;
  if (value > high - inset) return high - inset;
  if (std::isnan(value)) return 0.5 * (low + high);
  return value;
}

TemperatureDensity stateFrom(double p, double z, Given given) {
  if (!(p >= region4::region3SaturationPressure() && p <= kMaxPressure) || !std::isfinite(z)) return kNoState;
  Box box{kRegion13Temperature - kTemperatureSeam, b23::temperature(p) + kTemperatureSeam, kLowestDensity,
          kHighestDensity, false, false};
  if (p < kCriticalPressure) {
    // Below pc the saturated states at Ts(p), exact on the basic equation,
    // split the isobar; between them lies the two-phase region (isobarEnds).
    const IsobarEnds ends = isobarEnds(p);
    if (std::isnan(ends.Ts)) return kNoState;
    // Through the public functions, as every caller computes the saturated
    // values, so that the two-phase test here agrees with theirs to the bit.
    const auto saturated = given == Given::enthalpy ? specificEnthalpy : specificEntropy;
    const auto value = [saturated](const TemperatureDensity& end) { return saturated(end.rho, end.T); };
    const double zLiquid = std::fmin(value(ends.liquidOnLine), value(ends.liquidOnIsobar));
    const double zVapour = std::fmax(value(ends.vapourOnLine), value(ends.vapourOnIsobar));
    const double Ts = ends.Ts;
    const double liquidDensity = ends.liquidOnIsobar.rho;
    const TemperatureDensity vapour = ends.vapourOnIsobar;
    if (z >= zLiquid && z <= zVapour) return kNoState;
    if (z < zLiquid) {
      box.THigh = Ts;
      box.rhoLow = liquidDensity;
      box.liquid = true;
    } else {
      box.TLow = vapour.T;
      box.rhoHigh = vapour.rho;
      box.vapour = true;
    }
  }
  double T;
  double v;
  if (given == Given::enthalpy) {
    T = backward::temperaturePh(p, z);
    v = backward::specificVolumePh(p, z);
  } else {
    T = backward::temperaturePs(p, z);
    v = backward::specificVolumePs(p, z);
  }
  T = clampInto(T, box.TLow, box.THigh);
  double rho = clampInto(1.0 / v, box.rhoLow, box.rhoHigh);
  if (!newton(p, z, given, widenedAtSaturation(box), rho, T) && !bisectOnIsobar(p, z, given, box, rho, T)) {
    return kNoState;
  }
  // Back onto the state's own side of the saturation line, where rounding
  // may have left it a hair across.
  return {std::fmin(std::fmax(T, box.TLow), box.THigh), std::fmin(std::fmax(rho, box.rhoLow), box.rhoHigh)};
}

}  // namespace

TemperatureDensity fromPh(double p, double h) { return stateFrom(p, h, Given::enthalpy); }

TemperatureDensity fromPs(double p, double s) { return stateFrom(p, s, Given::entropy); }

}  // namespace if97::region3
