// SPDX-License-Identifier: GPL-3.0-or-later
// A computed state sent to the window as the texts a user would type: the
// window ticks the pair, computes, and holds the same 32-bit inputs as the
// state, in IP and SI units and with a decimal comma.
#include "analysis/state_entry.h"
#include "loaded_window.h"
#include "mainwindow/enter_state.h"
#include "steam/steam.h"

#include <gtest/gtest.h>

namespace {

TEST(EnterState, TheWindowComputesTheStateFromTheShortestTexts) {
  const struct {
    steam::InputPair pair;
    double first, second;  // working units
    steam::InputPair sent;
  } cases[] = {
      {steam::InputPair::TemperaturePressure, 1000.0, 1000.0, steam::InputPair::TemperaturePressure},
      {steam::InputPair::TemperaturePressure, 100.0, 14.7, steam::InputPair::TemperaturePressure},
      {steam::InputPair::PressureQuality, 2.0, 0.92768734, steam::InputPair::PressureQuality},
      {steam::InputPair::PressureQuality, 150.0, 0.0, steam::InputPair::PressureQuality},
      {steam::InputPair::PressureEnthalpy, 14.7, 1150.0 * 18.01528, steam::InputPair::PressureQuality},
  };
  for (const char* system : {"optUnits(0)", "optUnits(1)"}) {
    for (const char* decimal : {".", ","}) {
      for (const auto& c : cases) {
        LoadedWindow w;
        w.Click(system);
        w.form.Locale = units::NumberLocale{decimal, decimal[0] == ',' ? "." : ","};
        const steam::SolveOutcome outcome =
            steam::Solve(steam::Formulation::IF97, c.pair, c.first, c.second, w.libraries);
        ASSERT_TRUE(outcome.succeeded);
        const steam::SteamState& state = outcome.state;
        const int16_t temperatureUnit = static_cast<int16_t>(w.form.cboUnits(16).ListIndex());
        const int16_t pressureUnit = static_cast<int16_t>(w.form.cboUnits(17).ListIndex());
        const analysis::StateEntry entry =
            analysis::EntryOf(state, temperatureUnit, pressureUnit, w.form.Locale);
        EXPECT_EQ(entry.pair, c.sent);
        mainwindow::EnterState(w.form, entry.pair, entry.first, entry.second);
        const std::string what = std::string(system) + " " + decimal + " " + entry.first + " " +
                                 entry.second;
        EXPECT_EQ(w.form.chkStmInput(entry.pair == c.sent && c.sent ==
                                             steam::InputPair::PressureQuality ? 2 : 0)
                      .Value(),
                  1)
            << what;
        // The texts are short and read back as the state's own inputs.
        EXPECT_LE(entry.first.size(), 12u) << what;
        if (entry.pair == steam::InputPair::PressureQuality) {
          EXPECT_EQ(static_cast<float>(w.form.WorkingState.Quality),
                    static_cast<float>(state.values.Quality))
              << what;
        } else {
          EXPECT_NEAR(w.form.WorkingState.Temperature, state.values.Temperature,
                      1e-6 * state.values.Temperature)
              << what;
        }
        EXPECT_NEAR(w.form.WorkingState.Pressure, state.values.Pressure,
                    1e-6 * state.values.Pressure)
            << what;
        EXPECT_NEAR(w.form.WorkingState.Enthalpy, state.values.Enthalpy,
                    1e-5 * std::abs(state.values.Enthalpy) + 1e-3)
            << what;
      }
    }
  }
}

}  // namespace
