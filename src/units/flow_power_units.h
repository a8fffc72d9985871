// SPDX-License-Identifier: GPL-3.0-or-later
// Mass flows and powers in the units of the catalogue's "Flow Rate" and
// "Power" lists, by their defining factors: 1 lbm = 0.45359237 kg and
// 1 hp (mechanical) = 745.69987158227022 W. Process steps give flows in kg/s
// and powers in kW.
#ifndef HYDRELIX_UNITS_FLOW_POWER_UNITS_H
#define HYDRELIX_UNITS_FLOW_POWER_UNITS_H

#include <cstdint>

namespace units {

inline constexpr const char* kFlowRateTag = "Flow Rate";  // lbm/hr ... kg/s
inline constexpr const char* kPowerTag = "Power";         // hp, kW

// The unit the IP (lbm/hr, hp) or SI (kg/s, kW) system selects.
int16_t SystemFlowUnit(bool si);
int16_t SystemPowerUnit(bool si);

// kg/s or kW in unit `unit` of the list and back; NaN outside the list.
double FlowInUnit(double kilogramsPerSecond, int16_t unit);
double FlowFromUnit(double value, int16_t unit);
double PowerInUnit(double kilowatts, int16_t unit);
double PowerFromUnit(double value, int16_t unit);

}  // namespace units

#endif
