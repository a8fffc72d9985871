// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing units shows the stored value again in the new unit, never
// recomputing and never drifting.
#include "loaded_window.h"

TEST(UnitChoice, TemperatureRoundTripsWithoutDrift) {
  LoadedWindow w;
  w.form.WorkingState.Temperature = 212.0;
  w.form.cboUnits_Click(16);
  EXPECT_EQ(w.Text(43), "212.00");
  for (int round = 0; round < 50; ++round) {
    w.Select(16, 1);
    ASSERT_EQ(w.Text(43), "100.00");
    w.Select(16, 0);
    ASSERT_EQ(w.Text(43), "212.00");
  }
  EXPECT_EQ(w.form.WorkingState.Temperature, 212.0);
}

TEST(UnitChoice, StartPressureInAtmKpaAndBar) {
  LoadedWindow w;
  w.Select(17, 1);
  EXPECT_EQ(w.Text(44), "1.000");
  w.Select(17, 5);
  EXPECT_EQ(w.Text(44), "101.325");
  w.Select(17, 7);
  EXPECT_EQ(w.Text(44), "1.013");
  EXPECT_EQ(w.form.WorkingState.Pressure, 14.696);
}

TEST(UnitChoice, RefillsABlankedResultFieldFromTheWorkingState) {
  LoadedWindow w;
  w.form.WorkingState.Viscosity = 0.5;
  w.Click("cmdClear");
  EXPECT_EQ(w.Text(52), "");
  w.Select(24, 1);
  EXPECT_EQ(w.Text(52), "1.20954");
}

TEST(UnitChoice, ListsOutsideTheTwelveAndListsWithoutSelectionChangeNothing) {
  LoadedWindow w;
  w.form.txtData(43).SetText("kept");
  w.form.cboUnits_Click(15);
  w.form.cboUnits_Click(28);
  EXPECT_EQ(w.Text(43), "kept");
  w.form.cboUnits(16).SetListIndex(-1);
  w.form.cboUnits_Click(16);
  EXPECT_EQ(w.Text(43), "kept");
}

TEST(UnitSystemSwitch, ShowsEveryFieldInSiAndBack) {
  LoadedWindow w;
  w.Click("optUnits(1)");
  EXPECT_EQ(w.form.cboUnits(16).ListIndex(), 1);
  EXPECT_EQ(w.form.cboUnits(17).ListIndex(), 7);
  EXPECT_EQ(w.form.cboUnits(27).ListIndex(), 3);
  EXPECT_EQ(w.Text(43), "20.00");
  EXPECT_EQ(w.Text(44), "1.013");
  w.Click("optUnits(0)");
  EXPECT_EQ(w.Text(43), "68.00");
  EXPECT_EQ(w.Text(44), "14.696");
}

TEST(UnitSystemSwitch, RewritesSurfaceTensionThoughItsUnitStays) {
  LoadedWindow w;
  w.Click("cmdClear");
  ASSERT_EQ(w.Text(54), "");
  w.Click("optUnits(1)");
  EXPECT_EQ(w.form.cboUnits(26).ListIndex(), 0);
  EXPECT_EQ(w.Text(54), "72.736");
}

// The velocity list's selection does not change when the user had already
// picked the SI unit; the switch must still fill its field.
TEST(UnitSystemSwitch, RefillsVelocityAlreadyInTheTargetUnit) {
  LoadedWindow w;
  w.form.WorkingState.SoundSpeed = 1000.0;
  w.Select(27, 3);
  w.Click("cmdClear");
  ASSERT_EQ(w.Text(55), "");
  w.Click("optUnits(1)");
  EXPECT_EQ(w.Text(55), "304.8");
}

TEST(UnitSystemSwitch, ClickingTheSystemAlreadyOnChangesNothing) {
  LoadedWindow w;
  w.Click("cmdClear");
  w.Click("optUnits(0)");
  EXPECT_EQ(w.Text(48), "");
}
