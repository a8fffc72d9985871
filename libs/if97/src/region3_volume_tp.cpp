#include <limits>

#include "region3.h"

namespace if97::region3::backward {

double specificVolumeTp(double, double) { return std::numeric_limits<double>::quiet_NaN(); }

}  // namespace if97::region3::backward
