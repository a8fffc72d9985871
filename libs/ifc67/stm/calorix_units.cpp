#include "calorix_units.h"

#include <cmath>

#include "hydrelix/ifc67.h"

namespace calorix {

double kelvinFromFahrenheit(double fahrenheit) {
  const double kelvin = (fahrenheit - 32.0) / 1.8 + 273.15;
  if (std::fabs(kelvin - ifc67::kMinTemperature) < 1e-9) return ifc67::kMinTemperature;
  if (std::fabs(kelvin - ifc67::kMaxTemperature) < 1e-9) return ifc67::kMaxTemperature;
  return kelvin;
}

// The range ends come back as the round numbers users know (32.018 F, 1472 F)
// rather than an ulp beside them.
double fahrenheitFromKelvin(double kelvin) {
  if (kelvin == ifc67::kMinTemperature) return 32.018;
  if (kelvin == ifc67::kMaxTemperature) return 1472.0;
  return (kelvin - 273.15) * 1.8 + 32.0;
}

constexpr double kMegapascalPerAtmosphere = 0.101325;

double megapascalFromAtmosphere(double atmospheres) {
  const double megapascals = atmospheres * kMegapascalPerAtmosphere;
  if (std::fabs(megapascals - ifc67::kMaxPressure) < 1e-12 * ifc67::kMaxPressure) return ifc67::kMaxPressure;
  return megapascals;
}

double atmosphereFromMegapascal(double megapascals) { return megapascals / kMegapascalPerAtmosphere; }

}  // namespace calorix
