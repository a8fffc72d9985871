// Region 3 backward equations of (p, h) and (p, s) (IAPWS SR3-03): T and v in
// subregions 3a and 3b, the 3a/3b boundary and the approximate saturation
// pressures p3sat(h), p3sat(s). Used on their own for speed and as the start
// of the exact (p, h) and (p, s) solutions.
#include <cmath>

#include "constants.h"
#include "region3.h"
#include "region3_backward_ph_ps.h"
#include "region3_backward_ph_ps_tables.h"
#include "term_sums.h"

namespace if97::region3 {
namespace {

// The lowest pressure of region 3, MPa: ps(623.15 K) rounded down.
constexpr double kLowestPressure = 16.5291642;

bool pressureInRange(double p) { return p >= kLowestPressure && p <= kMaxPressure; }

// Enthalpy and entropy far outside anything region 3 reaches; inside these
// the reduced arguments of every equation stay clear of zero.
bool enthalpyPlausible(double h) { return h > 1000.0 && h < 3500.0; }
bool entropyPlausible(double s) { return s > 2.5 && s < 6.5; }

// Critical entropy, kJ/(kg K): subregion 3a lies at or below it.
constexpr double kCriticalEntropy = 4.41202148223476;

bool isSubregion3aPh(double p, double h) { return h <= criticalIsentropeEnthalpy(p); }
bool isSubregion3aPs(double s) { return s <= kCriticalEntropy; }

}  // namespace

double criticalIsentropeEnthalpy(double p) {
  const double* n = kBoundaryH3ab;
  return n[0] + p * (n[1] + p * (n[2] + p * n[3]));
}

namespace backward {

double temperaturePh(double p, double h) {
  if (!pressureInRange(p) || !enthalpyPlausible(h)) return kNaN;
  const double pi = p / 100.0;
  if (isSubregion3aPh(p, h))
    return 760.0 * sumOverTable<kRegion3aBackwardTph>(pi + 0.240, h / 2300.0 - 0.615);
  return 860.0 * sumOverTable<kRegion3bBackwardTph>(pi + 0.298, h / 2800.0 - 0.720);
}

double specificVolumePh(double p, double h) {
  if (!pressureInRange(p) || !enthalpyPlausible(h)) return kNaN;
  const double pi = p / 100.0;
  if (isSubregion3aPh(p, h))
    return 0.0028 * sumOverTable<kRegion3aBackwardVph>(pi + 0.128, h / 2100.0 - 0.727);
  return 0.0088 * sumOverTable<kRegion3bBackwardVph>(pi + 0.0661, h / 2800.0 - 0.720);
}

double temperaturePs(double p, double s) {
  if (!pressureInRange(p) || !entropyPlausible(s)) return kNaN;
  const double pi = p / 100.0;
  if (isSubregion3aPs(s))
    return 760.0 * sumOverTable<kRegion3aBackwardTps>(pi + 0.240, s / 4.4 - 0.703);
  return 860.0 * sumOverTable<kRegion3bBackwardTps>(pi + 0.760, s / 5.3 - 0.818);
}

double specificVolumePs(double p, double s) {
  if (!pressureInRange(p) || !entropyPlausible(s)) return kNaN;
  const double pi = p / 100.0;
  if (isSubregion3aPs(s))
    return 0.0028 * sumOverTable<kRegion3aBackwardVps>(pi + 0.187, s / 4.4 - 0.755);
  return 0.0088 * sumOverTable<kRegion3bBackwardVps>(pi + 0.298, s / 5.3 - 0.816);
}

// Valid between the saturated liquid and vapour at 623.15 K; the equation is
// a fit of the saturation line seen from h (or s) and means nothing beyond.
double saturationPressureH(double h) {
  if (!(h >= 1670.858218 && h <= 2563.592004)) return kNaN;
  const double eta = h / 2600.0;
  return 22.0 * sumOverTable<kRegion3SaturationPressureH>(eta - 1.02, eta - 0.608);
}

double saturationPressureS(double s) {
  if (!(s >= 3.778281340 && s <= 5.210887825)) return kNaN;
  const double sigma = s / 5.2;
  return 22.0 * sumOverTable<kRegion3SaturationPressureS>(sigma - 1.03, sigma - 0.699);
}

}  // namespace backward
}  // namespace if97::region3
