// SPDX-License-Identifier: GPL-3.0-or-later
// One row of a table computed: Solve's states for the row's planned, read out in
// the request's columns.
#ifndef HYDRELIX_ANALYSIS_SWEEP_ROW_H
#define HYDRELIX_ANALYSIS_SWEEP_ROW_H

#include "analysis/sweep_plan.h"

#include <string>

namespace analysis {

struct RowOutput {
  double* values;  // one per column
  RowMark* mark;
  std::string* message;
};

// Returns false when the formulation refused the row; its message is then set
// and only the row's own temperature and pressure are filled.
bool ComputeRow(const SweepRequest& request, const SaturationLimits& limits, const PlannedRow& planned,
                steam::PropertyLibraries& libraries, RowOutput out);

}  // namespace analysis

#endif
