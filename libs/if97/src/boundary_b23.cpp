// SPDX-License-Identifier: MIT
#include "boundary_b23.h"

#include <cmath>

#include "b23_coefficients.h"

namespace if97::b23 {

double pressure(double T) { return kB23[0] + kB23[1] * T + kB23[2] * T * T; }

double temperature(double p) { return kB23[3] + std::sqrt((p - kB23[4]) / kB23[2]); }

}  // namespace if97::b23
