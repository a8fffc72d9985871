// SPDX-License-Identifier: GPL-3.0-or-later
// The last steps of a successful compute: transport properties, surface
// tension, speed of sound, and the Prandtl number and Cp/Cv.
#ifndef HYDRELIX_STEAM_COMPLETION_H
#define HYDRELIX_STEAM_COMPLETION_H

#include "steam/compute.h"

namespace steam {

// Completes outcome.state, which holds the thermodynamic state, and fills the
// outcome's derived results. Throws a ComputeFault like the cases.
void CompleteState(ComputeOutcome& outcome, PropertyLibraries& libraries);

// A vapour fraction in this band (ends included) is a two-phase state, with
// no transport properties, speed of sound or Prandtl number.
inline bool InTwoPhaseBand(double quality) { return quality >= 0.0001 && quality <= 0.9999; }

}  // namespace steam

#endif
