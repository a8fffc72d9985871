// SPDX-License-Identifier: GPL-3.0-or-later
// More and Less digits act on the format of the field last left towards a
// value field or a digits button, then press Compute.
#include "loaded_window.h"

#include <string>

using mainwindow::Key;

TEST(MoreDigits, OnTheViscosityFieldGrowsToEightDecimalsAndStops) {
  LoadedWindow w;
  w.CountComputePresses();
  w.Click("txtData(52)");
  w.Click("cmdMore");
  EXPECT_EQ(w.form.DisplayFormats[9], "#0.000000");
  EXPECT_EQ(w.form.LastLeftField, 52);
  w.Click("cmdMore");
  w.Click("cmdMore");
  EXPECT_EQ(w.form.DisplayFormats[9], "#0.00000000");
  w.Click("cmdMore");
  w.Click("cmdMore");
  EXPECT_EQ(w.form.DisplayFormats[9], "#0.00000000");
  EXPECT_EQ(w.ComputePresses(), 5);
}

TEST(LessDigits, OnSonicVelocityStopsAtThePoint) {
  LoadedWindow w;
  w.CountComputePresses();
  w.Click("txtData(55)");
  for (int press = 0; press < 6; ++press) w.Click("cmdLess");
  EXPECT_EQ(w.form.DisplayFormats[12], "####0.");
  EXPECT_EQ(w.ComputePresses(), 6);
  w.Select(27, 0);
  w.Select(27, 1);
  EXPECT_EQ(w.Text(55), "4867.");  // 4866.9 ft/s at 68 F and 14.696 psia
}

TEST(DigitsButtons, WithNoFieldEverLeftDoNothingAtAll) {
  LoadedWindow w;
  w.CountComputePresses();
  w.Click("cmdCompute");  // leaves txtData(43) without validating it
  ASSERT_EQ(w.ComputePresses(), 1);
  w.Click("cmdMore");
  w.Click("cmdLess");
  EXPECT_EQ(w.form.LastLeftField, 0);
  EXPECT_EQ(w.form.DisplayFormats, mainwindow::DefaultWindowSettings().displayFormats);
  EXPECT_EQ(w.ComputePresses(), 1);
}

TEST(DigitsButtons, ActOnTheFieldFocusedWhenClicked) {
  LoadedWindow w;
  w.Click("cmdMore");  // txtData(43) had the focus since the window opened
  EXPECT_EQ(w.form.DisplayFormats[0], "####0.000");
}

TEST(DigitsButtons, ComputeDoesNotMoveTheFieldLastLeft) {
  LoadedWindow w;
  w.Click("txtData(44)");
  w.Press(Key::Tab);  // validates 44
  w.Click("cmdCompute");
  EXPECT_EQ(w.form.LastLeftField, 44);
  w.Click("cmdLess");
  EXPECT_EQ(w.form.DisplayFormats[1], "####0.00");
  EXPECT_EQ(w.form.DisplayFormats[2], "0.000");
}

TEST(DigitsButtons, FormatWithoutPointShrinksToEmptyAndGrowsToEight) {
  LoadedWindow w;
  w.form.DisplayFormats[0] = "0000";
  w.Click("cmdLess");
  EXPECT_EQ(w.form.DisplayFormats[0], "000");
  w.Select(16, 2);
  EXPECT_EQ(w.Text(43), "528") << "68 F is 527.69 R, a whole number with at least three digits";
  w.Select(16, 0);
  EXPECT_EQ(w.Text(43), "068");
  for (int press = 0; press < 5; ++press) w.Click("cmdLess");
  EXPECT_EQ(w.form.DisplayFormats[0], "");
  for (int press = 0; press < 12; ++press) w.Click("cmdMore");
  EXPECT_EQ(w.form.DisplayFormats[0], "00000000");
}

TEST(DigitsButtons, QualityFollowsItsOwnFormatWhenTyped) {
  LoadedWindow w;
  w.Click("chkStmInput(1)");
  w.Click("chkStmInput(2)");
  w.Click("txtData(45)");
  w.Click("cmdMore");
  w.Enter(45, "0.5");
  EXPECT_EQ(w.Text(45), "0.5000");
}
