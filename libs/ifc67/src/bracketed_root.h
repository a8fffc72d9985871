// Brent's method on a bracket whose ends have residuals of opposite signs:
// inverse quadratic interpolation and secant steps while they make progress,
// bisection otherwise. The residual may jump (IFC-67's subregion boundaries);
// the bracket then closes on the jump.
#ifndef IFC67_BRACKETED_ROOT_H
#define IFC67_BRACKETED_ROOT_H

#include <cmath>
#include <utility>

namespace ifc67 {

template <typename Residual>
double solveBracketed(Residual residual, double a, double b, double fa, double fb, double tolerance) {
  if (fa == 0.0) return a;
  if (fb == 0.0) return b;
  double c = a, fc = fa;
  double d = b - a, e = d;
  for (int iteration = 0; iteration < 200; ++iteration) {
    if ((fb > 0.0) == (fc > 0.0)) {  // keep the root between b and c
      c = a;
      fc = fa;
      d = e = b - a;
    }
    if (std::fabs(fc) < std::fabs(fb)) {  // b is the best estimate so far
      a = b; b = c; c = a;
      fa = fb; fb = fc; fc = fa;
    }
    const double half = 0.5 * (c - b);
    if (std::fabs(half) <= 0.5 * tolerance || fb == 0.0) return b;
    if (std::fabs(e) >= tolerance && std::fabs(fa) > std::fabs(fb)) {
      double p, q;
      const double s = fb / fa;
      if (a == c) {
        p = 2.0 * half * s;
        q = 1.0 - s;
      } else {
        const double r = fb / fc;
        const double t = fa / fc;
        p = s * (2.0 * half * t * (t - r) - (b - a) * (r - 1.0));
        q = (t - 1.0) * (r - 1.0) * (s - 1.0);
      }
      if (p > 0.0) q = -q; else p = -p;
      if (2.0 * p < std::fmin(3.0 * half * q - std::fabs(tolerance * q), std::fabs(e * q))) {
        e = d;
        d = p / q;
      } else {
        d = half;
        e = d;
      }
    } else {
      d = half;
      e = d;
    }
    a = b;
    fa = fb;
    b += std::fabs(d) > tolerance ? d : (half > 0.0 ? tolerance : -tolerance);
    fb = residual(b);
  }
  return b;
}

}  // namespace ifc67

#endif  // IFC67_BRACKETED_ROOT_H
