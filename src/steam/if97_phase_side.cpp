// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/if97_phase_side.h"

#include "steam/compute_fault.h"

#include <algorithm>
#include <cmath>

namespace steam {

double IF97PressureOnNamedSide(const stm::HydrixEntryPoints& hydrix, double T, double p,
                               double quality) {
  constexpr double kNudge = 1e-9;
  const double saturation = CallEntry(hydrix.sPt, T);
  if (!std::isfinite(saturation)) return p;
  // Within a few ulps of its line the library's own test (in region 3 its
  // density solve) may still pick the other phase, so a state is kept at
  // least the nudge away from the line on its side.
  if (quality < 0.5) return std::max(p, saturation * (1.0 + kNudge));
  return std::min(p, saturation * (1.0 - kNudge));
}

}  // namespace steam
