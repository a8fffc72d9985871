// SPDX-License-Identifier: GPL-3.0-or-later
// States the round-trip tests enter: each typed through temperature and
// pressure (or temperature and quality) as the window shows it in the unit
// system's default units, with the other pairs it is entered through again;
// and the window that enters them.
#ifndef HYDRELIX_TESTS_MAINWINDOW_ROUND_TRIP_STATES_H
#define HYDRELIX_TESTS_MAINWINDOW_ROUND_TRIP_STATES_H

#include "loaded_window.h"

#include <string>
#include <vector>

namespace round_trip {

// The input fields in the window's order, txtData(43) on.
enum Input { T = 0, P, X, H, S };

struct Pair {
  Input first, second;
};

struct State {
  const char* name;
  Pair start;
  std::vector<std::string> texts;  // by input, in the unit system's default units
  std::vector<Pair> pairs;
};

inline State ByTemperatureAndPressure(const char* name, const char* t, const char* p,
                                      std::vector<Pair> pairs) {
  return {name, {T, P}, {t, p, "", "", ""}, std::move(pairs)};
}
inline State Wet(const char* t, std::vector<Pair> pairs) {
  return {"wet", {T, X}, {t, "", "0.350", "", ""}, std::move(pairs)};
}

inline const std::vector<Pair> kSinglePhase{{P, H}, {P, S}};
inline const std::vector<Pair> kWet{{P, X}, {T, H}, {T, S}, {P, H}, {P, S}};

struct Table {
  bool ifc67;
  bool si;
  std::vector<State> states;
};

// Every formulation and unit system with its states.
inline std::vector<Table> Tables() {
  return {
      {false,
       false,
       {ByTemperatureAndPressure("superheated", "600.00", "100.000", kSinglePhase),
        ByTemperatureAndPressure("compressed liquid", "150.00", "1000.000", kSinglePhase),
        ByTemperatureAndPressure("supercritical", "1100.00", "4500.000", kSinglePhase),
        Wet("300.00", kWet)}},
      {false,
       true,
       {ByTemperatureAndPressure("superheated", "300.00", "5.000", kSinglePhase),
        ByTemperatureAndPressure("compressed liquid", "40.00", "50.000", kSinglePhase),
        ByTemperatureAndPressure("supercritical", "550.00", "300.000", kSinglePhase),
        Wet("150.00", kWet)}},
      // IFC-67 takes no compressed liquid from pressure and enthalpy.
      {true,
       false,
       {ByTemperatureAndPressure("superheated", "600.00", "100.000", kSinglePhase),
        ByTemperatureAndPressure("compressed liquid", "150.00", "1000.000", {{P, S}}),
        ByTemperatureAndPressure("supercritical", "1100.00", "4500.000", kSinglePhase),
        Wet("300.00", kWet)}},
      {true,
       true,
       {ByTemperatureAndPressure("superheated", "300.00", "5.000", kSinglePhase),
        ByTemperatureAndPressure("supercritical", "550.00", "300.000", kSinglePhase),
        Wet("150.00", kWet)}},
  };
}

inline constexpr int16_t kFirstField = 43, kLastField = 57;
inline constexpr int16_t Field(Input input) { return static_cast<int16_t>(kFirstField + input); }

// The window under one formulation and unit system, entering states.
class RoundTrip {
 public:
  RoundTrip(bool ifc67, bool si) {
    if (ifc67) w.Click("optSteam(1)");
    if (si) w.Click("optUnits(1)");
  }

  // Ticks exactly the two inputs, then types their texts and computes.
  void Compute(Pair pair, const std::vector<std::string>& shown) {
    for (int i = T; i <= S; ++i)
      if (w.form.chkStmInput(i).Value() == 1 && i != pair.first && i != pair.second) Tick(i);
    for (Input input : {pair.first, pair.second})
      if (w.form.chkStmInput(input).Value() == 0) Tick(input);
    for (Input input : {pair.first, pair.second}) w.Enter(Field(input), shown[input]);
    w.view.messages.clear();
    w.Click("cmdCompute");
  }

  // The fifteen field texts, txtData(43) to txtData(57).
  std::vector<std::string> Fields() const {
    std::vector<std::string> texts;
    for (int16_t f = kFirstField; f <= kLastField; ++f) texts.push_back(w.Text(f));
    return texts;
  }

  LoadedWindow w;

 private:
  void Tick(int input) { w.Click("chkStmInput(" + std::to_string(input) + ")"); }
};

}  // namespace round_trip

#endif
