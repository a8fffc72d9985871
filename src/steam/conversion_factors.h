// SPDX-License-Identifier: GPL-3.0-or-later
// Fixed factors between the property libraries' units (deg F, atm, J/kg,
// J/(kg K), m3/kg, m/s) and the working units of WorkingState. The first four
// are 32-bit constants widened to 64 bits where they are used, and these are
// exactly the widened values.
#ifndef HYDRELIX_STEAM_CONVERSION_FACTORS_H
#define HYDRELIX_STEAM_CONVERSION_FACTORS_H

namespace steam {

// psia per atm: library pressure = Pressure / factor.
inline constexpr double kPressureFactor = static_cast<double>(14.695949f);
// (ft3/lbmol) per (m3/kg).
inline constexpr double kVolumeFactor = static_cast<double>(288.57773f);
// (Btu/lbmol) per (J/kg).
inline constexpr double kEnthalpyFactor = static_cast<double>(0.007745176f);
// (Btu/(lbmol R)) per (J/(kg K)).
inline constexpr double kEntropyFactor = static_cast<double>(0.004302876f);

// The formulation modules' own 64-bit constants.
inline constexpr double kModulePressureFactor = 14.6959487755;       // psia per atm
inline constexpr double kModuleEnthalpyFactor = 0.007745176;         // Btu/lbmol per J/kg
inline constexpr double kModuleVolumeFactor = 288.5777423222;        // ft3/lbmol per m3/kg
inline constexpr double kHeatCapacityPerKilojoule = 4.302880488;     // Btu/(lbmol F) per kJ/(kg K)
inline constexpr double kJoulesPerHeatCapacity = 232.402713;         // J/(kg K) per Btu/(lbmol F)
// The range checks' pressure limits: atm to psia.
inline constexpr double kRangePressureFactor = 14.696;

inline constexpr double kFeetPerMetre = 3.280839895;
inline constexpr double kCentipoiseToPoundPerFootHour = 2.4190883105;

}  // namespace steam

#endif
