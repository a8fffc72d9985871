// SPDX-License-Identifier: MIT
// The (t, p) entry points place a state against ps(T) at the temperature the
// deg F -> K conversion gives them; the (p, h) and (p, s) solves place it
// against Ts(p). Within about 1e-11 K of the line the two disagree, so a
// temperature the solve found just above Ts(p) may evaluate as liquid, one
// just below as vapour.
#ifndef CALORIX_SIDE_OF_LINE_H
#define CALORIX_SIDE_OF_LINE_H

namespace calorix {

enum class Side { Liquid, Vapour };

// The first deg F value from t on, toward the side, that the (t, p) entry
// points evaluate on that side at p (MPa): t itself unless t lies within the
// disagreement. NaN stays NaN.
double firstFahrenheitOnSide(double t, double p, Side side);

// The nearest deg F value from t on, toward the side, that the (t, p) entry
// points evaluate on that side, found an ulp at a time, so that it never
// falls as t rises (toward the vapour) or rises as t falls (toward the
// liquid). Meant for t beyond firstFahrenheitOnSide of the line, where a
// value off the side is rounding noise a few ulps wide; past a few thousand
// ulps it gives firstFahrenheitOnSide(t). NaN stays NaN.
double nearestFahrenheitOnSide(double t, double p, Side side);

}  // namespace calorix

#endif  // CALORIX_SIDE_OF_LINE_H
