// The public way to compute a steam state without a window: the formulation,
// the pair of known quantities and their two values in working units, and
// back the fifteen results the calculator shows, or the messages that refuse
// the state. The window's Compute, the command-line calculator and the
// analysis windows all go through Solve.
#ifndef HYDRELIX_STEAM_STEAM_H
#define HYDRELIX_STEAM_STEAM_H

#include "steam/input_cases.h"
#include "steam/message.h"
#include "steam/property_libraries.h"
#include "steam/working_state.h"

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace steam {

enum class Formulation { IF97, IFC67 };

// The fifteen results, in the order the calculator lists them.
enum class Result {
  Temperature, Pressure, Quality, Enthalpy, Entropy, SpecificVolume, Density,
  IsobaricHeatCapacity, IsochoricHeatCapacity, Viscosity, ThermalConductivity,
  SurfaceTension, SonicVelocity, PrandtlNumber, IsentropicExponent
};
inline constexpr std::size_t kResultCount = 15;

struct SteamState {
  Formulation formulation = Formulation::IF97;
  InputPair pair = InputPair::TemperaturePressure;
  // Every result in working units (deg F, psia, vapour fraction, Btu/lbmol,
  // Btu/(lbmol R), ft3/lbmol, lbmol/ft3, cP, Btu/(h ft F), N/m, ft/s).
  WorkingState values;
  // The two dimensionless results; 0 where they are placeholders.
  double prandtlNumber = 0.0;
  double isentropicExponent = 0.0;
  // A placeholder is a number the calculator shows for a result the state
  // does not have: the surface tension of a state without a surface, the
  // transport properties, speed of sound, heat capacities and the two
  // dimensionless numbers inside the two-phase band.
  std::array<bool, kResultCount> placeholder{};
  // Whether the input case found the state on the saturation line (a quality
  // was given, or the formulation's own test put the state there).
  bool onSaturationLine = false;

  bool IsPlaceholder(Result result) const { return placeholder[static_cast<std::size_t>(result)]; }
  double Value(Result result) const;  // in working units
};

struct SolveOutcome {
  // The state when it was computed; otherwise what the failed run wrote,
  // finite values only (the window shows it after its failure path).
  SteamState state;
  // The messages to show, in order; a refusal without a message has none.
  std::vector<Message> messages;
  bool succeeded = false;
};

// `first` and `second` are the pair's two values in the order its name gives
// them, in working units. `start` is the state the run writes into: the
// window hands in its own, so a refused run leaves what it had.
SolveOutcome Solve(Formulation formulation, InputPair pair, double first, double second,
                   PropertyLibraries& libraries, const WorkingState& start = WorkingState{});

// The pair two known results make, in the order the calculator lists them
// (temperature before pressure before quality, enthalpy and entropy); none
// for two that make no pair the formulations take, such as a lone
// temperature or pressure, or quality with enthalpy.
std::optional<InputPair> PairOf(Result first, Result second);

// The pair's two inputs, in the order its name gives them.
Result FirstInput(InputPair pair);
Result SecondInput(InputPair pair);

// The message for inputs that make no pair.
Message NotEnoughInput();

// The title of the formulation's range and sanity messages.
const char* FormulationTitle(Formulation formulation);

}  // namespace steam

#endif
