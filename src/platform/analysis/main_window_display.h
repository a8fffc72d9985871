// The units, formats and decimal mark the main window shows right now, as the
// analysis windows express their values in them.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_MAIN_WINDOW_DISPLAY_H
#define HYDRELIX_PLATFORM_ANALYSIS_MAIN_WINDOW_DISPLAY_H

#include "analysis/display_units.h"
#include "mainwindow/frm_main.h"

namespace platform {

analysis::DisplayUnits DisplayUnitsOf(const mainwindow::frmMain& form);

}  // namespace platform

#endif
