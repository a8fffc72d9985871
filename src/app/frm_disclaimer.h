// The disclaimer text window, frmDisclaimer, as a model: it shows the text of
// the disclaimer file and closes by OK. A file it cannot read ends the
// program.
#ifndef HYDRELIX_APP_FRM_DISCLAIMER_H
#define HYDRELIX_APP_FRM_DISCLAIMER_H

#include "app/dialog_key.h"
#include "app/dialog_layout.h"
#include "shell/message_box.h"

#include <functional>
#include <optional>
#include <string>

namespace app {

class DisclaimerTextView {
 public:
  virtual ~DisclaimerTextView() = default;
  virtual void Beep() = 0;
  // The file's bytes, each one character of the 8-bit code page.
  virtual void ShowText(const std::string& bytes) = 0;
  virtual void CenterMouseCursorOnOK() = 0;
  virtual void ShowMessage(const shell::MessageBoxRequest& request) = 0;
  virtual void Close() = 0;
  // Ends the program at once: no window unloads, nothing is saved.
  virtual void EndProgram() = 0;
};

// The disclaimer text, or nothing when the file cannot be read.
using DisclaimerSource = std::function<std::optional<std::string>()>;

class frmDisclaimer {
 public:
  static constexpr const char* kCaption = "Hydrelix:  D I S C L A I M E R";
  static constexpr TwipsBox kClientArea{0, 0, 6750, 4980};
  static constexpr ControlLayout txtText{"txtText", "", {285, 225, 6105, 3735}, 0};
  static constexpr ControlLayout cmdOK{"cmdOK", "&OK", {2520, 4290, 1725, 405}, 1};

  frmDisclaimer(DisclaimerSource source, DisclaimerTextView& view);

  // ---- What the user does
  void UserPressKey(DialogKey key);
  // The window manager's close: the window has no close box, and the only
  // way out of it is OK.
  void UserClose();

  // ---- Window events
  // False when the file could not be read: the message has been shown and
  // the program ended.
  bool Form_Load();
  void Form_Activate();
  void cmdOK_Click();

 private:
  DisclaimerSource source_;
  DisclaimerTextView& view_;
};

// "The file DISCLAIMER.TXT could not be located." and what to do about it.
shell::MessageBoxRequest MissingDisclaimerMessage();

}  // namespace app

#endif
