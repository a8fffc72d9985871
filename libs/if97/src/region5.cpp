// SPDX-License-Identifier: MIT
#include "region5.h"

#include "gas_equation.h"
#include "region5_coefficients.h"

namespace if97::region5 {
namespace {

struct Tables {
  static constexpr const auto& ideal = kRegion5Ideal;
  static constexpr const auto& residual = kRegion5Residual;
  static constexpr double pressure = 1.0;
  static constexpr double temperature = 1000.0;
  static constexpr double tauShift = 0.0;  // gammar is written in tau itself
};

using Equation = GasEquation<Tables>;

}  // namespace

double specificVolume(double T, double p) { return Equation::specificVolume(T, p); }
double specificEnthalpy(double T, double p) { return Equation::specificEnthalpy(T, p); }
double specificInternalEnergy(double T, double p) { return Equation::specificInternalEnergy(T, p); }
double specificEntropy(double T, double p) { return Equation::specificEntropy(T, p); }
double isobaricHeatCapacity(double T, double p) { return Equation::isobaricHeatCapacity(T, p); }
double isochoricHeatCapacity(double T, double p) { return Equation::isochoricHeatCapacity(T, p); }
double speedOfSound(double T, double p) { return Equation::speedOfSound(T, p); }
void enthalpyWithSlope(double T, double p, double& h, double& cp) {
  Equation::enthalpyWithSlope(T, p, h, cp);
}
void entropyWithSlope(double T, double p, double& s, double& dsdT) {
  Equation::entropyWithSlope(T, p, s, dsdT);
}

}  // namespace if97::region5
