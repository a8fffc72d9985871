// SPDX-License-Identifier: GPL-3.0-or-later
// The Process Steps panel on the offscreen platform: each tab computes its
// step from the inlet it is given, in the main window's units and decimal
// mark; refusals and the flash tank's notes show on the message line; the
// selected state goes out to be pinned or entered; Copy gives the tables.
#include "platform/analysis/process_steps_panel.h"
#include "platform/shared_property_libraries.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

using analysis::ProcessKind;

steam::SteamState Computed(steam::PropertyLibraries& libraries, steam::InputPair pair,
                           double first, double second,
                           steam::Formulation formulation = steam::Formulation::IF97) {
  const steam::SolveOutcome outcome = steam::Solve(formulation, pair, first, second, libraries);
  EXPECT_TRUE(outcome.succeeded);
  return outcome.state;
}

QString Cell(const QTableWidget& table, int row, int column) {
  const QTableWidgetItem* item = table.item(row, column);
  return item != nullptr ? item->text() : QString();
}

// The row whose first cell is `caption`, -1 for none.
int RowOf(const QTableWidget& table, const QString& caption) {
  for (int row = 0; row < table.rowCount(); ++row) {
    if (Cell(table, row, 0) == caption) return row;
  }
  return -1;
}

class ProcessStepsPanelTest : public ::testing::Test {
 protected:
  void Set(ProcessKind kind, const std::string& name, const char* text) {
    panel.Field(kind, name).setText(text);
  }
  QString Figure(const char* caption) const {
    const int row = RowOf(panel.FiguresTable(), caption);
    return row < 0 ? QString() : Cell(panel.FiguresTable(), row, 1);
  }
  QString StateValue(const char* caption, int column) const {
    const int row = RowOf(panel.StatesTable(), caption);
    return row < 0 ? QString() : Cell(panel.StatesTable(), row, column);
  }

  platform::SharedPropertyLibraries libraries;
  platform::ProcessStepsPanel panel{libraries};
  steam::SteamState turbineInlet =
      Computed(libraries, steam::InputPair::TemperaturePressure, 1000.0, 1000.0);
};

TEST_F(ProcessStepsPanelTest, EachTabComputesItsStepInTheMainWindowsUnits) {
  panel.SetMainState(turbineInlet);
  const struct {
    ProcessKind kind;
    std::vector<std::pair<std::string, const char*>> fields;
    const char* state;
    int column;
    const char* text;
    const char* figure;
    const char* figureText;
  } cases[] = {
      {ProcessKind::Expand, {{"p2", "2"}}, "Outlet", 4, "1041.8853", "Work", "464.2858"},
      {ProcessKind::Expand, {{"p2", "2"}, {"efficiency", "100"}}, "Outlet", 4, "959.9525",
       "Efficiency", "100.000"},
      {ProcessKind::Compress, {{"p2", "2000"}}, "Outlet", 2, "2000.000", "Efficiency", "75.000"},
      {ProcessKind::Throttle, {{"p2", "100"}}, "Outlet", 4, "1506.1711", "Entropy rise", nullptr},
      {ProcessKind::Calorimeter, {{"p1", "150"}, {"p2", "14.7"}, {"T2", "250"}}, "Inlet", 2,
       "150.000", nullptr, nullptr},
      {ProcessKind::Heat, {{"T2", "1100"}, {"flow", "3600"}}, "Outlet", 1, "1100.00", "Duty total",
       nullptr},
      {ProcessKind::Flash, {{"p2", "2"}}, "Vapor", 2, "2.000", "Flash fraction", "1.00000"},
  };
  int computed = 0;
  std::size_t pathLength = 0;
  QObject::connect(&panel, &platform::ProcessStepsPanel::stepComputed,
                   [&](const std::vector<steam::SteamState>& path) {
                     ++computed;
                     pathLength = path.size();
                   });
  for (const auto& c : cases) {
    panel.SelectKind(c.kind);
    for (const auto& [name, text] : c.fields) Set(c.kind, name, text);
    panel.Compute();
    const std::string what = analysis::ProcessKindName(c.kind);
    ASSERT_FALSE(panel.Result().refusal) << what << ": " << *panel.Result().refusal;
    EXPECT_EQ(StateValue(c.state, c.column).toStdString(), c.text) << what;
    if (c.figure != nullptr) {
      EXPECT_FALSE(Figure(c.figure).isEmpty()) << what << " " << c.figure;
    }
    if (c.figureText != nullptr) {
      EXPECT_EQ(Figure(c.figure).toStdString(), c.figureText) << what;
    }
    for (const auto& [name, text] : c.fields) Set(c.kind, name, "");
  }
  EXPECT_EQ(computed, static_cast<int>(std::size(cases)));
  EXPECT_GT(pathLength, 2u);
  // Each tab keeps its last result; a new state in the main window clears them.
  panel.SelectKind(ProcessKind::Expand);
  EXPECT_EQ(StateValue("Outlet", 4).toStdString(), "959.9525");
  panel.SetMainState(Computed(libraries, steam::InputPair::TemperaturePressure, 900.0, 900.0));
  EXPECT_EQ(panel.StatesTable().rowCount(), 0);
}

TEST_F(ProcessStepsPanelTest, SiUnitsAndADecimalCommaInTheFieldsAndTheResults) {
  analysis::ProcessDisplay display = analysis::ProcessDisplay::Si();
  display.locale = units::NumberLocale{",", "."};
  panel.SetDisplay(display);
  // 10 MPa, 500 degC expanded to 10 kPa (0,1 bar) at 85 %.
  panel.SetMainState(Computed(libraries, steam::InputPair::TemperaturePressure, 932.0,
                              1450.3773773020923));
  panel.SelectKind(ProcessKind::Expand);
  Set(ProcessKind::Expand, "p2", "0,1");
  Set(ProcessKind::Expand, "flow", "100");
  panel.Compute();
  ASSERT_FALSE(panel.Result().refusal) << *panel.Result().refusal;
  EXPECT_EQ(StateValue("Outlet", 4).left(7), "2282,45");
  EXPECT_EQ(StateValue("Ideal outlet", 4).left(7), "2089,64");
  EXPECT_TRUE(Figure("Shaft power").startsWith("109260,")) << Figure("Shaft power").toStdString();
  const QTableWidget& figures = panel.FiguresTable();
  EXPECT_EQ(Cell(figures, RowOf(figures, "Shaft power"), 2), "kW");
  EXPECT_TRUE(panel.MessageLine().text().isEmpty());
}

TEST_F(ProcessStepsPanelTest, RefusalsAndNotesShowOnTheMessageLine) {
  panel.SetMainState(turbineInlet);
  panel.SelectKind(ProcessKind::Expand);
  Set(ProcessKind::Expand, "p2", "2000");
  panel.Compute();
  EXPECT_EQ(panel.MessageLine().text().toStdString(),
            "The outlet pressure must be lower than the inlet pressure, 1000.000 psia.");
  EXPECT_EQ(panel.StatesTable().rowCount(), 0);
  Set(ProcessKind::Expand, "p2", "two");
  panel.Compute();
  EXPECT_EQ(panel.MessageLine().text().toStdString(), "Outlet pressure is not a number.");
  panel.SelectKind(ProcessKind::Flash);
  Set(ProcessKind::Flash, "p2", "15");
  panel.Compute();
  EXPECT_EQ(panel.MessageLine().text().toStdString(),
            "The inlet does not condense at the tank pressure.");
  EXPECT_EQ(RowOf(panel.StatesTable(), "Liquid"), -1);
  // Without a state in the main window, the steps that need one say so.
  panel.SetMainState(std::nullopt);
  panel.Compute();
  EXPECT_EQ(panel.MessageLine().text().toStdString(),
            "Compute a state in the main window, or pin one.");
}

TEST_F(ProcessStepsPanelTest, APinIsAnInletAndTheSelectedStateGoesOut) {
  const steam::SteamState pinned =
      Computed(libraries, steam::InputPair::PressureQuality, 150.0, 0.0);
  panel.SetMainState(turbineInlet);
  panel.SetPinning(true);
  panel.SetPins({{"P1", pinned}});
  ASSERT_EQ(panel.InletChoice().count(), 2);
  panel.InletChoice().setCurrentIndex(1);
  panel.SelectKind(ProcessKind::Flash);
  Set(ProcessKind::Flash, "p2", "15");
  Set(ProcessKind::Flash, "flow", "10000");
  panel.Compute();
  EXPECT_EQ(Figure("Flash fraction"), "0.15421");
  EXPECT_EQ(Figure("Vapor flow"), "1542.1179");

  std::vector<steam::SteamState> pinnedStates, sent;
  QObject::connect(&panel, &platform::ProcessStepsPanel::pinRequested,
                   [&](const steam::SteamState& state) { pinnedStates.push_back(state); });
  QObject::connect(&panel, &platform::ProcessStepsPanel::sendRequested,
                   [&](const steam::SteamState& state) { sent.push_back(state); });
  panel.StatesTable().selectRow(RowOf(panel.StatesTable(), "Vapor"));
  for (QPushButton* button : panel.findChildren<QPushButton*>()) {
    if (button->text() == "Pi&n State" || button->text() == "&Send to Main Window") button->click();
  }
  ASSERT_EQ(pinnedStates.size(), 1u);
  ASSERT_EQ(sent.size(), 1u);
  const steam::SteamState& state = sent.front();
  EXPECT_DOUBLE_EQ(state.values.Quality, 1.0);
  EXPECT_NEAR(state.values.Pressure, 15.0, 1e-9);

  const analysis::CopiedTexts copied = panel.CopiedResult();
  EXPECT_EQ(copied.text.substr(0, copied.text.find('\t')), "State");
  EXPECT_NE(copied.text.find("\nVapor\t"), std::string::npos);
  EXPECT_NE(copied.text.find("\n\nResult\tValue\tUnit\n"), std::string::npos) << copied.text;
  EXPECT_NE(copied.text.find("Flash fraction\t0.15421\t-\n"), std::string::npos);
  EXPECT_EQ(copied.html.rfind("<table><tr><th>State</th>", 0), 0u);
}

}  // namespace
