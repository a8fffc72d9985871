// SPDX-License-Identifier: GPL-3.0-or-later
// The rows a sweep request gives, in order, before any of them is computed:
// which state each row is and where the formulation's saturation line and
// critical point cut the request's values.
#ifndef HYDRELIX_ANALYSIS_SWEEP_PLAN_H
#define HYDRELIX_ANALYSIS_SWEEP_PLAN_H

#include "analysis/sweep.h"

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace analysis {

// Pressures between the table and Solve. The table holds a pressure as its
// exact value in psia; the calculation hands psia to the libraries through
// the program's own 32-bit atmosphere (14.695949 psia, 1.2e-8 below the
// exact 14.6959487755...). Going through these, the libraries see exactly
// the pressure asked for (50 MPa is region 5's limit, not a hair above it)
// and the table shows exactly the pressure the libraries gave.
double LibraryPressure(double tablePsia);
double TablePressure(double libraryPsia);

// The formulation's own ends, in working units (deg F, psia).
struct SaturationLimits {
  double criticalTemperature;
  double criticalPressure;
  double lowestTemperature;
  double lowestPressure;  // the saturation pressure at the lowest temperature
};

SaturationLimits LimitsOf(steam::Formulation formulation, steam::PropertyLibraries& libraries);

enum class RowType : std::uint8_t {
  SaturationAtTemperature,  // both ends at a temperature
  SaturationAtPressure,     // both ends at a pressure
  CriticalPoint,
  LiquidAtPressure,         // one end, inserted where an isobar crosses
  VaporAtPressure,          // ... or heading a grid's block
  LiquidAtTemperature,      // one end, inserted where an isotherm crosses
  VaporAtTemperature,
  SinglePhase,              // from T and p
};

struct PlannedRow {
  RowType type = RowType::SinglePhase;
  double temperature = 0.0;  // deg F
  double pressure = 0.0;     // psia
};

// Hands out the rows of a request one at a time.
class RowCursor {
 public:
  RowCursor(const SweepRequest& request, const SaturationLimits& limits,
            steam::PropertyLibraries& libraries);
  bool Next(PlannedRow& row);
  // Values a saturation table leaves out, as notes; complete once the cursor
  // has been run to its end.
  const std::vector<std::string>& Notes() const { return notes_; }

 private:
  void Refill();
  void SaturationRow(double value, bool byTemperature);
  void Crossing(double previous, double value);
  void FinishSaturationTable();

  const SweepRequest& request_;
  SaturationLimits limits_;
  std::size_t outer_ = 0;
  bool criticalDone_ = false;
  bool finished_ = false;
  // Where an isobar or isotherm crosses the line, NaN where it does not.
  double crossing_;
  std::deque<PlannedRow> pending_;
  std::vector<double> belowLowest_;
  std::vector<double> beyondCritical_;
  std::vector<std::string> notes_;
};

}  // namespace analysis

#endif
