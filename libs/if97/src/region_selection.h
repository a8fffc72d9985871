// Region selection from (T, p), inline so that the (T, p) properties decide
// the region and evaluate region 1 in one run, without a call.
#ifndef HYDRELIX_IF97_REGION_SELECTION_H
#define HYDRELIX_IF97_REGION_SELECTION_H

#include <hydrelix/if97.h>

#include "boundary_b23.h"
#include "constants.h"
#include "region4.h"

namespace if97 {

inline Region regionOf(double T, double p) {
  // Comparisons are written so that NaN falls outside.
  if (!(T >= kMinTemperature && T <= kMaxTemperature && p > kMinPressure)) return Region::outside;
  if (T > kRegion2MaxTemperature) return p <= kRegion5MaxPressure ? Region::region5 : Region::outside;
  if (!(p <= kMaxPressure)) return Region::outside;
  if (T <= kRegion13Temperature) {
    // Above ps(623.15 K) every such state is liquid: no need for ps(T).
    if (p > region4::region3SaturationPressure()) return Region::region1;
    return p >= region4::saturationPressure(T) ? Region::region1 : Region::region2;
  }
  if (T <= kRegion23MaxTemperature) return p >= b23::pressure(T) ? Region::region3 : Region::region2;
  return Region::region2;
}

}  // namespace if97

#endif
