// Solve, the computation the window's Compute runs, without the window: for
// every pair of the round-trip table under both formulations and unit
// systems it gives the state whose fifteen texts the window shows, and on a
// refusal the window's message with the partial state the run wrote.
#include "round_trip_states.h"

#include "mainwindow/shown_fields.h"
#include "steam/steam.h"
#include "units/display_format.h"
#include "units/unit_lists.h"

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace round_trip;

// What the window shows for a state: the value in the field's selected unit
// and display format; a placeholder Prandtl number or Cp/Cv is a bare "0".
std::string ShownText(const mainwindow::frmMain& form, const steam::SteamState& state,
                      const mainwindow::ShownField& shown) {
  const bool dimensionless = shown.result == steam::Result::PrandtlNumber ||
                             shown.result == steam::Result::IsentropicExponent;
  if (dimensionless && state.IsPlaceholder(shown.result)) return "0";
  double value = state.Value(shown.result);
  if (const units::UnitList* list = units::FindUnitList(shown.list)) {
    value = units::ExpressInUnit(list->quantity, value, state.values.MolarMass,
                                 static_cast<int16_t>(form.cboUnits(shown.list).ListIndex()));
  }
  return units::FormatValue(value, form.DisplayFormats.at(shown.format), form.Locale);
}

TEST(Solve, GivesTheWindowsFifteenTextsForEveryPair) {
  for (const Table& table : Tables()) {
    const steam::Formulation formulation =
        table.ifc67 ? steam::Formulation::IFC67 : steam::Formulation::IF97;
    for (const State& state : table.states) {
      RoundTrip window(table.ifc67, table.si);
      window.Compute(state.start, state.texts);
      const std::vector<std::string> original = window.Fields();
      std::vector<Pair> pairs = state.pairs;
      pairs.insert(pairs.begin(), state.start);
      for (Pair pair : pairs) {
        window.Compute(pair, original);
        const std::string context = std::string(state.name) + (table.ifc67 ? ", IFC-67" : ", IF-97") +
                                    (table.si ? ", SI" : ", IP") + ", inputs " +
                                    std::to_string(pair.first) + std::to_string(pair.second);
        ASSERT_TRUE(window.w.view.messages.empty()) << context;
        const std::optional<steam::InputPair> inputs = steam::PairOf(
            static_cast<steam::Result>(pair.first), static_cast<steam::Result>(pair.second));
        ASSERT_TRUE(inputs) << context;
        // The inputs as the window entered them, in working units.
        steam::SteamState entered;
        entered.values = window.w.form.WorkingState;
        const steam::SolveOutcome solved =
            steam::Solve(formulation, *inputs, entered.Value(steam::FirstInput(*inputs)),
                         entered.Value(steam::SecondInput(*inputs)), window.w.libraries);
        ASSERT_TRUE(solved.succeeded) << context;
        EXPECT_EQ(solved.state.formulation, formulation);
        EXPECT_EQ(solved.state.pair, *inputs);
        for (const mainwindow::ShownField& shown : mainwindow::kShownFields) {
          EXPECT_EQ(ShownText(window.w.form, solved.state, shown), window.w.Text(shown.field))
              << context << ", txtData(" << shown.field << ")";
        }
      }
    }
  }
}

TEST(Solve, ARefusalGivesTheMessagesAndThePartialState) {
  LoadedWindow w;
  w.Click("chkStmInput(1)");
  w.Click("chkStmInput(3)");  // temperature and enthalpy
  w.Enter(46, "1300");
  const steam::WorkingState before = w.form.WorkingState;
  w.Click("cmdCompute");
  ASSERT_EQ(w.view.messages.size(), 1u);
  const steam::SolveOutcome solved =
      steam::Solve(steam::Formulation::IF97, steam::InputPair::TemperatureEnthalpy,
                   before.Temperature, before.Enthalpy, w.libraries, before);
  EXPECT_FALSE(solved.succeeded);
  ASSERT_EQ(solved.messages.size(), 1u);
  EXPECT_EQ(solved.messages[0].text, w.view.messages[0].text);
  EXPECT_EQ(solved.messages[0].title, w.view.messages[0].title);
  // The saturation pressure the case wrote before it refused, kept by both.
  EXPECT_NEAR(solved.state.values.Pressure, 0.3393, 0.0005);
  EXPECT_EQ(solved.state.values.Pressure, w.form.WorkingState.Pressure);
  EXPECT_EQ(solved.state.values.Enthalpy, before.Enthalpy);
  EXPECT_EQ(solved.state.values.Temperature, before.Temperature);
  EXPECT_EQ(solved.state.values.Viscosity, before.Viscosity);
  EXPECT_FALSE(solved.state.onSaturationLine);
}

}  // namespace
