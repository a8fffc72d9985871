// SPDX-License-Identifier: GPL-3.0-or-later
// Which field of the working state each unit-bearing quantity lives in.
#ifndef HYDRELIX_MAINWINDOW_WORKING_VALUES_H
#define HYDRELIX_MAINWINDOW_WORKING_VALUES_H

#include "steam/working_state.h"
#include "units/unit_lists.h"

namespace mainwindow {

double& WorkingValue(steam::WorkingState& state, units::Quantity quantity);

}  // namespace mainwindow

#endif
