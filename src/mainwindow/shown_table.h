// What the main window shows, as data: the fifteen rows with their captions
// (without the access key's "&" and the ":"), the field texts exactly as
// shown, the selected units and which two rows are the inputs.
#ifndef HYDRELIX_MAINWINDOW_SHOWN_TABLE_H
#define HYDRELIX_MAINWINDOW_SHOWN_TABLE_H

#include "analysis/state_table.h"
#include "mainwindow/frm_main.h"

namespace mainwindow {

analysis::StateTable ShownTable(const frmMain& form);

}  // namespace mainwindow

#endif
