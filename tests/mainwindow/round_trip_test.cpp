// A state computed from temperature and pressure, then entered again through
// each other pair of inputs the formulation takes, as the texts the window
// showed for it: every field must come back as it was, in both unit systems
// and under both formulations. The shown inputs are rounded (an entropy to
// 5e-6 moves a superheated temperature by 0.01 F), so a field may move by
// two units of its last place or 2e-5 of its value; a wrong unit or phase
// moves it far more.
#include "loaded_window.h"
#include "steam/steam.h"
#include "units/display_format.h"
#include "units/unit_lists.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

enum Input { T = 0, P, X, H, S };
constexpr int16_t kFirstField = 43, kLastField = 57;
constexpr int16_t Field(Input input) { return static_cast<int16_t>(kFirstField + input); }

struct Pair {
  Input first, second;
};

class RoundTrip {
 public:
  RoundTrip(bool ifc67, bool si) {
    if (ifc67) w.Click("optSteam(1)");
    if (si) w.Click("optUnits(1)");
  }

  // Ticks exactly the two inputs, then types their texts and computes.
  void Compute(Pair pair, const std::vector<std::string>& shown) {
    for (int i = T; i <= S; ++i)
      if (w.form.chkStmInput(i).Value() == 1 && i != pair.first && i != pair.second) Tick(i);
    for (Input input : {pair.first, pair.second})
      if (w.form.chkStmInput(input).Value() == 0) Tick(input);
    for (Input input : {pair.first, pair.second}) w.Enter(Field(input), shown[input]);
    w.view.messages.clear();
    w.Click("cmdCompute");
  }

  std::vector<std::string> Fields() const {
    std::vector<std::string> texts;
    for (int16_t f = kFirstField; f <= kLastField; ++f) texts.push_back(w.Text(f));
    return texts;
  }

  LoadedWindow w;

 private:
  void Tick(int input) { w.Click("chkStmInput(" + std::to_string(input) + ")"); }
};

// Digits after the point in a shown text.
int Decimals(const std::string& text) {
  const std::size_t point = text.find('.');
  return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// Two shown texts of the same field agree to within `digits` units of the
// last place shown or 2e-5 of the value.
bool Agree(const std::string& a, const std::string& b, int digits) {
  if (a == b) return true;
  const double x = std::atof(a.c_str()), y = std::atof(b.c_str());
  const double lastPlace = std::pow(10.0, -Decimals(a));
  return std::fabs(x - y) <= digits * lastPlace * 1.0001 + 2e-5 * std::fabs(x);
}

// A state entered through `start`, then through each of `pairs`.
struct State {
  const char* name;
  Pair start;
  std::vector<std::string> texts;  // by input, in the unit system's default units
  std::vector<Pair> pairs;
};

void ExpectRoundTrips(bool ifc67, bool si, const std::vector<State>& states) {
  for (const State& state : states) {
    RoundTrip window(ifc67, si);
    const std::string where = std::string(state.name) + (ifc67 ? ", IFC-67" : ", IF-97") + (si ? ", SI" : ", IP");
    window.Compute(state.start, state.texts);
    ASSERT_TRUE(window.w.view.messages.empty()) << where << ": " << window.w.view.messages.front().text;
    const std::vector<std::string> original = window.Fields();
    for (Pair pair : state.pairs) {
      window.Compute(pair, original);
      const std::string context = where + ", from " + window.w.form.chkStmInput(pair.first).FullName() + " and " +
                                  window.w.form.chkStmInput(pair.second).FullName();
      ASSERT_TRUE(window.w.view.messages.empty()) << context << ": " << window.w.view.messages.front().text;
      const std::vector<std::string> back = window.Fields();
      for (std::size_t f = 0; f < back.size(); ++f)
        EXPECT_TRUE(Agree(original[f], back[f], 2))
            << context << ": txtData(" << kFirstField + f << ") was " << original[f] << ", now " << back[f];
    }
  }
}

State ByTemperatureAndPressure(const char* name, const char* t, const char* p, std::vector<Pair> pairs) {
  return {name, {T, P}, {t, p, "", "", ""}, std::move(pairs)};
}
State Wet(const char* t, std::vector<Pair> pairs) { return {"wet", {T, X}, {t, "", "0.350", "", ""}, std::move(pairs)}; }

const std::vector<Pair> kSinglePhase{{P, H}, {P, S}};
const std::vector<Pair> kWet{{P, X}, {T, H}, {T, S}, {P, H}, {P, S}};

// The table of states: by formulation and unit system.
std::vector<State> If97Ip() {
  return {ByTemperatureAndPressure("superheated", "600.00", "100.000", kSinglePhase),
          ByTemperatureAndPressure("compressed liquid", "150.00", "1000.000", kSinglePhase),
          ByTemperatureAndPressure("supercritical", "1100.00", "4500.000", kSinglePhase),
          Wet("300.00", kWet)};
}
std::vector<State> If97Si() {
  return {ByTemperatureAndPressure("superheated", "300.00", "5.000", kSinglePhase),
          ByTemperatureAndPressure("compressed liquid", "40.00", "50.000", kSinglePhase),
          ByTemperatureAndPressure("supercritical", "550.00", "300.000", kSinglePhase),
          Wet("150.00", kWet)};
}
// IFC-67 takes no compressed liquid from pressure and enthalpy.
std::vector<State> Ifc67Ip() {
  return {ByTemperatureAndPressure("superheated", "600.00", "100.000", kSinglePhase),
          ByTemperatureAndPressure("compressed liquid", "150.00", "1000.000", {{P, S}}),
          ByTemperatureAndPressure("supercritical", "1100.00", "4500.000", kSinglePhase),
          Wet("300.00", kWet)};
}
std::vector<State> Ifc67Si() {
  return {ByTemperatureAndPressure("superheated", "300.00", "5.000", kSinglePhase),
          ByTemperatureAndPressure("supercritical", "550.00", "300.000", kSinglePhase),
          Wet("150.00", kWet)};
}

TEST(RoundTrip, If97InIpUnits) { ExpectRoundTrips(false, false, If97Ip()); }

TEST(RoundTrip, If97InSiUnits) { ExpectRoundTrips(false, true, If97Si()); }

TEST(RoundTrip, Ifc67InBothUnitSystems) {
  ExpectRoundTrips(true, false, Ifc67Ip());
  ExpectRoundTrips(true, true, Ifc67Si());
}

// What the window shows for a state Solve computed: each field's text from the
// state's value, in the field's selected unit and display format.
std::string ShownText(const mainwindow::frmMain& form, const steam::SteamState& state, int16_t field) {
  const auto result = static_cast<steam::Result>(field - kFirstField);
  const std::string& format = form.DisplayFormats.at(field - kFirstField);
  if (state.IsPlaceholder(result) &&
      (result == steam::Result::PrandtlNumber || result == steam::Result::IsentropicExponent))
    return "0";
  double value = state.Value(result);
  for (const units::UnitList& row : units::kUnitLists)
    if (row.field == field)
      value = units::ExpressInUnit(row.quantity, value, state.values.MolarMass,
                                   static_cast<int16_t>(form.cboUnits(row.list).ListIndex()));
  return units::FormatValue(value, format, form.Locale);
}

// Every pair of the round-trip table through the window and through Solve with
// the values the window entered: the fifteen texts are the same.
void ExpectSolveShowsTheWindowsTexts(bool ifc67, bool si, const std::vector<State>& states) {
  const steam::Formulation formulation = ifc67 ? steam::Formulation::IFC67 : steam::Formulation::IF97;
  for (const State& state : states) {
    RoundTrip window(ifc67, si);
    window.Compute(state.start, state.texts);
    const std::vector<std::string> original = window.Fields();
    std::vector<Pair> pairs = state.pairs;
    pairs.insert(pairs.begin(), state.start);
    for (Pair pair : pairs) {
      window.Compute(pair, original);
      const std::string context = std::string(state.name) + (ifc67 ? ", IFC-67" : ", IF-97") + (si ? ", SI" : ", IP") +
                                  ", pair " + std::to_string(pair.first) + std::to_string(pair.second);
      ASSERT_TRUE(window.w.view.messages.empty()) << context;
      const std::optional<steam::InputPair> inputs =
          steam::PairOf(static_cast<steam::Result>(pair.first), static_cast<steam::Result>(pair.second));
      ASSERT_TRUE(inputs) << context;
      const steam::WorkingState& entered = window.w.form.WorkingState;
      steam::SteamState typed;
      typed.values = entered;
      const steam::SolveOutcome solved =
          steam::Solve(formulation, *inputs, typed.Value(steam::FirstInput(*inputs)),
                       typed.Value(steam::SecondInput(*inputs)), window.w.libraries);
      ASSERT_TRUE(solved.succeeded) << context;
      EXPECT_EQ(solved.state.formulation, formulation);
      EXPECT_EQ(solved.state.pair, *inputs);
      const std::vector<std::string> shown = window.Fields();
      for (int16_t f = kFirstField; f <= kLastField; ++f)
        EXPECT_EQ(ShownText(window.w.form, solved.state, f), shown[f - kFirstField]) << context << ", txtData(" << f << ")";
    }
  }
}

TEST(Solve, GivesTheWindowsFifteenTextsForEveryPair) {
  ExpectSolveShowsTheWindowsTexts(false, false, If97Ip());
  ExpectSolveShowsTheWindowsTexts(false, true, If97Si());
  ExpectSolveShowsTheWindowsTexts(true, false, Ifc67Ip());
  ExpectSolveShowsTheWindowsTexts(true, true, Ifc67Si());
}

// A refused state: Solve gives the window's message and the values the run
// wrote before it stopped, which the window keeps.
TEST(Solve, ARefusalGivesTheMessagesAndThePartialState) {
  LoadedWindow w;
  w.Click("chkStmInput(1)");
  w.Click("chkStmInput(3)");  // temperature and enthalpy
  w.Enter(46, "1300");
  const steam::WorkingState before = w.form.WorkingState;
  w.Click("cmdCompute");
  ASSERT_EQ(w.view.messages.size(), 1u);
  const steam::SolveOutcome solved =
      steam::Solve(steam::Formulation::IF97, steam::InputPair::TemperatureEnthalpy, before.Temperature,
                   before.Enthalpy, w.libraries, before);
  EXPECT_FALSE(solved.succeeded);
  ASSERT_EQ(solved.messages.size(), 1u);
  EXPECT_EQ(solved.messages[0].text, w.view.messages[0].text);
  EXPECT_EQ(solved.messages[0].title, w.view.messages[0].title);
  EXPECT_NEAR(solved.state.values.Pressure, 0.3393, 0.0005);  // the saturation pressure it wrote
  EXPECT_EQ(solved.state.values.Pressure, w.form.WorkingState.Pressure);
  EXPECT_EQ(solved.state.values.Enthalpy, before.Enthalpy);
  EXPECT_EQ(solved.state.values.Temperature, before.Temperature);
  EXPECT_EQ(solved.state.values.Viscosity, before.Viscosity);
  EXPECT_FALSE(solved.state.onSaturationLine);
}

}  // namespace
