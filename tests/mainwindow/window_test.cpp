// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it opens, and the names other parts of the program address.
#include "loaded_window.h"

using mainwindow::ControlKind;

TEST(WindowOpens, InIpUnitsWithIf97AndTheStartState) {
  LoadedWindow w;
  EXPECT_TRUE(w.form.optUnits(0).Value());
  EXPECT_FALSE(w.form.optUnits(1).Value());
  EXPECT_TRUE(w.form.optSteam(0).Value());
  EXPECT_FALSE(w.form.optSteam(1).Value());
  EXPECT_EQ(w.Text(43), "68.00");
  EXPECT_EQ(w.Text(44), "14.696");
  EXPECT_EQ(w.FocusedName(), "txtData(43)");
  EXPECT_EQ(w.form.txtData(43).SelectedText(), "68.00");
  EXPECT_EQ(w.form.LastLeftField, 0);
  EXPECT_EQ(w.form.DisplayFormats[0], "####0.00");
  EXPECT_EQ(w.form.DisplayFormats[14], "#0.000");
  EXPECT_TRUE(w.view.messages.empty());
}

// Water at 68 F and one atmosphere, as an engineer knows it.
TEST(WindowOpens, WithTheFirstStateComputed) {
  LoadedWindow w;
  EXPECT_EQ(w.Text(49), "62.31583");  // lbm/ft3
  EXPECT_EQ(w.Text(52), "1.00161");   // cP
  EXPECT_EQ(w.Text(54), "72.736");    // dyn/cm
  EXPECT_EQ(w.Text(56), "6.988");     // Prandtl number
  EXPECT_EQ(w.Text(45), "0.000");
  EXPECT_FALSE(w.form.ResultsCleared);
  EXPECT_TRUE(w.view.messages.empty());
}

TEST(WindowOpens, WithTheTrayMenuHiddenFromTheMenuBar) {
  LoadedWindow w;
  EXPECT_FALSE(w.form.mnuTrayPopup.Visible());
  EXPECT_TRUE(w.form.mnuEdit.Visible());
  EXPECT_EQ(w.form.mnuTrayPopupItem(0).caption, "&Open Hydrelix");
}

TEST(WindowOpens, WithTemperatureAndPressureTickedAndTheOthersDisabled) {
  LoadedWindow w;
  for (int16_t k = 0; k < 5; ++k) {
    EXPECT_EQ(w.form.chkStmInput(k).Value(), k < 2 ? 1 : 0) << k;
    EXPECT_EQ(w.form.chkStmInput(k).Enabled(), k < 2) << k;
  }
  for (int16_t i = 48; i <= 57; ++i) EXPECT_TRUE(w.form.txtData(i).Locked()) << i;
}

TEST(WindowControls, AreFoundByTheirNamesAndIndices) {
  LoadedWindow w;
  for (const char* name :
       {"txtData(43)", "txtData(57)", "cboUnits(16)", "cboUnits(27)", "chkStmInput(4)",
        "optUnits(1)", "optSteam(0)", "Label4(9)", "cmdMore", "cmdLess", "cmdClear",
        "cmdCompute", "cmdClose", "Tray1", "Frame1", "frmSteam(1)", "mnuEditPaste",
        "mnuHelpSearchForHelpOn", "mnuTrayPopupItem(3)"}) {
    mainwindow::Control* control = w.form.FindControl(name);
    ASSERT_NE(control, nullptr) << name;
    EXPECT_EQ(control->FullName(), name);
  }
  EXPECT_EQ(w.form.FindControl("txtData(42)"), nullptr);
  EXPECT_EQ(w.form.FindControl("txtdata(43)"), nullptr);
}

TEST(WindowControls, OnlyTheValueFieldsAreTabStopsInRowOrder) {
  LoadedWindow w;
  for (mainwindow::Control* control : w.form.Controls()) {
    EXPECT_EQ(control->tabStop, control->kind() == ControlKind::TextBox) << control->FullName();
  }
  for (int16_t i = 43; i <= 57; ++i) EXPECT_EQ(w.form.txtData(i).tabIndex, i - 43);
  EXPECT_GT(w.form.txtData(45).geometry.top, w.form.txtData(44).geometry.top);
}

TEST(WindowControls, UnitListsAreFilledFromTheirTags) {
  LoadedWindow w;
  EXPECT_EQ(w.form.cboUnits(16).Entries().size(), 4u);
  EXPECT_EQ(w.form.cboUnits(17).Entries().size(), 8u);
  EXPECT_EQ(w.form.cboUnits(22).tag, "HC");
  EXPECT_EQ(w.form.cboUnits(23).Entries(), w.form.cboUnits(22).Entries());
  EXPECT_EQ(w.form.cboUnits(26).Entries().at(0), "dyn/cm");
}

TEST(WindowControls, CaptionsAndTooltipsAreTheWindowsOwn) {
  LoadedWindow w;
  EXPECT_EQ(w.form.chkStmInput(2).caption, "&Quality (L=0, V=1):");
  EXPECT_EQ(w.form.chkStmInput(2).toolTip, "Vapor Fraction");
  EXPECT_EQ(w.form.chkStmInput(4).tag, "Entropy");
  EXPECT_EQ(w.form.Label4(4).caption, "Density");
  EXPECT_EQ(w.form.Label4(7).toolTip, "Sonic Velocity");
  EXPECT_EQ(w.form.cmdMore.toolTip, "Display More Digits");
  EXPECT_EQ(w.form.cmdClose.caption, "&Hide");
  EXPECT_EQ(w.form.mnuEditCut.shortcut, "Ctrl+X");
  EXPECT_EQ(w.form.mnuHelpContents.shortcut, "F1");
  EXPECT_EQ(w.form.mnuEditCopy.menu, &w.form.mnuEdit);
}
