// Compute and the formulation switch as the window shows them: messages,
// the failure path's blanking, the fields the command writes itself.
#include "loaded_window.h"

#include "units/unit_catalogue.h"
#include "units/unit_lists.h"

#include <cmath>
#include <limits>
#include <string>

namespace {

using shell::MessageBoxRequest;
using shell::MessageIcon;

const MessageBoxRequest& LastMessage(const LoadedWindow& w) {
  static const MessageBoxRequest kNone;
  return w.view.messages.empty() ? kNone : w.view.messages.back();
}

TEST(ComputeFailure, ShowsItsMessageThenBlanksAllButTheTickedInputs) {
  LoadedWindow w;
  w.Enter(44, "20000");
  w.Click("cmdCompute");
  EXPECT_EQ(LastMessage(w), (MessageBoxRequest{
                                "Pressure must be lower than 14503.82 psia (100,000.32 kPa).",
                                "Steam IFC-1997", MessageIcon::Critical}));
  EXPECT_EQ(w.Text(43), "68.00");
  EXPECT_EQ(w.Text(44), "20000.000");
  for (int16_t i = 45; i <= 57; ++i) EXPECT_EQ(w.Text(i), "") << i;
  EXPECT_TRUE(w.form.ResultsCleared);

  // Pressed again with nothing edited, the pressure is still checked.
  w.Click("cmdCompute");
  EXPECT_EQ(w.view.messages.size(), 2u);
  EXPECT_EQ(LastMessage(w).text, "Pressure must be lower than 14503.82 psia (100,000.32 kPa).");
  for (int16_t i = 45; i <= 57; ++i) EXPECT_EQ(w.Text(i), "") << i;
}

TEST(ComputeFailure, ALoneTemperatureIsNotEnoughInput) {
  LoadedWindow w;
  w.Click("chkStmInput(1)");
  w.Click("cmdCompute");
  EXPECT_EQ(LastMessage(w),
            (MessageBoxRequest{"Not enough input data is specified.  At a minimum, a \r"
                               "temperature and pressure input is needed.",
                               "Steam Properties", MessageIcon::Critical}));
  EXPECT_EQ(w.Text(43), "68.00");
  EXPECT_EQ(w.Text(48), "");
}

TEST(ComputeFailure, TemperatureCasesRefuseStatesOffTheSaturationLine) {
  LoadedWindow w;
  w.Click("chkStmInput(1)");
  w.Click("chkStmInput(3)");  // temperature and enthalpy
  w.Enter(46, "1300");
  w.Click("cmdCompute");
  EXPECT_EQ(LastMessage(w), (MessageBoxRequest{"Superheated steam.  Use T & P inputs to determine "
                                               "\rsteam properties.",
                                               "Steam Properties", MessageIcon::Exclamation}));
  // The saturation pressure the case had already written stays.
  EXPECT_NEAR(w.form.WorkingState.Pressure, 0.3393, 0.0005);
  w.Enter(46, "10");
  w.Click("cmdCompute");
  EXPECT_EQ(LastMessage(w),
            (MessageBoxRequest{"Compressed liquid.  Use T & P inputs to determine properties.",
                               "Steam Properties", MessageIcon::Critical}));
}

TEST(ComputeFailure, ALibraryLostAfterLoadingBlanksWithItsMessage) {
  LoadedWindow w;
  w.libraries.hydrix.reset();
  w.Click("cmdCompute");
  ASSERT_EQ(w.view.messages.size(), 1u);
  EXPECT_NE(LastMessage(w).text.find("libHydrix.so"), std::string::npos);
  EXPECT_EQ(w.Text(48), "");
  EXPECT_TRUE(w.form.ResultsCleared);
}

TEST(FormulationSwitch, SetsUpTheLibraryAndRecomputes) {
  LoadedWindow w;
  const double if97Volume = w.form.WorkingState.SpecificVolume;
  w.Click("optSteam(1)");
  EXPECT_TRUE(w.view.messages.empty());
  EXPECT_NE(w.form.WorkingState.SpecificVolume, if97Volume);
  EXPECT_EQ(w.Text(49), "62.32315");  // IFC-67 water at 68 F is 0.012 % denser
  w.Click("optSteam(0)");
  EXPECT_EQ(w.form.WorkingState.SpecificVolume, if97Volume);
}

TEST(FormulationSwitch, StopsOtherCalculationsBeforeTheLibraryUnitsAreSet) {
  LoadedWindow w;
  const double if97Volume = w.form.WorkingState.SpecificVolume;
  std::vector<double> volumesSeen;
  w.form.BeforeLibraryUnitsChange = [&] { volumesSeen.push_back(w.form.WorkingState.SpecificVolume); };
  w.Click("optSteam(1)");
  w.Click("optSteam(0)");
  ASSERT_EQ(volumesSeen.size(), 2u);
  EXPECT_EQ(volumesSeen[0], if97Volume);  // before the switch computed anything
}

TEST(ComputedFields, MixtureShowsZerosWhereItHasNoValue) {
  LoadedWindow w;
  w.Click("chkStmInput(1)");
  w.Click("chkStmInput(2)");  // temperature and quality
  w.Enter(43, "300");
  w.Enter(45, "0.5");
  w.Click("cmdCompute");
  ASSERT_TRUE(w.view.messages.empty());
  EXPECT_EQ(w.Text(45), "0.500");
  EXPECT_EQ(w.Text(50), "0.0000");  // Cp
  EXPECT_EQ(w.Text(51), "0.0000");  // Cv
  EXPECT_EQ(w.Text(52), "0.00000");
  EXPECT_EQ(w.Text(55), "0.0");
  EXPECT_EQ(w.Text(56), "0");
  EXPECT_EQ(w.Text(57), "0");
  EXPECT_FALSE(w.form.txtData(54).Enabled());
  EXPECT_EQ(w.form.txtData(54).BackColor(), mainwindow::SystemColour::ButtonFace);
  EXPECT_FALSE(w.form.ResultsCleared);
}

TEST(ComputedFields, MoreDigitsAfterAComputeShowTheSameStateWithOneMoreDecimal) {
  LoadedWindow w;
  w.Click("txtData(49)");
  w.Click("cmdMore");
  EXPECT_EQ(w.Text(49), "62.315834");
}

// A value that is no number shows as blank in every unit of its list, never
// as a converted 0.
TEST(WorkingValues, NonFiniteValuesShowBlankInEveryUnit) {
  LoadedWindow w;
  for (const units::UnitList& row : units::kUnitLists) {
    for (double bad : {std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity()}) {
      steam::WorkingState& s = w.form.WorkingState;
      s = steam::WorkingState{};
      double* fields[] = {&s.Temperature, &s.Pressure, &s.Enthalpy, &s.Entropy,
                          &s.SpecificVolume, &s.Density, &s.Cp, &s.Cv, &s.Viscosity,
                          &s.Conductivity, &s.SurfaceTension, &s.SoundSpeed};
      *fields[static_cast<int>(row.quantity)] = bad;
      mainwindow::ComboBox& list = w.form.cboUnits(row.list);
      for (int unit = 0; unit < list.ListCount(); ++unit) {
        w.form.txtData(row.field).SetText("x");
        list.SetListIndex(unit);
        w.form.cboUnits_Click(row.list);
        EXPECT_EQ(w.Text(row.field), "") << "list " << row.list << " unit " << unit;
      }
    }
  }
}

}  // namespace

namespace {

// A library that cannot be loaded: one message naming the file and its
// folder when the window first uses it, the same message at every Compute
// that needs it, and the rest of the window at work.
TEST(MissingLibrary, OneMessageAtFirstUseAndTheSameAtEachCompute) {
  LoadedWindow w([](steam_test::FakeLibraries& libraries) { libraries.calorix.reset(); });
  const std::string folder = w.libraries.Folder();
  ASSERT_TRUE(w.view.messages.empty()) << "IF-97 needs no IFC-67 library";
  w.Click("optSteam(1)");
  ASSERT_EQ(w.view.messages.size(), 1u);
  const MessageBoxRequest missing = LastMessage(w);
  EXPECT_NE(missing.text.find("libCalorix.so"), std::string::npos) << missing.text;
  EXPECT_NE(missing.text.find(folder), std::string::npos) << missing.text;
  EXPECT_EQ(missing.icon, MessageIcon::Critical);
  for (int16_t i = 45; i <= 57; ++i) EXPECT_EQ(w.Text(i), "") << i;

  w.Click("cmdCompute");
  ASSERT_EQ(w.view.messages.size(), 2u);
  EXPECT_EQ(LastMessage(w), missing);

  w.Click("optSteam(0)");
  EXPECT_EQ(w.view.messages.size(), 2u);
  EXPECT_NE(w.Text(48), "") << "IF-97 computes";
}

TEST(MissingLibrary, WithoutTheIF97LibraryBothFormulationsNameIt) {
  LoadedWindow w([](steam_test::FakeLibraries& libraries) { libraries.hydrix.reset(); });
  ASSERT_EQ(w.view.messages.size(), 1u) << "one message while the window loads";
  const MessageBoxRequest missing = LastMessage(w);
  EXPECT_NE(missing.text.find("libHydrix.so"), std::string::npos) << missing.text;
  w.Click("optSteam(1)");
  w.Click("cmdCompute");
  ASSERT_EQ(w.view.messages.size(), 3u);
  EXPECT_EQ(w.view.messages[1], missing);
  EXPECT_EQ(w.view.messages[2], missing);
}

}  // namespace
