#include "app/frm_disclaimer.h"

#include <utility>

namespace app {

shell::MessageBoxRequest MissingDisclaimerMessage() {
  return {"The file DISCLAIMER.TXT could not be located.\nPlease re-install Hydrelix.",
          "Error:  Hydrelix", shell::MessageIcon::Critical};
}

frmDisclaimer::frmDisclaimer(DisclaimerSource source, DisclaimerTextView& view)
    : source_(std::move(source)), view_(view) {}

void frmDisclaimer::UserPressKey(DialogKey key) {
  // OK is the default button; the window has no cancel button.
  if (key == DialogKey::Enter) cmdOK_Click();
}

void frmDisclaimer::UserClose() { cmdOK_Click(); }

bool frmDisclaimer::Form_Load() {
  view_.Beep();
  const std::optional<std::string> text = source_();
  if (!text) {
    view_.ShowMessage(MissingDisclaimerMessage());
    view_.EndProgram();
    return false;
  }
  view_.ShowText(*text);
  return true;
}

void frmDisclaimer::Form_Activate() { view_.CenterMouseCursorOnOK(); }
void frmDisclaimer::cmdOK_Click() { view_.Close(); }

}  // namespace app
