// SPDX-License-Identifier: GPL-3.0-or-later
// Analysis > Process Steps beside a real main window: the main window's
// computed state is the inlet, its units and decimal mark the panel's, and a
// state sent back is typed into the main window and computed there.
#include "shown_window.h"

#include "mainwindow/enter_state.h"
#include "platform/analysis/pinned_states_window.h"
#include "platform/analysis/process_steps_window.h"
#include "platform/analysis/shown_state_feed.h"
#include "platform/analysis/state_signals.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

struct WindowWithProcessSteps : ShownWindow {
  platform::StateSignals stateSignals{form};
  platform::ProcessStepsWindow steps{window, form, stateSignals, libraries, settings};

  QPushButton& StepsButton(const QString& caption) {
    for (QPushButton* button : steps.findChildren<QPushButton*>()) {
      if (button->text() == caption) return *button;
    }
    ADD_FAILURE() << "no button " << caption.toStdString();
    return *steps.findChild<QPushButton*>();
  }
  int Row(const QString& caption) {
    QTableWidget& table = steps.Panel().StatesTable();
    for (int row = 0; row < table.rowCount(); ++row) {
      if (table.item(row, 0)->text() == caption) return row;
    }
    return -1;
  }
};

TEST(ProcessStepsWindow, TheMainWindowsStateGoesThroughAStepAndTheOutletComesBack) {
  WindowWithProcessSteps w;
  w.steps.Open();
  mainwindow::EnterState(w.form, steam::InputPair::TemperaturePressure, "1000", "1000");
  platform::ProcessStepsPanel& panel = w.steps.Panel();
  ASSERT_EQ(panel.InletChoice().currentText(), "Main window state");

  panel.SelectKind(analysis::ProcessKind::Expand);
  panel.Field(analysis::ProcessKind::Expand, "p2").setText("2");
  panel.Compute();
  ASSERT_FALSE(panel.Result().refusal);
  const steam::SteamState outlet = *panel.Result().State("outlet");
  panel.StatesTable().selectRow(w.Row("Outlet"));
  w.Click(w.StepsButton("&Send to Main Window"));

  // The main window now holds the wet outlet by its pressure and quality.
  EXPECT_EQ(w.form.chkStmInput(1).Value(), 1);
  EXPECT_EQ(w.form.chkStmInput(2).Value(), 1);
  EXPECT_EQ(w.form.chkStmInput(0).Value(), 0);
  EXPECT_EQ(w.Field(44).text(), "2.000");
  EXPECT_NEAR(w.form.WorkingState.Quality, outlet.values.Quality, 1e-6);
  EXPECT_NEAR(w.form.WorkingState.Enthalpy, outlet.values.Enthalpy,
              1e-5 * outlet.values.Enthalpy);
  // Which is the panel's inlet now: the step's results no longer hold.
  EXPECT_EQ(panel.StatesTable().rowCount(), 0);
}

TEST(ProcessStepsWindow, FollowsTheUnitsTheClearingAndTheFormulation) {
  WindowWithProcessSteps w;
  mainwindow::EnterState(w.form, steam::InputPair::TemperaturePressure, "500", "100");
  platform::ProcessStepsPanel& panel = w.steps.Panel();
  QLabel* label = nullptr;
  for (QLabel* candidate : panel.findChildren<QLabel*>()) {
    if (candidate->text().startsWith("Outlet pressure")) label = candidate;
  }
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "Outlet pressure [psia]:");
  w.form.UserClick(w.form.optUnits(1));
  EXPECT_EQ(label->text(), "Outlet pressure [Bar]:");

  // IFC-67 in the main window: its states and the calorimeter use it.
  w.form.UserClick(w.form.optSteam(1));
  mainwindow::EnterState(w.form, steam::InputPair::TemperaturePressure, "300", "10");
  panel.SelectKind(analysis::ProcessKind::Throttle);
  panel.Field(analysis::ProcessKind::Throttle, "p2").setText("1");
  panel.Compute();
  ASSERT_FALSE(panel.Result().refusal) << *panel.Result().refusal;
  EXPECT_EQ(panel.Result().State("outlet")->formulation, steam::Formulation::IFC67);

  w.form.UserClick(w.form.cmdClear);
  EXPECT_EQ(panel.InletChoice().currentText(), "Main window state (none computed)");
  panel.Compute();
  EXPECT_EQ(panel.MessageLine().text(), "Compute a state in the main window, or pin one.");
}

// Pins kept in memory.
class KeptPins final : public analysis::PinStore {
 public:
  analysis::PinLoad Load() override { return {kept, {}}; }
  bool Save(const analysis::PinnedStates& pins) override {
    kept = pins;
    return true;
  }
  std::string Location() const override { return "/memory/pins.json"; }
  analysis::PinnedStates kept;
};

TEST(ProcessStepsWindow, PinsAreInletsAndAStepsStateIsPinned) {
  WindowWithProcessSteps w;
  platform::ShownStateFeed feed(w.stateSignals, w.form);
  KeptPins store;
  platform::PinnedStatesWindow pins(w.window, w.settings, feed, store);
  w.steps.UsePins(pins);
  platform::ProcessStepsPanel& panel = w.steps.Panel();

  mainwindow::EnterState(w.form, steam::InputPair::PressureQuality, "150", "0");
  ASSERT_TRUE(pins.PinShownState());
  ASSERT_EQ(panel.InletChoice().count(), 2);
  // A saturated liquid pin comes back on the saturation line, not as T and p.
  panel.InletChoice().setCurrentIndex(1);
  panel.SelectKind(analysis::ProcessKind::Flash);
  panel.Field(analysis::ProcessKind::Flash, "p2").setText("15");
  panel.Compute();
  ASSERT_FALSE(panel.Result().refusal) << *panel.Result().refusal;
  EXPECT_NEAR(*panel.Result().Figure("flash_fraction"), 0.15421, 2e-5);

  panel.StatesTable().selectRow(w.Row("Vapor"));
  w.Click(w.StepsButton("Pi&n State"));
  ASSERT_EQ(pins.Pins().Count(), 2u);
  EXPECT_DOUBLE_EQ(pins.Pins().Pins()[1].quality, 1.0);
  EXPECT_EQ(panel.InletChoice().count(), 3);
}

}  // namespace
