// SPDX-License-Identifier: GPL-3.0-or-later
// Cut, Copy and Paste of the Edit menu, on the focused value field.
#include "mainwindow/frm_main.h"

#include <algorithm>
#include <cctype>
#include <exception>

namespace mainwindow {

void frmMain::CutCopyPaste(std::string_view command) {
  std::string upper(command);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  TextBox* field = FocusedValueField();
  if (field == nullptr) return;

  // A locked field shows a result or a fixed input: the user may copy from
  // it, never change it, or a pasted number would pass for a computed one.
  // A clipboard that fails stops the command where it failed, quietly; Cut
  // then keeps the text it could not copy.
  try {
    if (upper == "CUT") {
      if (!clipboard_.Clear()) return;
      clipboard_.SetText(field->SelectedText());
      if (!field->Locked()) field->UserReplaceSelection({});
    } else if (upper == "COPY") {
      if (!clipboard_.Clear()) return;
      clipboard_.SetText(field->SelectedText());
    } else if (upper == "PASTE") {
      if (!field->Locked()) field->UserReplaceSelection(clipboard_.GetText());
    } else if (upper == "DELETE") {
      if (!field->Locked()) field->UserReplaceSelection({});
    }
  } catch (const std::exception&) {
  }
}

void frmMain::mnuEditCut_Click() { CutCopyPaste("Cut"); }
void frmMain::mnuEditCopy_Click() { CutCopyPaste("Copy"); }
void frmMain::mnuEditPaste_Click() { CutCopyPaste("Paste"); }

}  // namespace mainwindow
