// Single-phase properties from (T, p): the region decides the equation, and
// each property asks its equation for only what it needs.
#include <cmath>

#include <hydrelix/if97.h>

#include "constants.h"
#include "region1.h"
#include "region2.h"
#include "region3.h"
#include "region5.h"
#include "region_selection.h"

namespace if97 {
namespace {

// Very low pressures overflow v = RT/p; such a result is no result.
double finiteOrNaN(double value) { return std::isfinite(value) ? value : kNaN; }

template <class Region1, class Region2, class Region3, class Region5>
double byRegion(double T, double p, Region1 r1, Region2 r2, Region3 r3, Region5 r5) {
  switch (regionOf(T, p)) {
    case Region::region1: return finiteOrNaN(r1(T, p));
    case Region::region2: return finiteOrNaN(r2(T, p));
    case Region::region3: {
      const double rho = region3::densityTp(T, p);
      return finiteOrNaN(r3(rho, T));
    }
    case Region::region5: return finiteOrNaN(r5(T, p));
    case Region::outside: break;
  }
  return kNaN;
}

double region3Volume(double rho, double) { return 1.0 / rho; }

}  // namespace

double specificVolume(double T, double p) {
  return byRegion(T, p, region1::specificVolume, region2::specificVolume, region3Volume,
                  region5::specificVolume);
}

double specificEnthalpy(double T, double p) {
  return byRegion(T, p, region1::specificEnthalpy, region2::specificEnthalpy,
                  region3::specificEnthalpy, region5::specificEnthalpy);
}

double specificInternalEnergy(double T, double p) {
  return byRegion(T, p, region1::specificInternalEnergy, region2::specificInternalEnergy,
                  region3::specificInternalEnergy, region5::specificInternalEnergy);
}

double specificEntropy(double T, double p) {
  return byRegion(T, p, region1::specificEntropy, region2::specificEntropy,
                  region3::specificEntropy, region5::specificEntropy);
}

double isobaricHeatCapacity(double T, double p) {
  return byRegion(T, p, region1::isobaricHeatCapacity, region2::isobaricHeatCapacity,
                  region3::isobaricHeatCapacity, region5::isobaricHeatCapacity);
}

double isochoricHeatCapacity(double T, double p) {
  return byRegion(T, p, region1::isochoricHeatCapacity, region2::isochoricHeatCapacity,
                  region3::isochoricHeatCapacity, region5::isochoricHeatCapacity);
}

double speedOfSound(double T, double p) {
  return byRegion(T, p, region1::speedOfSound, region2::speedOfSound, region3::speedOfSound,
                  region5::speedOfSound);
}

Properties propertiesTp(double T, double p) {
  return Properties{specificVolume(T, p),        specificEnthalpy(T, p),
                    specificInternalEnergy(T, p), specificEntropy(T, p),
                    isobaricHeatCapacity(T, p),   isochoricHeatCapacity(T, p),
                    speedOfSound(T, p)};
}

Properties metastableVapourTp(double T, double p) {
  constexpr double kHighestPressure = 10.0;
  if (!(T >= kMinTemperature && T <= kRegion2MaxTemperature && p > 0.0 &&
        p <= kHighestPressure)) {
    return Properties{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN};
  }
  namespace m = region2::metastable;
  return Properties{finiteOrNaN(m::specificVolume(T, p)),
                    m::specificEnthalpy(T, p),
                    finiteOrNaN(m::specificInternalEnergy(T, p)),
                    m::specificEntropy(T, p),
                    m::isobaricHeatCapacity(T, p),
                    m::isochoricHeatCapacity(T, p),
                    m::speedOfSound(T, p)};
}

}  // namespace if97
