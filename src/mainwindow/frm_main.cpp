#include "mainwindow/frm_main.h"

#include <utility>

namespace mainwindow {

frmMain::frmMain(Services services)
    : services_(services), clipboard_(services.clipboard) {
  BuildControls();
  RouteEvents();
  DisplayFormats = DefaultWindowSettings().displayFormats;
}

TextBox& frmMain::txtData(int16_t index) const { return *txtData_.at(index - kFirstField); }
ComboBox& frmMain::cboUnits(int16_t index) const {
  return *cboUnits_.at(index - kFirstUnitList);
}
CheckBox& frmMain::chkStmInput(int16_t index) const { return *chkStmInput_.at(index); }
OptionButton& frmMain::optUnits(int16_t index) const { return *optUnits_.at(index); }
OptionButton& frmMain::optSteam(int16_t index) const { return *optSteam_.at(index); }
Label& frmMain::Label4(int16_t index) const { return *Label4_.at(index); }
MenuItem& frmMain::mnuTrayPopupItem(int16_t index) const {
  return *mnuTrayPopupItem_.at(index);
}

void frmMain::Register(Control& control) { controls_.push_back(&control); }

Control* frmMain::FindControl(std::string_view fullName) const {
  for (Control* control : controls_) {
    if (control->FullName() == fullName) return control;
  }
  return nullptr;
}

// Every event reaches its handler through the control that raised it, so a
// value set by a handler runs the same handling as the user's action would.
void frmMain::RouteEvents() {
  for (auto& field : txtData_) {
    const int16_t i = field->index();
    field->onChange = [this, i] { txtData_Change(i); };
  }
  for (auto& list : cboUnits_) {
    const int16_t j = list->index();
    list->onClick = [this, j] { cboUnits_Click(j); };
  }
  for (auto& box : chkStmInput_) {
    const int16_t k = box->index();
    box->onClick = [this, k] { chkStmInput_Click(k); };
  }
  for (auto& button : optUnits_) {
    const int16_t k = button->index();
    button->onClick = [this, k] { optUnits_Click(k); };
  }
  for (auto& button : optSteam_) {
    const int16_t k = button->index();
    button->onClick = [this, k] { optSteam_Click(k); };
  }
  cmdCompute.onClick = [this] { cmdCompute_Click(); };
  cmdClear.onClick = [this] { cmdClear_Click(); };
  cmdMore.onClick = [this] { cmdMore_Click(); };
  cmdLess.onClick = [this] { cmdLess_Click(); };
  cmdClose.onClick = [this] { cmdClose_Click(); };

  mnuFileHide.onClick = [this] { mnuFileHide_Click(); };
  mnuFileOnTop.onClick = [this] { mnuFileOnTop_Click(); };
  mnuFileDisclaimer.onClick = [this] { mnuFileDisclaimer_Click(); };
  mnuFileExit.onClick = [this] { mnuFileExit_Click(); };
  mnuEditCut.onClick = [this] { mnuEditCut_Click(); };
  mnuEditCopy.onClick = [this] { mnuEditCopy_Click(); };
  mnuEditPaste.onClick = [this] { mnuEditPaste_Click(); };
  mnuHelpContents.onClick = [this] { mnuHelpContents_Click(); };
  mnuHelpSearchForHelpOn.onClick = [this] { mnuHelpSearchForHelpOn_Click(); };
  mnuHelpAbout.onClick = [this] { mnuHelpAbout_Click(); };
  for (auto& item : mnuTrayPopupItem_) {
    const int16_t k = item->index();
    item->onClick = [this, k] { mnuTrayPopupItem_Click(k); };
  }
  Tray1.onMouseDown = [this](int button) { Tray1_MouseDown(button); };
}

void frmMain::MsgBox(MessageBoxRequest request) {
  messages_.push_back(std::move(request));
  if (onMessageBox) onMessageBox(messages_.back());
}

void frmMain::ClearResults(bool resetInputs) {
  for (int16_t i = kFirstField; i <= kLastInputField; ++i) {
    if (chkStmInput(i - kFirstField).Value() != 1) txtData(i).SetText("");
  }
  for (int16_t i = kLastInputField + 1; i <= kLastField; ++i) txtData(i).SetText("");
  ResultsCleared = true;
  if (!resetInputs) return;

  for (int16_t k = 0; k < kTickCount; ++k) {
    chkStmInput(k).enabled = true;
    chkStmInput(k).SetValue(0);
  }
  chkStmInput(0).SetValue(1);
  chkStmInput(1).SetValue(1);
  cboUnits_Click(16);
  cboUnits_Click(17);
}

void frmMain::Show() {
  visible = true;
  UserFocus(txtData(kFirstField));
}

const char* IconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Critical: return "critical";
    case MessageIcon::Exclamation: return "exclamation";
    case MessageIcon::Information: return "information";
    case MessageIcon::None: break;
  }
  return "none";
}

}  // namespace mainwindow
