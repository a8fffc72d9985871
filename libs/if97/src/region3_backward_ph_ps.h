// SPDX-License-Identifier: MIT
// The boundary between subregions 3a and 3b of the (p, h) backward equations.
#ifndef HYDRELIX_IF97_REGION3_BACKWARD_PH_PS_H
#define HYDRELIX_IF97_REGION3_BACKWARD_PH_PS_H

namespace if97::region3 {

// h3ab(p) in kJ/kg: the critical isentrope as h(p); 3a lies at or below it.
double criticalIsentropeEnthalpy(double p);

}  // namespace if97::region3

#endif
