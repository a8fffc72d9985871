// The two formulation modules between the compute driver and the property
// libraries: unit set-up, range checks and heat capacities, in working units
// (deg F, psia, vapour fraction 0..1; heat capacities in Btu/(lbmol F)).
#ifndef HYDRELIX_STEAM_FORMULATION_MODULES_H
#define HYDRELIX_STEAM_FORMULATION_MODULES_H

#include "steam/message.h"
#include "steam/property_libraries.h"

#include <string>
#include <vector>

namespace steam {

namespace basSteam97Functions {

// Sets the IF-97 library's units; one message per unit it refused, in order.
// A library that cannot be loaded gives none: the calculation that needs it
// reports it (MissingLibraryMessage).
std::vector<Message> SetUnits97(PropertyLibraries& libraries);
// "High", "Low" or empty against the library's limits; a limit is in range.
std::string TempRange97(PropertyLibraries& libraries, float temperature);
std::string PressRange97(PropertyLibraries& libraries, float pressure);
double Cp97(PropertyLibraries& libraries, const double& T, const double& P, const double& X);
double Cv97(PropertyLibraries& libraries, const double& T, const double& P, const double& X);

}  // namespace basSteam97Functions

namespace basSteam67Functions {

std::vector<Message> SetUnits67(PropertyLibraries& libraries);
std::string TempRange67(PropertyLibraries& libraries, float temperature);
std::string PressRange67(PropertyLibraries& libraries, float pressure);
double Cp67(PropertyLibraries& libraries, const double& T, const double& P, const double& X);
// From the IF-97 library, as IFC-67 has no isochoric heat capacity of its own.
double Cv67(PropertyLibraries& libraries, const double& T, const double& P, const double& X);

}  // namespace basSteam67Functions

// Both formulations count a vapour fraction strictly inside this band as a
// two-phase state, which has no heat capacity.
inline bool HeatCapacityTwoPhase(double X) { return X > 0.0001 && X < 0.9999; }

}  // namespace steam

#endif
