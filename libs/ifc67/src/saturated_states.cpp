#include "saturated_states.h"

#include <cmath>
#include <limits>

#include "coefficients.h"
#include "hydrelix/ifc67.h"
#include "saturation_line.h"
#include "subregion3.h"

namespace ifc67 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool validTemperature(double T) { return T >= kMinTemperature && T <= kCriticalTemperature; }
bool validQuality(double x) { return x >= 0.0 && x <= 1.0; }

double mixture(Property property, double T, double x) {
  if (!validTemperature(T) || !validQuality(x)) return kNaN;
  // A saturated end state costs a density search above 623.15 K: skip the
  // one that carries no weight.
  if (x == 0.0) return saturatedProperty(property, T, Phase::Liquid);
  if (x == 1.0) return saturatedProperty(property, T, Phase::Vapour);
  return (1.0 - x) * saturatedProperty(property, T, Phase::Liquid) + x * saturatedProperty(property, T, Phase::Vapour);
}

}  // namespace

double saturatedProperty(Property property, double T, Phase phase) {
  if (T <= kSubregion1MaxTemperature)
    return propertyInSubregion(property, phase == Phase::Liquid ? 1 : 2, T, saturationPressure(T));
  // Above 623.15 K: the liquid root of subregion 4 and the vapour root of
  // subregion 3 on the same isobar; at Tc1 both are the critical point.
  const double theta = T / kCriticalTemperature;
  subregion3::State state{1.0, {}};  // the critical point, chi = 1
  if (T < kCriticalTemperature) {
    state = nearCriticalState(property, reducedSaturationPressure(theta), theta,
                              phase == Phase::Liquid ? subregion3::Root::Liquid : subregion3::Root::Vapour);
  } else {
    state.properties =
        subregion3::reducedProperties(subregion3::temperatureFactors(1.0, subregion3::Function::Subregion3), 1.0);
  }
  return nearCriticalProperty(property, state);
}

// ---- Public API --------------------------------------------------------------

double saturationPressure(double T) {
  if (!validTemperature(T)) return kNaN;
  return kCriticalPressure * reducedSaturationPressure(T / kCriticalTemperature);
}

double lowestSaturationPressure() {
  static const double lowest = saturationPressure(kMinTemperature);
  return lowest;
}

double saturationTemperature(double p) {
  if (!(p >= lowestSaturationPressure() && p <= kCriticalPressure)) return kNaN;
  // At p = ps(273.16 K), p / pc1 may round a hair below betaK(273.16 K),
  // which the inverse would refuse.
  const double beta = std::fmax(p / kCriticalPressure, lowestReducedSaturationPressure());
  return kCriticalTemperature * reducedSaturationTemperature(beta);
}

double boundaryPressure(double T) {
  if (!(T >= kSubregion1MaxTemperature && T <= kSubregion3MaxTemperature)) return kNaN;
  return kCriticalPressure * reducedBoundaryPressure(T / kCriticalTemperature);
}

double mixtureVolumeTx(double T, double x) { return mixture(Property::Volume, T, x); }
double mixtureEnthalpyTx(double T, double x) { return mixture(Property::Enthalpy, T, x); }
double mixtureEntropyTx(double T, double x) { return mixture(Property::Entropy, T, x); }

}  // namespace ifc67
