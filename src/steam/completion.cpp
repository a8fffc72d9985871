// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/completion.h"

#include "steam/compute_fault.h"
#include "steam/conversion_factors.h"
#include "steam/if97_phase_side.h"
#include "steam/input_cases.h"
#include "steam/single_float.h"
#include "steam/transport_properties.h"

#include <optional>

namespace steam {

void CompleteState(ComputeOutcome& outcome, PropertyLibraries& libraries) {
  using namespace basSteam97Functions;
  WorkingState& s = outcome.state;
  const bool twoPhase = InTwoPhaseBand(s.Quality);

  if (twoPhase) {
    Store(s.Viscosity, 0.0);
    Store(s.Conductivity, 0.0);
  } else {
    const float density = RoundedToSingle(s.Density);
    const std::optional<float> viscosity = CalcViscosity(s.Temperature, density);
    if (!viscosity) FailSilently();
    Store(s.Viscosity, *viscosity);
    const float conductivity = CalcThermalConductivity(s.Temperature, density);
    if (conductivity == kNoTransportValue) FailSilently();
    Store(s.Conductivity, conductivity);
  }

  // Only a liquid has a surface; the formula has none to give at or above
  // the critical temperature either.
  const float surfaceTension =
      s.Quality < 0.0001 ? CalcSurfaceTension(RoundedToSingle(s.Temperature)) : kNoTransportValue;
  outcome.surfaceTensionShown = surfaceTension != kNoTransportValue;
  Store(s.SurfaceTension, outcome.surfaceTensionShown ? surfaceTension : 0.0);

  if (twoPhase) {
    Store(s.SoundSpeed, 0.0);
  } else {
    const stm::HydrixEntryPoints& hydrix = RequireHydrix(libraries);
    const double p =
        IF97PressureOnNamedSide(hydrix, s.Temperature, s.Pressure / kPressureFactor, s.Quality);
    Store(s.SoundSpeed, LibraryValue(hydrix.nWtp, s.Temperature, p) * kFeetPerMetre);
  }

  outcome.prandtlNumber.reset();
  if (!twoPhase) {
    const double massCp = s.Cp / static_cast<double>(s.MolarMass);
    outcome.prandtlNumber =
        Checked((massCp * s.Viscosity * kCentipoiseToPoundPerFootHour) / s.Conductivity);
  }
  outcome.isentropicExponent.reset();
  if (s.Cv != 0.0) outcome.isentropicExponent = Checked(s.Cp / s.Cv);
}

}  // namespace steam
