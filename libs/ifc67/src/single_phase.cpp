// SPDX-License-Identifier: MIT
#include "single_phase.h"

#include <cmath>
#include <limits>

#include "coefficients.h"
#include "hydrelix/ifc67.h"
#include "saturation_line.h"
#include "subregion1.h"
#include "subregion2.h"
#include "subregion3.h"

namespace ifc67 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A non-finite result is an arithmetic fault, never a value.
double finiteOrNaN(double value) { return std::isfinite(value) ? value : kNaN; }

double inApiUnits(Property property, double reduced) {
  switch (property) {
    case Property::Volume: return reduced * kCriticalVolume;
    case Property::Enthalpy: return reduced * kEnergyScale;
    case Property::Entropy:
    case Property::HeatCapacity: return reduced * kEntropyScale;
  }
  return kNaN;
}

subregion3::Root nearCriticalRoot(int subregion) {
  return subregion == 4 ? subregion3::Root::Liquid : subregion3::Root::Vapour;
}

bool insideRange(double T, double p) {
  return T >= kMinTemperature && T <= kMaxTemperature && p > 0.0 && p <= kMaxPressure;
}

// 1 to 4 for (T, p) inside the range.
int selectSubregion(double T, double p) {
  const double theta = T / kCriticalTemperature;
  const double beta = p / kCriticalPressure;
  if (T <= kSubregion1MaxTemperature) return beta >= reducedSaturationPressure(theta) ? 1 : 2;
  if (T > kSubregion3MaxTemperature) return 2;
  if (beta <= reducedBoundaryPressure(theta)) return 2;
  if (T < kCriticalTemperature && beta >= reducedSaturationPressure(theta)) return 4;
  return 3;
}

}  // namespace

double propertyAt(Property property, double T, double p) {
  return propertyInSubregion(property, selectSubregion(T, p), T, p);
}

double propertyInSubregion(Property property, int subregion, double T, double p) {
  const double theta = T / kCriticalTemperature;
  const double beta = p / kCriticalPressure;
  if (subregion == 1 || subregion == 2) {
    using Function = double (*)(double, double);
    const bool liquid = subregion == 1;
    const Function volume = liquid ? subregion1::reducedVolume : subregion2::reducedVolume;
    const Function enthalpy = liquid ? subregion1::reducedEnthalpy : subregion2::reducedEnthalpy;
    const Function entropy = liquid ? subregion1::reducedEntropy : subregion2::reducedEntropy;
    const Function heatCapacity = liquid ? subregion1::reducedHeatCapacity : subregion2::reducedHeatCapacity;
    double reduced = kNaN;
    switch (property) {
      case Property::Volume: reduced = volume(beta, theta); break;
      case Property::Enthalpy: reduced = enthalpy(beta, theta); break;
      case Property::Entropy: reduced = entropy(beta, theta); break;
      case Property::HeatCapacity: reduced = heatCapacity(beta, theta); break;
    }
    return finiteOrNaN(inApiUnits(property, reduced));
  }
  if (subregion == 3 || subregion == 4)
    return finiteOrNaN(
        nearCriticalProperty(property, nearCriticalState(property, beta, theta, nearCriticalRoot(subregion))));
  return kNaN;
}

subregion3::State nearCriticalState(Property property, double beta, double theta, subregion3::Root root) {
  return subregion3::stateAt(
      beta, theta, root, property == Property::Volume ? subregion3::Wanted::VolumeOnly : subregion3::Wanted::Everything);
}

double nearCriticalProperty(Property property, const subregion3::State& state) {
  switch (property) {
    case Property::Volume: return inApiUnits(property, state.chi);
    case Property::Enthalpy: return inApiUnits(property, state.properties.enthalpy);
    case Property::Entropy: return inApiUnits(property, state.properties.entropy);
    case Property::HeatCapacity: return inApiUnits(property, state.properties.heatCapacity);
  }
  return kNaN;
}

PropertyAndSlope propertyAndSlopeAt(Property property, double T, double p) {
  const int subregion = selectSubregion(T, p);
  const bool withSlope = property == Property::Enthalpy || property == Property::Entropy;
  if (!withSlope || subregion == 1) return {propertyInSubregion(property, subregion, T, p), kNaN};
  if (subregion == 2) {
    const double theta = T / kCriticalTemperature;
    const double beta = p / kCriticalPressure;
    const subregion2::WithHeatCapacity state = property == Property::Enthalpy
                                                   ? subregion2::reducedEnthalpyWithHeatCapacity(beta, theta)
                                                   : subregion2::reducedEntropyWithHeatCapacity(beta, theta);
    const double cp = state.heatCapacity * kEntropyScale;
    return {finiteOrNaN(inApiUnits(property, state.value)), property == Property::Enthalpy ? cp : cp / T};
  }
  const subregion3::State state = nearCriticalState(property, p / kCriticalPressure, T / kCriticalTemperature,
                                                    nearCriticalRoot(subregion));
  const double cp = nearCriticalProperty(Property::HeatCapacity, state);
  const double value = finiteOrNaN(nearCriticalProperty(property, state));
  return {value, property == Property::Enthalpy ? cp : cp / T};
}

// ---- Public API --------------------------------------------------------------

int subregionTp(double T, double p) { return insideRange(T, p) ? selectSubregion(T, p) : 0; }

namespace {
double singlePhase(Property property, double T, double p) {
  return insideRange(T, p) ? propertyAt(property, T, p) : kNaN;
}
}  // namespace

double specificVolume(double T, double p) { return singlePhase(Property::Volume, T, p); }
double specificEnthalpy(double T, double p) { return singlePhase(Property::Enthalpy, T, p); }
double specificEntropy(double T, double p) { return singlePhase(Property::Entropy, T, p); }
double isobaricHeatCapacity(double T, double p) { return singlePhase(Property::HeatCapacity, T, p); }

double specificInternalEnergy(double T, double p) {
  // p v is in MPa m3/kg = MJ/kg
  return specificEnthalpy(T, p) - 1000.0 * p * specificVolume(T, p);
}

}  // namespace ifc67
