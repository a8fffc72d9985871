// SPDX-License-Identifier: GPL-3.0-or-later
// The IF-97 library's single-phase functions pick liquid or vapour by where
// (T, p) lies against their own saturation line. A state whose phase the
// calculation has already decided (saturated steam, or an IFC-67 state that
// lies between the two formulations' lines) must be evaluated on its side.
#ifndef HYDRELIX_STEAM_IF97_PHASE_SIDE_H
#define HYDRELIX_STEAM_IF97_PHASE_SIDE_H

#include <stm/entry_points.h>

namespace steam {

// The library pressure (atm) at which to ask the IF-97 single-phase
// functions about a state at T (deg F) and p (atm) whose vapour fraction is
// `quality`: below 0.5 the liquid side, otherwise the vapour side. Where the
// saturation pressure at T puts p on the other side, on the line or within
// 1e-9 relative of it, that saturation pressure moved by 1e-9 relative
// towards the named side; above the critical temperature p itself.
double IF97PressureOnNamedSide(const stm::HydrixEntryPoints& hydrix, double T, double p,
                               double quality);

}  // namespace steam

#endif
