// SPDX-License-Identifier: MIT
#include "region2.h"

#include "gas_equation.h"
#include "region2_coefficients.h"

namespace if97::region2 {
namespace {

// The stable and the metastable form differ only in their tables.
struct Reducing {
  static constexpr double pressure = 1.0;
  static constexpr double temperature = 540.0;
  static constexpr double tauShift = 0.5;
};

struct StableTables : Reducing {
  static constexpr const auto& ideal = kRegion2Ideal;
  static constexpr const auto& residual = kRegion2Residual;
};

struct MetastableTables : Reducing {
  static constexpr const auto& ideal = kRegion2MetastableIdeal;
  static constexpr const auto& residual = kRegion2MetastableResidual;
};

using Stable = GasEquation<StableTables>;
using Metastable = GasEquation<MetastableTables>;

}  // namespace

double specificVolume(double T, double p) { return Stable::specificVolume(T, p); }
double specificEnthalpy(double T, double p) { return Stable::specificEnthalpy(T, p); }
double specificInternalEnergy(double T, double p) { return Stable::specificInternalEnergy(T, p); }
double specificEntropy(double T, double p) { return Stable::specificEntropy(T, p); }
double isobaricHeatCapacity(double T, double p) { return Stable::isobaricHeatCapacity(T, p); }
double isochoricHeatCapacity(double T, double p) { return Stable::isochoricHeatCapacity(T, p); }
double speedOfSound(double T, double p) { return Stable::speedOfSound(T, p); }
void enthalpyWithSlope(double T, double p, double& h, double& cp) {
  Stable::enthalpyWithSlope(T, p, h, cp);
}
void entropyWithSlope(double T, double p, double& s, double& dsdT) {
  Stable::entropyWithSlope(T, p, s, dsdT);
}

namespace metastable {
double specificVolume(double T, double p) { return Metastable::specificVolume(T, p); }
double specificEnthalpy(double T, double p) { return Metastable::specificEnthalpy(T, p); }
double specificInternalEnergy(double T, double p) {
  return Metastable::specificInternalEnergy(T, p);
}
double specificEntropy(double T, double p) { return Metastable::specificEntropy(T, p); }
double isobaricHeatCapacity(double T, double p) { return Metastable::isobaricHeatCapacity(T, p); }
double isochoricHeatCapacity(double T, double p) {
  return Metastable::isochoricHeatCapacity(T, p);
}
double speedOfSound(double T, double p) { return Metastable::speedOfSound(T, p); }
}  // namespace metastable

}  // namespace if97::region2
