// The calculation behind Solve: from a pair of inputs and the working state
// they were written into, the complete state under the chosen formulation,
// with its range and sanity checks, transport and derived properties.
#ifndef HYDRELIX_STEAM_COMPUTE_H
#define HYDRELIX_STEAM_COMPUTE_H

#include "steam/message.h"
#include "steam/property_libraries.h"
#include "steam/steam.h"
#include "steam/working_state.h"

#include <optional>
#include <vector>

namespace steam {

struct ComputeRequest {
  WorkingState state;
  Formulation formulation = Formulation::IF97;
  // Only an input of the pair is checked against the formulation's range.
  InputPair pair = InputPair::TemperaturePressure;
};

struct ComputeOutcome {
  // What the run wrote, also when it failed part way: finite values only.
  WorkingState state;
  // The messages to show, in order, before the results are shown or blanked.
  std::vector<Message> messages;
  bool succeeded = false;
  // Whether the input case found the state on the saturation line.
  bool onSaturationLine = false;

  // When it succeeded: whether the state has a surface tension (a liquid)...
  bool surfaceTensionShown = false;
  // ... and the two dimensionless results, or nothing where the field shows
  // "0" (the Prandtl number of a two-phase state, Cp/Cv when Cv is 0).
  std::optional<double> prandtlNumber;
  std::optional<double> isentropicExponent;
};

ComputeOutcome Compute(const ComputeRequest& request, PropertyLibraries& libraries);

}  // namespace steam

#endif
