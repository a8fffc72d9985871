// SPDX-License-Identifier: MIT
// Saturation-line coefficients (R7-97 Table 34).
// Generated from the published coefficient tables; every n carries all the
// printed digits.
#ifndef HYDRELIX_IF97_REGION4_COEFFICIENTS_H
#define HYDRELIX_IF97_REGION4_COEFFICIENTS_H

#include "coefficient_terms.h"

namespace if97 {

// Table 34: n1..n10 of the saturation-line quadratic.
inline constexpr double kRegion4Saturation[] = {
    0.11670521452767e+04,
    -0.72421316703206e+06,
    -0.17073846940092e+02,
    0.12020824702470e+05,
    -0.32325550322333e+07,
    0.14915108613530e+02,
    -0.48232657361591e+04,
    0.40511340542057e+06,
    -0.23855557567849e+00,
    0.65017534844798e+03,
};

}  // namespace if97

#endif
