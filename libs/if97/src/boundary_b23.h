// SPDX-License-Identifier: MIT
// The boundary between regions 2 and 3, a quadratic p(T) for
// 623.15 K <= T <= 863.15 K (16.5292 MPa <= p <= 100 MPa).
#ifndef HYDRELIX_IF97_BOUNDARY_B23_H
#define HYDRELIX_IF97_BOUNDARY_B23_H

namespace if97::b23 {

double pressure(double T);     // MPa, no range check
double temperature(double p);  // K, no range check

}  // namespace if97::b23

#endif
