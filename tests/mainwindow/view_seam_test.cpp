// SPDX-License-Identifier: GPL-3.0-or-later
// The view learns of every change the window makes, and the caret and
// selection the user makes come back in.
#include "loaded_window.h"

#include <algorithm>

using mainwindow::ControlProperty;
using mainwindow::Key;

namespace {

bool Changed(const RecordingView& view, const std::string& control, ControlProperty property) {
  return std::any_of(view.changes.begin(), view.changes.end(), [&](const auto& change) {
    return change.control == control && change.property == property;
  });
}

}  // namespace

TEST(ViewSeam, TheTickRuleReportsTicksEnabledAndLockedStates) {
  LoadedWindow w;
  w.view.changes.clear();
  w.Click("chkStmInput(1)");
  EXPECT_TRUE(Changed(w.view, "chkStmInput(1)", ControlProperty::Value));
  EXPECT_TRUE(Changed(w.view, "chkStmInput(3)", ControlProperty::Enabled));
  w.Click("chkStmInput(3)");  // temperature and enthalpy
  EXPECT_TRUE(Changed(w.view, "txtData(44)", ControlProperty::Locked));
  EXPECT_TRUE(Changed(w.view, "txtData(48)", ControlProperty::Text));
}

TEST(ViewSeam, ReportsBothOptionButtonsOfAGroupAndTheUnitLists) {
  LoadedWindow w;
  w.view.changes.clear();
  w.Click("optUnits(1)");
  EXPECT_TRUE(Changed(w.view, "optUnits(0)", ControlProperty::Value));
  EXPECT_TRUE(Changed(w.view, "optUnits(1)", ControlProperty::Value));
  EXPECT_TRUE(Changed(w.view, "cboUnits(16)", ControlProperty::ListIndex));
  EXPECT_TRUE(Changed(w.view, "txtData(43)", ControlProperty::Text));
}

TEST(ViewSeam, SurfaceTensionInTheTwoPhaseBandIsDisabledAndGreyed) {
  LoadedWindow w;
  w.view.changes.clear();
  w.Enter(43, "800");
  w.Click("cmdCompute");
  EXPECT_FALSE(w.form.txtData(54).Enabled());
  EXPECT_EQ(w.form.txtData(54).BackColor(), mainwindow::SystemColour::ButtonFace);
  EXPECT_TRUE(Changed(w.view, "txtData(54)", ControlProperty::BackColor));
  EXPECT_TRUE(Changed(w.view, "txtData(54)", ControlProperty::Enabled));
}

TEST(ViewSeam, FocusMovesAndTheSelectAllOnArrivalAreReported) {
  LoadedWindow w;
  w.view.changes.clear();
  w.Press(Key::Tab);
  EXPECT_EQ(w.view.focusMoves.back(), "txtData(44)");
  EXPECT_TRUE(Changed(w.view, "txtData(44)", ControlProperty::Selection));
  EXPECT_EQ(w.form.txtData(44).SelLength(), w.Text(44).size());
}

TEST(ViewSeam, ShiftTabWalksBackAndWraps) {
  LoadedWindow w;
  w.Press(Key::ShiftTab);
  EXPECT_EQ(w.FocusedName(), "txtData(57)");
  w.Press(Key::ShiftTab);
  EXPECT_EQ(w.FocusedName(), "txtData(56)");
}

TEST(UserSelection, TypingReplacesWhatTheUserSelected) {
  LoadedWindow w;  // "68.00" in txtData(43)
  w.form.UserSetSelection(w.form.txtData(43), 5, 3);  // "00", caret before it
  EXPECT_EQ(w.form.txtData(43).SelectedText(), "00");
  EXPECT_EQ(w.form.txtData(43).Caret(), 3u);
  w.Type("5");
  EXPECT_EQ(w.Text(43), "68.5");
  w.form.UserSetSelection(w.form.txtData(43), 1, 1);
  w.Press(Key::Backspace);
  EXPECT_EQ(w.Text(43), "8.5");
}

TEST(UserSelection, ClampsToTheTextAndToCharacterStarts) {
  LoadedWindow w;
  w.Paste("\xc2\xb0" "7");  // a degree sign, two bytes, then 7
  w.form.UserSetSelection(w.form.txtData(43), 1, 99);
  EXPECT_EQ(w.form.txtData(43).SelStart(), 0u);
  EXPECT_EQ(w.form.txtData(43).SelLength(), 3u);
}

TEST(UserSelection, InAnotherFieldMovesTheFocusThereFirst) {
  LoadedWindow w;
  w.form.UserSetSelection(w.form.txtData(49), 0, 2);
  EXPECT_EQ(w.FocusedName(), "txtData(49)");
  EXPECT_EQ(w.form.txtData(49).SelectedText(), "62");
  EXPECT_EQ(w.form.LastLeftField, 43);
}
