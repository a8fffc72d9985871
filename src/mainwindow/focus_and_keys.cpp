// What the user does with mouse and keyboard: the focus moves first, with the
// leaving field's validation and loss of focus, then the control acts. Keys
// pass the window's key preview before the focused control sees them.
#include "mainwindow/frm_main.h"

namespace mainwindow {

namespace {

constexpr int kBackspace = 8;
constexpr int kCarriageReturn = 13;
constexpr int kEscape = 27;

}  // namespace

bool frmMain::CanTakeFocus(const Control& control) const {
  switch (control.kind()) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::CommandButton:
      return control.Enabled() && control.Visible();
    default:
      return false;
  }
}

// Only a move to another value field or to a digits button validates the
// field left: the digits buttons act on the field last validated.
bool frmMain::ValidatesFieldLeftFor(const Control& target) const {
  return target.kind() == ControlKind::TextBox || &target == &cmdMore || &target == &cmdLess;
}

bool frmMain::MoveFocus(Control& target) {
  if (&target == focused_ || !CanTakeFocus(target)) return true;
  entryRefused_ = false;
  Control* left = focused_;
  if (left != nullptr && left->kind() == ControlKind::TextBox) {
    const int16_t leftIndex = left->index();
    if (ValidatesFieldLeftFor(target)) {
      bool cancel = false;
      txtData_Validate(leftIndex, cancel);
      if (cancel) return true;
    }
    focused_ = &target;
    view_->FocusChanged(focused_);
    txtData_LostFocus(leftIndex);
  } else {
    focused_ = &target;
    view_->FocusChanged(focused_);
  }
  if (focused_ == &target && target.kind() == ControlKind::TextBox) {
    txtData_GotFocus(target.index());
  }
  return !entryRefused_;
}

TextBox* frmMain::FocusedValueField() const {
  if (focused_ == nullptr || focused_->kind() != ControlKind::TextBox) return nullptr;
  return static_cast<TextBox*>(focused_);
}

// Only the value fields are tab stops, so Tab walks them in tab order and
// wraps from the last to the first; Shift+Tab walks back and wraps from the
// first to the last.
void frmMain::SendTab(bool backwards) {
  const int sign = backwards ? -1 : 1;
  const int from = focused_ != nullptr && focused_->tabStop ? sign * focused_->tabIndex
                                                            : -1000;
  Control* next = nullptr;
  Control* first = nullptr;
  for (Control* control : controls_) {
    if (!control->tabStop || !CanTakeFocus(*control)) continue;
    const int order = sign * control->tabIndex;
    if (first == nullptr || order < sign * first->tabIndex) first = control;
    if (order > from && (next == nullptr || order < sign * next->tabIndex)) next = control;
  }
  if (next == nullptr) next = first;
  if (next != nullptr) MoveFocus(*next);
}

bool frmMain::UserFocus(Control& control) { return MoveFocus(control); }

void frmMain::UserClick(Control& control) {
  if (!control.Enabled()) return;
  switch (control.kind()) {
    case ControlKind::MenuItem: {
      const auto& item = static_cast<const MenuItem&>(control);
      if (item.menu != nullptr && !item.IsSeparator() && item.onClick_) item.onClick_();
      return;
    }
    case ControlKind::TrayIcon:
      UserTrayMouseDown(1);
      return;
    case ControlKind::Frame:
    case ControlKind::Label:
      return;
    default:
      break;
  }

  // A button, tick or option reached while the field left refuses its entry
  // does not act: the user has seen the refusal and not yet the command, so
  // Compute must not run on the state from before the refused entry.
  if (!MoveFocus(control) || focused_ != &control) return;
  switch (control.kind()) {
    case ControlKind::CheckBox: {
      auto& box = static_cast<CheckBox&>(control);
      box.SetValue(box.Value() == 1 ? 0 : 1);
      return;
    }
    case ControlKind::OptionButton:
      static_cast<OptionButton&>(control).SetValue(true);
      return;
    case ControlKind::CommandButton:
      static_cast<CommandButton&>(control).Press();
      return;
    default:
      return;
  }
}

namespace {

char32_t Lowered(char32_t key) { return key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key; }

// The character after the caption's single "&" ("&&" is a literal one), or 0.
char32_t AccessKeyOf(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return Lowered(static_cast<unsigned char>(caption[i + 1]));
    ++i;
  }
  return 0;
}

}  // namespace

Control* frmMain::ControlWithAccessKey(char32_t key) const {
  for (Control* control : controls_) {
    switch (control->kind()) {
      case ControlKind::CheckBox:
      case ControlKind::OptionButton:
      case ControlKind::CommandButton:
        if (AccessKeyOf(control->caption) == Lowered(key) && CanTakeFocus(*control)) {
          return control;
        }
        break;
      default:
        break;
    }
  }
  return nullptr;
}

frmMain::AccessKeyOwner frmMain::OwnerOfAccessKey(char32_t key) const {
  if (key == 0) return AccessKeyOwner::None;
  // The menu bar's menus: the tray popup is hidden from it and takes no key.
  for (const Control* control : controls_) {
    if (control->kind() != ControlKind::MenuItem) continue;
    const auto& item = static_cast<const MenuItem&>(*control);
    if (item.menu == nullptr && item.Visible() && item.Enabled() &&
        AccessKeyOf(item.caption) == Lowered(key)) {
      return AccessKeyOwner::Menu;
    }
  }
  return ControlWithAccessKey(key) != nullptr ? AccessKeyOwner::Control : AccessKeyOwner::None;
}

bool frmMain::UserAccessKey(char32_t key) {
  if (OwnerOfAccessKey(key) != AccessKeyOwner::Control) return false;
  UserClick(*ControlWithAccessKey(key));
  return true;
}

void frmMain::UserTrayMouseDown(int button) {
  if (Tray1.onMouseDown_) Tray1.onMouseDown_(button);
}

void frmMain::UserSetSelection(TextBox& field, size_t anchor, size_t caret) {
  if (&field != focused_) MoveFocus(field);
  if (&field != focused_) return;
  field.UserSetSelection(anchor, caret);
}

bool frmMain::UserSelect(ComboBox& list, int position) {
  if (!list.Enabled() || position < 0 || position >= list.ListCount()) return false;
  MoveFocus(list);
  list.SetListIndex(position);
  return true;
}

void frmMain::UserType(char32_t character) {
  int keyAscii = character <= 0x10FFFF ? static_cast<int>(character) : 0;
  if (keyPreview) Form_KeyPress(keyAscii);
  if (keyAscii == 0) return;

  TextBox* field = FocusedValueField();
  if (field == nullptr) return;
  txtData_KeyPress(field->index(), keyAscii);
  if (keyAscii == 0 || field->Locked()) return;
  if (keyAscii == kBackspace) {
    field->UserBackspace();
  } else if (keyAscii < 0x80) {
    field->UserReplaceSelection(std::string(1, static_cast<char>(keyAscii)));
  }
}

void frmMain::UserPressKey(Key key) {
  switch (key) {
    case Key::Tab:
      SendTab();
      return;
    case Key::ShiftTab:
      SendTab(true);
      return;
    case Key::Enter:
      UserType(kCarriageReturn);
      return;
    case Key::Backspace:
      UserType(kBackspace);
      return;
    case Key::Escape:
      UserType(kEscape);
      return;
    case Key::Delete:
      // The Delete key edits the field directly; it is no typed character.
      if (TextBox* field = FocusedValueField(); field != nullptr && !field->Locked()) {
        field->UserDelete();
      }
      return;
  }
}

// Enter works as Tab, before any field sees it.
void frmMain::Form_KeyPress(int& keyAscii) {
  if (keyAscii != kCarriageReturn) return;
  keyAscii = 0;
  SendTab();
}

}  // namespace mainwindow
