// SPDX-License-Identifier: GPL-3.0-or-later
// A computed state as a user would type it into the main window: T and p for
// a single phase, p and x for a state on the saturation line, each in the
// window's unit and number conventions with the fewest decimals that enter
// as the same 32-bit value as the state's own.
#ifndef HYDRELIX_ANALYSIS_STATE_ENTRY_H
#define HYDRELIX_ANALYSIS_STATE_ENTRY_H

#include "steam/steam.h"
#include "units/number_locale.h"

#include <cstdint>
#include <string>

namespace analysis {

struct StateEntry {
  steam::InputPair pair = steam::InputPair::TemperaturePressure;
  std::string first;   // the temperature, or the pressure of a wet state
  std::string second;  // the pressure, or the quality
};

// `temperatureUnit` and `pressureUnit` index the window's lists.
StateEntry EntryOf(const steam::SteamState& state, int16_t temperatureUnit, int16_t pressureUnit,
                   const units::NumberLocale& locale);

}  // namespace analysis

#endif
