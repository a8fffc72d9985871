// SPDX-License-Identifier: GPL-3.0-or-later
// Focus moves as a mouse and keyboard would move it; only some moves
// validate the field left; Enter works as Tab.
#include "loaded_window.h"

using mainwindow::Key;

TEST(TabOrder, WalksTheFifteenValueFieldsAndWraps) {
  LoadedWindow w;
  for (int16_t i = 44; i <= 57; ++i) {
    w.Press(Key::Tab);
    ASSERT_EQ(w.FocusedName(), "txtData(" + std::to_string(i) + ")");
  }
  w.Press(Key::Tab);
  EXPECT_EQ(w.FocusedName(), "txtData(43)");
}

TEST(TabOrder, EnterInTheLastFieldMovesToTheFirst) {
  LoadedWindow w;
  w.Click("txtData(57)");
  w.Press(Key::Enter);
  EXPECT_EQ(w.FocusedName(), "txtData(43)");
  EXPECT_EQ(w.form.LastLeftField, 57);
}

TEST(TabOrder, FromAButtonOrListGoesToTheFirstField) {
  LoadedWindow w;
  w.Click("cmdClear");
  w.Press(Key::Tab);
  EXPECT_EQ(w.FocusedName(), "txtData(43)");
  w.Select(20, 0);
  w.Press(Key::Enter);
  EXPECT_EQ(w.FocusedName(), "txtData(43)");
}

TEST(TabOrder, EnterNeverReachesAField) {
  LoadedWindow w;
  w.form.UserType('\r');
  EXPECT_EQ(w.Text(43), "68.00");
  EXPECT_EQ(w.FocusedName(), "txtData(44)");
}

TEST(Validation, ComputeDoesNotValidateButMoreDoes) {
  LoadedWindow w;
  w.Click("cmdCompute");
  EXPECT_EQ(w.form.LastLeftField, 0);
  w.Click("txtData(43)");
  w.Click("cmdMore");
  EXPECT_EQ(w.form.LastLeftField, 43);
}

TEST(Validation, TicksOptionsListsAndOtherButtonsDoNotValidate) {
  LoadedWindow w;
  for (const char* target : {"chkStmInput(0)", "optUnits(0)", "optSteam(1)", "cmdClear",
                             "cmdClose", "cboUnits(20)"}) {
    w.Click("txtData(50)");
    w.form.LastLeftField = 0;
    w.Click(target);
    EXPECT_EQ(w.form.LastLeftField, 0) << target;
    EXPECT_EQ(w.FocusedName(), target);
  }
}

TEST(Validation, LeavingConvertsEvenWithoutValidation) {
  LoadedWindow w;
  w.Press(Key::Delete);
  w.Type("100");
  w.Click("cmdCompute");
  EXPECT_EQ(w.form.WorkingState.Temperature, 100.0);
  EXPECT_EQ(w.form.LastLeftField, 0);
}

TEST(Clicks, OnDisabledControlsLabelsAndFramesChangeNothing) {
  LoadedWindow w;
  w.Click("chkStmInput(3)");
  w.Click("Label4(0)");
  w.Click("Frame1");
  EXPECT_EQ(w.FocusedName(), "txtData(43)");
  EXPECT_EQ(w.form.chkStmInput(3).Value(), 0);
}

TEST(Clicks, OnMenuItemsKeepTheFocus) {
  LoadedWindow w;
  w.Click("mnuEditCopy");
  w.Click("mnuFileHide");
  w.Click("mnuTrayPopupItem(2)");
  EXPECT_EQ(w.FocusedName(), "txtData(43)");
  EXPECT_EQ(w.clipboard.GetText(), "68.00");
}

TEST(Clicks, SelectingAnEntryTheListDoesNotHaveIsRefused) {
  LoadedWindow w;
  EXPECT_FALSE(w.form.UserSelect(w.form.cboUnits(16), 4));
  EXPECT_FALSE(w.form.UserSelect(w.form.cboUnits(16), -1));
  EXPECT_EQ(w.form.cboUnits(16).ListIndex(), 0);
  EXPECT_EQ(w.FocusedName(), "txtData(43)");
}

TEST(Keys, EscapeAndForeignCharactersChangeNothing) {
  LoadedWindow w;
  w.Press(Key::Escape);
  w.form.UserType(U'\u00e9');
  w.form.UserType(0x110000);
  EXPECT_EQ(w.Text(43), "68.00");
}

TEST(Keys, BackspaceAndDeleteWorkAtTheCaret) {
  LoadedWindow w;
  w.Press(Key::Delete);
  w.Type("123");
  w.Press(Key::Backspace);
  EXPECT_EQ(w.Text(43), "12");
  w.Press(Key::Delete);
  EXPECT_EQ(w.Text(43), "12");
}
