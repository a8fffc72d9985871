// SPDX-License-Identifier: MIT
// Saturated liquid and vapour at a pressure on the saturation line, as the
// (p, h) and (p, s) phase decisions need them: just h or just s of each end.
#ifndef HYDRELIX_IF97_SATURATION_STATES_H
#define HYDRELIX_IF97_SATURATION_STATES_H

namespace if97 {

struct SaturatedPair {
  double T;       // Ts(p)
  double liquid;  // h' or s'
  double vapour;  // h'' or s''
};

// For ps(273.15 K) <= p < 22.064 MPa; NaN members otherwise.
SaturatedPair saturatedEnthalpies(double p);
SaturatedPair saturatedEntropies(double p);

}  // namespace if97

#endif
