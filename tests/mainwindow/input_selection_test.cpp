// SPDX-License-Identifier: GPL-3.0-or-later
// The tick rule, Clear, the keystroke filter and change tracking.
#include "loaded_window.h"

using mainwindow::Key;

TEST(TickRule, UntickingPressureFreesAllFiveAndBlanksAllButTemperature) {
  LoadedWindow w;
  w.Click("chkStmInput(1)");
  for (int16_t k = 0; k < 5; ++k) {
    EXPECT_TRUE(w.form.chkStmInput(k).Enabled()) << k;
    EXPECT_FALSE(w.form.txtData(43 + k).Locked()) << k;
  }
  EXPECT_EQ(w.Text(43), "68.00");
  for (int16_t i = 44; i <= 57; ++i) EXPECT_EQ(w.Text(i), "") << i;
  EXPECT_TRUE(w.form.ResultsCleared);
}

TEST(TickRule, ASecondTickDisablesAndLocksTheOtherThree) {
  LoadedWindow w;
  w.Click("chkStmInput(1)");
  w.Click("chkStmInput(3)");
  EXPECT_EQ(w.form.chkStmInput(3).Value(), 1);
  for (int16_t k : {1, 2, 4}) {
    EXPECT_FALSE(w.form.chkStmInput(k).Enabled()) << k;
    EXPECT_TRUE(w.form.txtData(43 + k).Locked()) << k;
  }
  w.Click("chkStmInput(2)");  // disabled: the click is lost
  EXPECT_EQ(w.form.chkStmInput(2).Value(), 0);
}

TEST(TickRule, WithOneTickEachDigitBlanksTheUntickedFieldBeingTyped) {
  LoadedWindow w;
  w.Click("chkStmInput(1)");
  w.Click("txtData(46)");
  w.Type("123");
  EXPECT_EQ(w.Text(46), "3");
}

TEST(ClearCommand, RestoresTemperatureAndPressureWhateverWasTicked) {
  LoadedWindow w;
  w.Click("chkStmInput(0)");
  w.Click("chkStmInput(1)");
  w.Click("chkStmInput(3)");
  w.Click("chkStmInput(4)");
  w.form.WorkingState.Temperature = 300.0;
  w.Click("cmdClear");
  for (int16_t k = 0; k < 5; ++k) {
    EXPECT_EQ(w.form.chkStmInput(k).Value(), k < 2 ? 1 : 0) << k;
    EXPECT_EQ(w.form.chkStmInput(k).Enabled(), k < 2) << k;
  }
  EXPECT_EQ(w.Text(43), "300.00");
  EXPECT_EQ(w.Text(44), "14.696");
  for (int16_t i = 45; i <= 57; ++i) EXPECT_EQ(w.Text(i), "") << i;
  EXPECT_TRUE(w.form.txtData(46).Locked());
  EXPECT_TRUE(w.form.txtData(47).Locked());
}

TEST(ClearResultsKeepingInputs, LeavesTheTwoTickedFieldsAndEmptiesTheOtherThirteen) {
  LoadedWindow w;
  w.form.ClearResults(false);
  EXPECT_EQ(w.Text(43), "68.00");
  EXPECT_EQ(w.Text(44), "14.696");
  for (int16_t i = 45; i <= 57; ++i) EXPECT_EQ(w.Text(i), "") << i;
  EXPECT_TRUE(w.form.ResultsCleared);
}

TEST(KeystrokeFilter, JudgesTheWholeTextNotTheSelection) {
  LoadedWindow w;
  w.form.txtData(43).SetText("12.5");
  w.Click("txtData(44)");
  w.Click("txtData(43)");
  ASSERT_EQ(w.form.txtData(43).SelectedText(), "12.5");
  w.Type(".");
  EXPECT_EQ(w.Text(43), "12.5");
  w.Type("7");
  EXPECT_EQ(w.Text(43), "7");
}

TEST(KeystrokeFilter, RefusesLettersSoAnExponentCannotBeTyped) {
  LoadedWindow w;
  w.Press(Key::Delete);
  w.Type("1e5");
  EXPECT_EQ(w.Text(43), "15");
  w.Type("+ x");
  EXPECT_EQ(w.Text(43), "15");
}

TEST(KeystrokeFilter, TakesOneMinusAnywhereAndOneOfEachSeparator) {
  LoadedWindow w;
  w.Press(Key::Delete);
  w.Type("12-3-.4.,5,");
  EXPECT_EQ(w.Text(43), "12-3.4,5");
}

TEST(KeystrokeFilter, PunctuationAndBackspaceDoNotBlankResults) {
  LoadedWindow w;
  w.Press(Key::Backspace);
  w.Type("-.,");
  EXPECT_EQ(w.Text(48), "0.016047");
  w.Type("5");
  EXPECT_EQ(w.Text(48), "");
}

TEST(KeystrokeFilter, ADigitIntoALockedInputBlanksResultsButIsNotInserted) {
  LoadedWindow w;
  w.Click("chkStmInput(1)");
  w.Click("chkStmInput(1)");  // temperature and pressure again, the rest locked
  w.form.txtData(46).SetText("0.0000");
  w.form.txtData(48).SetText("1.000000");
  w.Click("txtData(46)");
  w.Type("7");
  EXPECT_EQ(w.Text(46), "");
  EXPECT_EQ(w.Text(48), "");
  EXPECT_TRUE(w.form.ResultsCleared);
}

TEST(KeystrokeFilter, ADigitIntoAResultFieldDoesNothing) {
  LoadedWindow w;
  w.Click("txtData(48)");
  w.Type("7");
  w.Press(Key::Backspace);
  w.Press(Key::Delete);
  EXPECT_EQ(w.Text(48), "0.016047");
  EXPECT_EQ(w.Text(44), "14.696");
  EXPECT_FALSE(w.form.ResultsCleared);
}

TEST(ChangeTracking, AnyTextChangeClearsResultsCleared) {
  LoadedWindow w;
  w.form.ClearResults(false);
  ASSERT_TRUE(w.form.ResultsCleared);
  w.Type("-");
  EXPECT_FALSE(w.form.ResultsCleared);
  w.form.ResultsCleared = true;
  w.form.txtData(50).SetText("x");
  EXPECT_FALSE(w.form.ResultsCleared);
}

TEST(SelectAll, EveryFocusedFieldHasItsWholeTextSelected) {
  LoadedWindow w;
  w.Press(Key::Tab);
  EXPECT_EQ(w.form.txtData(44).SelectedText(), "14.696");
  w.Click("txtData(49)");
  EXPECT_EQ(w.form.txtData(49).SelectedText(), "62.31583");
}

TEST(ValuesSetByCode, RunTheSameHandlingAsTheUser) {
  LoadedWindow w;
  w.form.chkStmInput(1).SetValue(0);
  EXPECT_TRUE(w.form.chkStmInput(4).Enabled()) << "the tick rule ran";
  EXPECT_EQ(w.Text(44), "");
  w.form.cboUnits(16).SetListIndex(1);
  EXPECT_EQ(w.Text(43), "20.00");
  w.form.optUnits(1).SetValue(true);
  EXPECT_FALSE(w.form.optUnits(0).Value());
  EXPECT_EQ(w.form.cboUnits(17).ListIndex(), 7);
  EXPECT_EQ(w.Text(44), "1.013");
}
