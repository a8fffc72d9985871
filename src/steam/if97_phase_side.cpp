#include "steam/if97_phase_side.h"

#include "steam/compute_fault.h"

#include <cmath>

namespace steam {

double IF97PressureOnNamedSide(const stm::HydrixEntryPoints& hydrix, double T, double p,
                               double quality) {
  constexpr double kNudge = 1e-9;
  const double saturation = CallEntry(hydrix.sPt, T);
  if (!std::isfinite(saturation)) return p;
  const bool liquid = quality < 0.5;
  // The library counts a state on its line as liquid; a liquid is moved off
  // the line all the same, so the answer never hangs on the last bit.
  if (liquid && p <= saturation) return saturation * (1.0 + kNudge);
  if (!liquid && p >= saturation) return saturation * (1.0 - kNudge);
  return p;
}

}  // namespace steam
