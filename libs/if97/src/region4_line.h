// The saturation-pressure equation itself, inline so that the cheapest entry
// point (ps(T) through the caller's units) is one straight run of arithmetic.
#ifndef HYDRELIX_IF97_REGION4_LINE_H
#define HYDRELIX_IF97_REGION4_LINE_H

#include <cmath>

#include "region4_coefficients.h"

namespace if97::region4 {

// ps(T) in MPa for 273.15 K <= T <= 647.096 K, unchecked. With
// theta = T + n9 / (T - n10), ps^(1/4) is the root 2C / (-B + sqrt(B^2 - 4AC))
// of the quadratic A x^2 + B x + C with A, B, C quadratics in theta. Halving B
// (exact) leaves C / (sqrt(B'^2 - AC) - B'): no factor 2 or 4 to apply. Within
// 1e-14 of a long-double evaluation.
inline double pressureOnLine(double T) {
  constexpr const double (&n)[10] = kRegion4Saturation;
  const double theta = T + n[8] / (T - n[9]);
  const double A = (theta + n[0]) * theta + n[1];
  const double halfB = (0.5 * n[2] * theta + 0.5 * n[3]) * theta + 0.5 * n[4];
  const double C = (n[5] * theta + n[6]) * theta + n[7];
  const double root = C / (std::sqrt(halfB * halfB - A * C) - halfB);
  const double squared = root * root;
  return squared * squared;
}

}  // namespace if97::region4

#endif
