// SPDX-License-Identifier: MIT
// Region 5 coefficient tables (R7-97 Tables 37 and 38, 2007 revision).
// Generated from the published coefficient tables; every n carries all the
// printed digits.
#ifndef HYDRELIX_IF97_REGION5_COEFFICIENTS_H
#define HYDRELIX_IF97_REGION5_COEFFICIENTS_H

#include "coefficient_terms.h"

namespace if97 {

// Table 37: ideal-gas part gamma0, 6 terms.
inline constexpr IdealTerm kRegion5Ideal[] = {
    {0, -0.13179983674201e+02},
    {1, 0.68540841634434e+01},
    {-3, -0.24805148933466e-01},
    {-2, 0.36901534980333e+00},
    {-1, -0.31161318213925e+01},
    {2, -0.32961626538917e+00},
};

// Table 38: residual part gammar, 6 terms.
inline constexpr Term kRegion5Residual[] = {
    {1, 1, 0.15736404855259e-02},
    {1, 2, 0.90153761673944e-03},
    {1, 3, -0.50270077677648e-02},
    {2, 3, 0.22440037409485e-05},
    {2, 9, -0.41163275453471e-05},
    {3, 7, 0.37919454822955e-07},
};

}  // namespace if97

#endif
