// SPDX-License-Identifier: GPL-3.0-or-later
// A process step's result as the Process Steps window shows and copies it:
// the states (T, p, x, h, s, v) and the figures, as texts in the main
// window's units, display formats and decimal mark. On the clipboard it goes
// as tab-separated UTF-8 text and as a plain HTML table with the same cells.
#ifndef HYDRELIX_ANALYSIS_PROCESS_TABLE_H
#define HYDRELIX_ANALYSIS_PROCESS_TABLE_H

#include "analysis/process_steps.h"
#include "analysis/process_units.h"
#include "units/number_locale.h"

#include <cstdint>
#include <string>
#include <vector>

namespace analysis {

// The main window's units: an index of each list's units, and the system.
struct ProcessDisplay {
  bool si = false;
  int16_t temperature = 0;
  int16_t pressure = 0;
  int16_t enthalpy = 3;
  int16_t entropy = 3;
  int16_t volume = 3;
  units::NumberLocale locale;

  static ProcessDisplay Ip() { return {}; }
  static ProcessDisplay Si() { return {true, 1, 7, 5, 5, 5, {}}; }
  FigureUnits Figures() const { return {enthalpy, entropy, si}; }
};

struct ProcessTexts {
  std::vector<std::string> stateHeader;  // "State", "Temperature [°F]", ...
  // One row for each state the step has, its caption first ("Outlet"); the
  // states in the same order, so a row's state is known.
  std::vector<std::vector<std::string>> stateRows;
  std::vector<const steam::SteamState*> rowStates;
  std::vector<std::string> figureHeader;  // "Result", "Value", "Unit"
  std::vector<std::vector<std::string>> figureRows;
};

// "Inlet", "Ideal outlet", "Outlet", "Vapor", "Liquid".
std::string StateCaption(const std::string& key);
// "Work", "Shaft power", ... from "work", "shaft_power".
std::string FigureCaption(const std::string& key);

ProcessTexts TextsOf(const ProcessResult& result, const ProcessDisplay& display);

// A one-line summary of a state for the inlet: "T 1000.00 °F  p 1000.000 psia ...".
std::string StateSummary(const steam::SteamState& state, const ProcessDisplay& display);

struct CopiedTexts {
  std::string text;  // text/plain
  std::string html;  // text/html
};
// The states' table, a blank line, the figures' table.
CopiedTexts CopyOf(const ProcessTexts& texts);

}  // namespace analysis

#endif
