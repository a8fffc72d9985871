#include "app/frm_read_disclaimer.h"

#include "shell/settings_schema.h"

namespace app {

frmReadDisclaimer::frmReadDisclaimer(shell::ProgramSwitches& switches,
                                     shell::SettingsStore& settings,
                                     ReadDisclaimerView& view)
    : switches_(switches), settings_(settings), view_(view) {}

void frmReadDisclaimer::UserToggleDontShow() { SetDontShowTicked(!dontShowTicked_); }

void frmReadDisclaimer::UserPressKey(DialogKey key) {
  // Disagree is the cancel button; Enter presses whichever button has the
  // focus, which the view's buttons do themselves.
  if (key == DialogKey::Escape) cmdDisagree_Click();
}

void frmReadDisclaimer::UserClose() { cmdDisagree_Click(); }

void frmReadDisclaimer::Form_Load() { Activated = false; }

void frmReadDisclaimer::Form_Activate() {
  view_.CenterMouseCursorOnAgree();
  SetDontShowTicked(!switches_.DisclaimerShow);
  Activated = true;
}

void frmReadDisclaimer::Form_Unload() {
  shell::WriteSetting(settings_, shell::kDisclaimerShowSetting,
                      switches_.DisclaimerShow ? "True" : "False");
  view_.Close();
}

void frmReadDisclaimer::chkDontShow_Click() {
  if (Activated) switches_.DisclaimerShow = !switches_.DisclaimerShow;
}

void frmReadDisclaimer::cmdRead_Click() { view_.ShowTextWindow(); }
void frmReadDisclaimer::cmdAgree_Click() { Form_Unload(); }
void frmReadDisclaimer::cmdDisagree_Click() { view_.EndProgram(); }

// Setting the box from code raises its click only when its value changes,
// as a user's click would.
void frmReadDisclaimer::SetDontShowTicked(bool ticked) {
  if (ticked == dontShowTicked_) return;
  dontShowTicked_ = ticked;
  view_.ShowDontShowTicked(ticked);
  chkDontShow_Click();
}

}  // namespace app
