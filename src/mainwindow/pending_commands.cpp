// Handlers whose behaviour arrives with the window commands, About and the
// tray. Each is already reached through the model exactly as it will be then.
#include "mainwindow/frm_main.h"

namespace mainwindow {

void frmMain::cmdClose_Click() {}
void frmMain::mnuFileHide_Click() {}
void frmMain::mnuFileOnTop_Click() {}
void frmMain::mnuFileDisclaimer_Click() {}
void frmMain::mnuFileExit_Click() {}
void frmMain::mnuHelpAbout_Click() {}
void frmMain::mnuTrayPopupItem_Click(int16_t /*index*/) {}
void frmMain::Tray1_MouseDown(int /*button*/) {}
void frmMain::Form_Paint() {}

// Closing by the close box only hides the window once hiding exists.
void frmMain::Form_QueryUnload(bool& /*cancel*/) {}

}  // namespace mainwindow
