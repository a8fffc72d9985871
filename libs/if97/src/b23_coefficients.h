// SPDX-License-Identifier: MIT
// Coefficients of the boundary between regions 2 and 3 (R7-97 Table 1).
// Generated from the published coefficient tables; every n carries all the
// printed digits.
#ifndef HYDRELIX_IF97_B23_COEFFICIENTS_H
#define HYDRELIX_IF97_B23_COEFFICIENTS_H

#include "coefficient_terms.h"

namespace if97 {

// Table 1: n1..n5 of the B23 quadratic.
inline constexpr double kB23[] = {
    0.34805185628969e+03,
    -0.11671859879975e+01,
    0.10192970039326e-02,
    0.57254459862746e+03,
    0.13918839778870e+02,
};

}  // namespace if97

#endif
