// SPDX-License-Identifier: GPL-3.0-or-later
// Rounding to the 32-bit precision that some of the calculation's values
// carry, without the undefined cast of a value beyond the float range.
#ifndef HYDRELIX_STEAM_SINGLE_FLOAT_H
#define HYDRELIX_STEAM_SINGLE_FLOAT_H

#include <cfloat>
#include <cmath>
#include <limits>

namespace steam {

// The nearest float; beyond the float range an infinity of the same sign, so
// a range check still sees a value too large as too large. NaN stays NaN.
inline float RoundedToSingle(double value) {
  if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
  if (value > FLT_MAX) return std::numeric_limits<float>::infinity();
  if (value < -FLT_MAX) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

}  // namespace steam

#endif
