// SPDX-License-Identifier: GPL-3.0-or-later
// The tick boxes and the value fields' own behaviour: the tick rule, Clear,
// select-all on focus, the keystroke filter and change tracking.
#include "mainwindow/frm_main.h"

namespace mainwindow {

namespace {

constexpr int kBackspace = 8;

}  // namespace

void frmMain::chkStmInput_Click(int16_t /*index*/) {
  int ticked = 0;
  for (int16_t k = 0; k < kTickCount; ++k) {
    if (chkStmInput(k).Value() == 1) ++ticked;
  }
  for (int16_t k = 0; k < kTickCount; ++k) {
    CheckBox& box = chkStmInput(k);
    TextBox& field = txtData(kFirstField + k);
    if (ticked != 2) {
      box.SetEnabled(true);
      field.SetLocked(false);
    } else if (box.Value() == 0) {
      box.SetEnabled(false);
      field.SetLocked(true);
    }
  }
  ClearResults(false);
}

void frmMain::cmdClear_Click() { ClearResults(true); }

void frmMain::txtData_Change(int16_t /*index*/) { ResultsCleared = false; }

// A mouse click places the caret after the focus arrives; the model has no
// pending events, so the whole text is selected as the last word.
void frmMain::txtData_GotFocus(int16_t index) {
  if (index < kFirstField || index > kLastField) return;
  txtData(index).SelectAll();
}

// Judges the field's whole text, whatever part of it is selected: with all of
// "12.5" selected a point is still refused.
void frmMain::txtData_KeyPress(int16_t index, int& keyAscii) {
  if (index < kFirstField || index > kLastField) return;
  const std::string& text = txtData(index).Text();
  auto holds = [&text](char c) { return text.find(c) != std::string::npos; };
  switch (keyAscii) {
    case '.':
    case ',':
    case '-':
      if (holds(static_cast<char>(keyAscii))) keyAscii = 0;
      return;
    case kBackspace:
      return;
    default:
      break;
  }
  if (keyAscii >= '0' && keyAscii <= '9') {
    if (index >= kFirstField && index <= kLastInputField) ClearResults(false);
    return;
  }
  keyAscii = 0;
}

void frmMain::txtData_Validate(int16_t index, bool& /*cancel*/) {
  if (index < kFirstField || index > kLastField) return;
  LastLeftField = index;
}

}  // namespace mainwindow
