// IAPWS-IF97 region 4: the saturation line as one quadratic in
// theta = T + n9 / (T - n10) and beta = p^(1/4), solved either way.
#ifndef HYDRELIX_IF97_REGION4_H
#define HYDRELIX_IF97_REGION4_H

#include <hydrelix/if97.h>

#include <limits>

#include "region4_line.h"

namespace if97::region4 {

// MPa, for 273.15 K <= T <= 647.096 K; NaN outside.
inline double saturationPressure(double T) {
  // Written so that NaN fails the test too.
  if (!(T >= kMinTemperature && T <= kCriticalTemperature)) return std::numeric_limits<double>::quiet_NaN();
  return pressureOnLine(T);
}

// K, for ps(273.15 K) <= p <= 22.064 MPa; NaN outside.
double saturationTemperature(double p);

// The lowest pressure of the saturation line, ps(273.15 K), in MPa, as
// pressureOnLine computes it (a test holds the two equal).
inline constexpr double lowestSaturationPressure() { return kLowestSaturationPressure; }

// ps(623.15 K), where the saturation line enters region 3, in MPa, likewise.
inline constexpr double region3SaturationPressure() { return 16.529164252604509; }

}  // namespace if97::region4

#endif
