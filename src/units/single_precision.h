// SPDX-License-Identifier: GPL-3.0-or-later
// Rounding a 64-bit result to the 32-bit precision every displayed or
// entered value carries.
#ifndef HYDRELIX_UNITS_SINGLE_PRECISION_H
#define HYDRELIX_UNITS_SINGLE_PRECISION_H

#include <cfloat>
#include <cmath>

namespace units {

// The value rounded to 32 bits, or 0 when it is not finite or lies beyond the
// 32-bit range: a conversion that cannot give a true number gives 0. The
// range is checked before the cast, which would otherwise be undefined.
inline float ToSingle(double value) {
  if (!std::isfinite(value) || std::fabs(value) > FLT_MAX) return 0.0f;
  return static_cast<float>(value);
}

}  // namespace units

#endif
