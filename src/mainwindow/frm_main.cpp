#include "mainwindow/frm_main.h"

#include <algorithm>
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

void frmMain::Register(Control& control) {
  controls_.push_back(&control);
  control.onStateChange_ = [this](const Control& changed, ControlProperty property) {
    view_->ControlChanged(changed, property);
  };
}

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
    field->onChange_ = [this, i] { txtData_Change(i); };
  }
  for (auto& list : cboUnits_) {
    const int16_t j = list->index();
    list->onClick_ = [this, j] {
      cboUnits_Click(j);
      NotifyDisplayChanged();
    };
  }
  for (auto& box : chkStmInput_) {
    const int16_t k = box->index();
    box->onClick_ = [this, k] { chkStmInput_Click(k); };
  }
  for (auto& button : optUnits_) {
    const int16_t k = button->index();
    button->onClick_ = [this, k] { optUnits_Click(k); };
  }
  for (auto& button : optSteam_) {
    const int16_t k = button->index();
    button->onClick_ = [this, k] { optSteam_Click(k); };
  }
  cmdCompute.onClick_ = [this] { cmdCompute_Click(); };
  cmdClear.onClick_ = [this] { cmdClear_Click(); };
  cmdMore.onClick_ = [this] { cmdMore_Click(); };
  cmdLess.onClick_ = [this] { cmdLess_Click(); };
  cmdClose.onClick_ = [this] { cmdClose_Click(); };

  mnuFileHide.onClick_ = [this] { mnuFileHide_Click(); };
  mnuFileOnTop.onClick_ = [this] { mnuFileOnTop_Click(); };
  mnuFileDisclaimer.onClick_ = [this] { mnuFileDisclaimer_Click(); };
  mnuFileExit.onClick_ = [this] { mnuFileExit_Click(); };
  mnuEditCut.onClick_ = [this] { mnuEditCut_Click(); };
  mnuEditCopy.onClick_ = [this] { mnuEditCopy_Click(); };
  mnuEditPaste.onClick_ = [this] { mnuEditPaste_Click(); };
  mnuHelpContents.onClick_ = [this] { mnuHelpContents_Click(); };
  mnuHelpSearchForHelpOn.onClick_ = [this] { mnuHelpSearchForHelpOn_Click(); };
  mnuHelpAbout.onClick_ = [this] { mnuHelpAbout_Click(); };
  for (auto& item : mnuTrayPopupItem_) {
    const int16_t k = item->index();
    item->onClick_ = [this, k] { mnuTrayPopupItem_Click(k); };
  }
  Tray1.onMouseDown_ = [this](int button) { Tray1_MouseDown(button); };
}

void frmMain::MsgBox(MessageBoxRequest request) { view_->ShowMessageBox(request); }

void frmMain::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  view_->WindowChanged(WindowProperty::Caption);
}

void frmMain::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  view_->WindowChanged(WindowProperty::Visible);
}

void frmMain::SetTopmost(bool topmost) {
  if (topmost == topmost_) return;
  topmost_ = topmost;
  view_->WindowChanged(WindowProperty::Topmost);
}

void frmMain::ClearResults(bool resetInputs) {
  ++clearing_;
  for (int16_t i = kFirstField; i <= kLastInputField; ++i) {
    if (chkStmInput(i - kFirstField).Value() != 1) txtData(i).SetText("");
  }
  for (int16_t i = kLastInputField + 1; i <= kLastField; ++i) txtData(i).SetText("");
  ResultsCleared = true;
  if (resetInputs) {
    for (int16_t k = 0; k < kTickCount; ++k) {
      chkStmInput(k).SetEnabled(true);
      chkStmInput(k).SetValue(0);
    }
    chkStmInput(0).SetValue(1);
    chkStmInput(1).SetValue(1);
    cboUnits_Click(16);
    cboUnits_Click(17);
  }
  shownState_.reset();
  if (--clearing_ == 0) TellListeners([](StateListener& listener) { listener.StateCleared(); });
}

void frmMain::AddStateListener(StateListener& listener) {
  if (std::find(listeners_.begin(), listeners_.end(), &listener) == listeners_.end()) {
    listeners_.push_back(&listener);
  }
}

void frmMain::RemoveStateListener(StateListener& listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), &listener), listeners_.end());
}

// A listener may remove itself or others while it is called: the ones still
// registered when their turn comes are called.
void frmMain::TellListeners(const std::function<void(StateListener&)>& call) {
  const std::vector<StateListener*> listeners = listeners_;
  for (StateListener* listener : listeners) {
    const bool registered =
        std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end();
    if (registered) call(*listener);
  }
}

void frmMain::NotifyDisplayChanged() {
  if (displayChangeBatch_ > 0) return;
  TellListeners([](StateListener& listener) { listener.DisplayChanged(); });
}

void frmMain::Show() {
  SetVisible(true);
  UserFocus(txtData(kFirstField));
}

}  // namespace mainwindow
