#include <limits>

#include "region3.h"

namespace if97::region3 {

double densityTp(double, double) { return std::numeric_limits<double>::quiet_NaN(); }

bool saturatedDensities(double, double& liquidDensity, double& vapourDensity) {
  liquidDensity = vapourDensity = std::numeric_limits<double>::quiet_NaN();
  return false;
}

}  // namespace if97::region3
