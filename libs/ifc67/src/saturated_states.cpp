#include "saturated_states.h"

#include <cmath>
#include <limits>

#include "coefficients.h"
#include "ifc67/ifc67.h"
#include "saturation_line.h"
#include "subregion1.h"
#include "subregion2.h"
#include "subregion3.h"

namespace ifc67 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

SaturatedState fromReduced(double chi, double eps, double sigma) {
  return {chi * kCriticalVolume, eps * kEnergyScale, sigma * kEntropyScale};
}

bool validTemperature(double T) { return T >= kMinTemperature && T <= kCriticalTemperature; }
bool validQuality(double x) { return x >= 0.0 && x <= 1.0; }

template <typename Member>
double mixture(double T, double x, Member member) {
  if (!validTemperature(T) || !validQuality(x)) return kNaN;
  // A saturated end state costs a density search above 623.15 K: skip the
  // one that carries no weight.
  if (x == 0.0) return saturatedState(T, Phase::Liquid).*member;
  if (x == 1.0) return saturatedState(T, Phase::Vapour).*member;
  const double liquid = saturatedState(T, Phase::Liquid).*member;
  const double vapour = saturatedState(T, Phase::Vapour).*member;
  return (1.0 - x) * liquid + x * vapour;
}

}  // namespace

SaturatedState saturatedState(double T, Phase phase) {
  const double theta = T / kCriticalTemperature;
  if (T <= kSubregion1MaxTemperature) {
    const double beta = reducedSaturationPressure(theta);
    if (phase == Phase::Liquid)
      return fromReduced(subregion1::reducedVolume(beta, theta), subregion1::reducedEnthalpy(beta, theta),
                         subregion1::reducedEntropy(beta, theta));
    return fromReduced(subregion2::reducedVolume(beta, theta), subregion2::reducedEnthalpy(beta, theta),
                       subregion2::reducedEntropy(beta, theta));
  }
  // Above 623.15 K: the liquid root of subregion 4 and the vapour root of
  // subregion 3 on the same isobar; at Tc1 both are the critical point.
  const bool liquid = phase == Phase::Liquid && T < kCriticalTemperature;
  const subregion3::TemperatureFactors factors = subregion3::temperatureFactors(
      theta, liquid ? subregion3::Function::Subregion4 : subregion3::Function::Subregion3);
  double chi = 1.0;
  if (T < kCriticalTemperature)
    chi = subregion3::reducedVolume(factors, reducedSaturationPressure(theta),
                                    liquid ? subregion3::Root::Liquid : subregion3::Root::Vapour);
  if (!std::isfinite(chi)) return {kNaN, kNaN, kNaN};
  const subregion3::ReducedProperties r = subregion3::reducedProperties(factors, chi);
  return fromReduced(chi, r.enthalpy, r.entropy);
}

// ---- Public API --------------------------------------------------------------

double saturationPressure(double T) {
  if (!validTemperature(T)) return kNaN;
  return kCriticalPressure * reducedSaturationPressure(T / kCriticalTemperature);
}

double saturationTemperature(double p) {
  static const double lowest = saturationPressure(kMinTemperature);
  if (!(p >= lowest && p <= kCriticalPressure)) return kNaN;
  // p / pc1 may round a hair below betaK(273.16 K) / pc1 * pc1.
  const double beta = std::fmax(p / kCriticalPressure, lowestReducedSaturationPressure());
  return kCriticalTemperature * reducedSaturationTemperature(beta);
}

double boundaryPressure(double T) {
  if (!(T >= kSubregion1MaxTemperature && T <= kSubregion3MaxTemperature)) return kNaN;
  return kCriticalPressure * reducedBoundaryPressure(T / kCriticalTemperature);
}

double saturatedVolume(double T, double x) { return mixture(T, x, &SaturatedState::volume); }
double saturatedEnthalpy(double T, double x) { return mixture(T, x, &SaturatedState::enthalpy); }
double saturatedEntropy(double T, double x) { return mixture(T, x, &SaturatedState::entropy); }

}  // namespace ifc67
