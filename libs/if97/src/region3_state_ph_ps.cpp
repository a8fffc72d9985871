#include <limits>

#include "region3.h"

namespace if97::region3 {

TemperatureDensity fromPh(double, double) {
  return {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN()};
}
TemperatureDensity fromPs(double, double) {
  return {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN()};
}

}  // namespace if97::region3
