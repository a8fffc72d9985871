// The disclaimer acceptance window, frmReadDisclaimer, as a model: the user
// agrees, disagrees (the program ends), reads the text, or stops the window
// from appearing at start. The tick box always shows the inverse of
// DisclaimerShow.
#ifndef HYDRELIX_APP_FRM_READ_DISCLAIMER_H
#define HYDRELIX_APP_FRM_READ_DISCLAIMER_H

#include "app/dialog_key.h"
#include "app/dialog_layout.h"
#include "shell/program_switches.h"
#include "shell/settings_store.h"

#include <array>

namespace app {

// What the acceptance window asks of its view.
class ReadDisclaimerView {
 public:
  virtual ~ReadDisclaimerView() = default;
  virtual void ShowDontShowTicked(bool ticked) = 0;
  virtual void CenterMouseCursorOnAgree() = 0;
  // The text window, modally; returns once it has closed.
  virtual void ShowTextWindow() = 0;
  virtual void Close() = 0;
  // Ends the program at once: no window unloads, nothing is saved.
  virtual void EndProgram() = 0;
};

class frmReadDisclaimer {
 public:
  static constexpr const char* kCaption = "Hydrelix:  READ THE DISCLAIMER";
  static constexpr TwipsBox kClientArea{0, 0, 4680, 3585};
  static constexpr ControlLayout Label1{"Label1", " Hydrelix  ", {1290, 195, 2145, 495}, 1};
  static constexpr FontLayout kLabel1Font{"Tahoma", 18.0, true};
  static constexpr ControlLayout cmdRead{"cmdRead", "&Read the Disclaimer", {630, 990, 3345, 465}, 0};
  static constexpr ControlLayout Frame1{
      "Frame1", "I have read the Disclaimer and I:", {270, 1710, 3975, 1095}, 2};
  // Inside Frame1.
  static constexpr ControlLayout cmdDisagree{"cmdDisagree", "&Disagree", {360, 450, 1455, 375}, 3};
  static constexpr ControlLayout cmdAgree{"cmdAgree", "&Agree", {2160, 450, 1455, 375}, 4};
  static constexpr ControlLayout chkDontShow{
      "chkDontShow", "D&on't display at start-up", {1223, 3015, 2235, 375}, 5};

  frmReadDisclaimer(shell::ProgramSwitches& switches, shell::SettingsStore& settings,
                    ReadDisclaimerView& view);

  // False until the window has been activated once, so the first activation
  // ticks the box without toggling the flag.
  bool Activated = false;
  bool DontShowTicked() const { return dontShowTicked_; }

  // ---- What the user does
  // A click on the tick box, or its Space.
  void UserToggleDontShow();
  void UserPressKey(DialogKey key);
  // The window manager's close (Alt+F4): the window has no close box, and
  // leaving without agreeing is disagreeing.
  void UserClose();

  // ---- Window events
  void Form_Load();
  // Each time the window becomes active, also back from the text window.
  void Form_Activate();
  void Form_Unload();
  void chkDontShow_Click();
  void cmdRead_Click();
  void cmdAgree_Click();
  void cmdDisagree_Click();

 private:
  void SetDontShowTicked(bool ticked);

  shell::ProgramSwitches& switches_;
  shell::SettingsStore& settings_;
  ReadDisclaimerView& view_;
  bool dontShowTicked_ = false;
};

}  // namespace app

#endif
