// Help contents and Help search from the Help menu (F1 is the contents).
#include "shell/application_identity.h"
#include "mainwindow/frm_main.h"

#include <optional>
#include <string>

namespace mainwindow {

namespace {

// The message the command shows, if any. The viewer is a window of its own
// that stays above the main window as its transient, so it needs no bracket
// around a topmost main window the way a modal window does.
std::optional<MessageBoxRequest> OpenHelp(HelpViewer& help, bool (HelpViewer::*open)(),
                                          const std::string& windowTitle) {
  if (help.HelpFilePath().empty()) {
    return MessageBoxRequest{
        "Unable to display Help Contents. There is no Help associated with this project.",
        windowTitle, MessageIcon::Information, MessageButtons::Ok};
  }
  if ((help.*open)()) return std::nullopt;
  return MessageBoxRequest{std::string("The help file ") + kHelpFileName + " could not be opened.",
                           shell::kIdentity.title, MessageIcon::None, MessageButtons::Ok};
}

}  // namespace

void frmMain::mnuHelpContents_Click() {
  if (auto message = OpenHelp(services_.help, &HelpViewer::ShowHelpContents, Caption())) {
    MsgBox(*message);
  }
}

void frmMain::mnuHelpSearchForHelpOn_Click() {
  if (auto message = OpenHelp(services_.help, &HelpViewer::ShowHelpFinder, Caption())) {
    MsgBox(*message);
  }
}

}  // namespace mainwindow
