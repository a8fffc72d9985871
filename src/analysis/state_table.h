// The fifteen results as a table of what the user sees: each row's caption,
// the text shown for it, its unit and whether it was an input. The main
// window fills it from its fields (mainwindow::ShownTable); the copy commands
// write it out.
#ifndef HYDRELIX_ANALYSIS_STATE_TABLE_H
#define HYDRELIX_ANALYSIS_STATE_TABLE_H

#include <string>
#include <vector>

#include "steam/steam.h"

namespace analysis {

struct StateRow {
  std::string caption;  // "Temperature", "Quality (L=0, V=1)" ...
  std::string text;     // exactly as shown; empty for a blank field
  std::string unit;     // the selected unit's label, "-" where there is none
  bool input = false;
};

struct StateTable {
  steam::Formulation formulation = steam::Formulation::IF97;
  std::vector<StateRow> rows;
};

// "IAPWS-IF97" or "IFC-67".
const char* FormulationName(steam::Formulation formulation);

}  // namespace analysis

#endif
