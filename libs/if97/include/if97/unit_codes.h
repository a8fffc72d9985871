// SPDX-License-Identifier: MIT
// Unit codes of libHydrix.so, the STM_ entry points of the IF-97 library.
//
// Each STM_Set...Unit function takes one of the codes of its quantity and
// returns 1; any other code returns 0 and leaves the setting as it was. The
// library starts with the codes the program sets (marked *), so a call made
// before any set-up (the IFC-67 module's STM_nCVtp) already works in them.
//
//   setter               code  unit
//   STM_SetTempUnit        1   K
//                          2   deg C
//                        * 3   deg F
//                          4   deg R
//   STM_SetPressUnit      11   MPa
//                         12   kPa
//                         13   Pa
//                         14   bar
//                         15   psia (lbf/in2)
//                       * 17   standard atmosphere (0.101325 MPa)
//   STM_SetEnthalUnit   * 31   J/kg
//                         32   kJ/kg
//                         33   Btu/lb (International Table Btu)
//   STM_SetEntroUnit    * 51   J/(kg K)
//                         52   kJ/(kg K)
//                         53   Btu/(lb R)
//   STM_SetDensityUnit  * 71   specific volume, m3/kg
//                         72   density, kg/m3
//                         73   specific volume, ft3/lb
//                         74   density, lb/ft3
//   STM_SetWetDryUnit     91   vapour fraction in percent, 0 to 100
//                       * 92   vapour fraction, 0 to 1
//   STM_SetHCUnit        101   J/(kg K)
//                      * 102   kJ/(kg K)
//                        103   Btu/(lb R)
//
// The density unit serves STM_nDtp and STM_sDtx; the heat-capacity unit
// STM_nCVtp and STM_nCPtp. STM_nWtp always returns m/s.
#ifndef HYDRELIX_IF97_UNIT_CODES_H
#define HYDRELIX_IF97_UNIT_CODES_H

#include <stdint.h>

namespace if97::unit_codes {

inline constexpr int32_t kKelvin = 1;
inline constexpr int32_t kCelsius = 2;
inline constexpr int32_t kFahrenheit = 3;
inline constexpr int32_t kRankine = 4;

inline constexpr int32_t kMegapascal = 11;
inline constexpr int32_t kKilopascal = 12;
inline constexpr int32_t kPascal = 13;
inline constexpr int32_t kBar = 14;
inline constexpr int32_t kPsia = 15;
inline constexpr int32_t kAtmosphere = 17;

inline constexpr int32_t kJoulePerKilogram = 31;
inline constexpr int32_t kKilojoulePerKilogram = 32;
inline constexpr int32_t kBtuPerPound = 33;

inline constexpr int32_t kJoulePerKilogramKelvin = 51;
inline constexpr int32_t kKilojoulePerKilogramKelvin = 52;
inline constexpr int32_t kBtuPerPoundRankine = 53;

inline constexpr int32_t kCubicMetrePerKilogram = 71;
inline constexpr int32_t kKilogramPerCubicMetre = 72;
inline constexpr int32_t kCubicFootPerPound = 73;
inline constexpr int32_t kPoundPerCubicFoot = 74;

inline constexpr int32_t kPercent = 91;
inline constexpr int32_t kFraction = 92;

inline constexpr int32_t kHeatCapacityJoulePerKilogramKelvin = 101;
inline constexpr int32_t kHeatCapacityKilojoulePerKilogramKelvin = 102;
inline constexpr int32_t kHeatCapacityBtuPerPoundRankine = 103;

}  // namespace if97::unit_codes

#endif
