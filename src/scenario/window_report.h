// The state of the main window as the scenario runner's `show` prints it.
#ifndef HYDRELIX_SCENARIO_WINDOW_REPORT_H
#define HYDRELIX_SCENARIO_WINDOW_REPORT_H

#include "mainwindow/frm_main.h"
#include "shell/message_box.h"

#include <ostream>
#include <vector>

namespace scenario {

// One line per value field, tick box and unit list, then one per message,
// then "end".
void WriteWindowReport(const mainwindow::frmMain& form,
                       const std::vector<shell::MessageBoxRequest>& messages,
                       std::ostream& out);

}  // namespace scenario

#endif
