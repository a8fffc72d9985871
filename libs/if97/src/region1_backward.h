// SPDX-License-Identifier: MIT
// Backward equations of region 1: T(p, h) and T(p, s), within 25 mK of the
// basic equation; the starting point of an exact solution, not the result.
#ifndef HYDRELIX_IF97_REGION1_BACKWARD_H
#define HYDRELIX_IF97_REGION1_BACKWARD_H

namespace if97::region1::backward {

double temperaturePh(double p, double h);
double temperaturePs(double p, double s);

}  // namespace if97::region1::backward

#endif
