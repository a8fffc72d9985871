// Handlers whose behaviour arrives with help and the saved settings. Each is
// already reached through the model exactly as it will be then.
#include "mainwindow/frm_main.h"

namespace mainwindow {

void frmMain::mnuHelpContents_Click() {}
void frmMain::mnuHelpSearchForHelpOn_Click() {}
void frmMain::Form_Unload() {}

}  // namespace mainwindow
