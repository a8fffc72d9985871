// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/compute_fault.h"
#include "steam/input_cases.h"

#include <cmath>

namespace steam {

void Store(double& field, double value) { field = Checked(value); }

void CheckAgainstSaturatedValues(double input, double saturatedVapour, double saturatedLiquid) {
  if (saturatedVapour < input) {
    throw ComputeFault{ComputeFault::Kind::Rejected,
                       {"Superheated steam.  Use T & P inputs to determine \r"
                        "steam properties.",
                        "Steam Properties", MessageIcon::Exclamation}};
  }
  if (saturatedLiquid > input) RejectCompressedLiquid();
}

void RejectCompressedLiquid() {
  throw ComputeFault{ComputeFault::Kind::Rejected,
                     {"Compressed liquid.  Use T & P inputs to determine properties.",
                      "Steam Properties", MessageIcon::Critical}};
}

void CheckSaturationPressure(double saturationPressure, double p) {
  constexpr double kTolerance = 1e-9;
  if (!(std::fabs(saturationPressure - p) <= kTolerance * std::fabs(p))) {
    FailOutsideFormulation();
  }
}

}  // namespace steam
