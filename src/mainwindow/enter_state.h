// SPDX-License-Identifier: GPL-3.0-or-later
// Puts a state into the window as a user would: ticks exactly the pair's two
// inputs, types each text over its field and presses Compute. The window then
// does what it does for a user, messages included.
#ifndef HYDRELIX_MAINWINDOW_ENTER_STATE_H
#define HYDRELIX_MAINWINDOW_ENTER_STATE_H

#include "mainwindow/frm_main.h"
#include "steam/input_cases.h"

#include <string_view>

namespace mainwindow {

// `first` and `second` are the pair's two values in the order its name gives
// them, as typed in the window's current units and number conventions.
void EnterState(frmMain& form, steam::InputPair pair, std::string_view first,
                std::string_view second);

}  // namespace mainwindow

#endif
