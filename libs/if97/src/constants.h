// Constants and region limits of IAPWS-IF97 (SI: K, MPa, kJ/kg, kg/m3), beside
// the public ones of <hydrelix/if97.h>.
#ifndef HYDRELIX_IF97_CONSTANTS_H
#define HYDRELIX_IF97_CONSTANTS_H

#include <limits>

#include <hydrelix/if97.h>

namespace if97 {

// What a function gives outside its validity.
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

inline constexpr double kGasConstant = 0.461526;  // kJ/(kg K), not the IAPWS-95 value
inline constexpr double kCriticalDensity = 322.0;

inline constexpr double kRegion13Temperature = 623.15;     // regions 1 and 3 meet here
inline constexpr double kRegion23MaxTemperature = 863.15;  // top of the B23 line
inline constexpr double kRegion2MaxTemperature = 1073.15;  // regions 2 and 5 meet here
inline constexpr double kRegion5MaxPressure = 50.0;

}  // namespace if97

#endif
