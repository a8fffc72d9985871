// Pins keep their order, names and reference through the moves a user makes,
// and their differences follow the chosen base.
#include "analysis/pinned_states.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using analysis::DifferenceBase;
using analysis::PinnedStates;

steam::SteamState StateAt(double temperature, double enthalpy,
                          steam::Formulation formulation = steam::Formulation::IF97) {
  steam::SteamState state;
  state.formulation = formulation;
  state.values.Temperature = temperature;
  state.values.Pressure = 100.0;
  state.values.Enthalpy = enthalpy;
  state.values.Entropy = enthalpy / 1000.0;
  return state;
}

std::vector<std::string> Names(const PinnedStates& pins) {
  std::vector<std::string> names;
  for (const auto& pin : pins.Pins()) names.push_back(pin.name);
  return names;
}

PinnedStates ThreePins() {
  PinnedStates pins;
  pins.Add(StateAt(100.0, 1000.0));
  pins.Add(StateAt(200.0, 3000.0));
  pins.Add(StateAt(400.0, 6000.0));
  return pins;
}

TEST(PinnedStates, MovesKeepNamesAndTheReferenceWithItsPin) {
  struct Case {
    const char* moves;  // r<n> remove, u<n> up, d<n> down, s<n> set reference, c clear, a add
    std::vector<std::string> names;
    std::optional<std::size_t> reference;
  };
  const Case cases[] = {
      {"", {"P1", "P2", "P3"}, 0},
      {"s1", {"P1", "P2", "P3"}, 1},
      {"s1u1", {"P2", "P1", "P3"}, 0},
      {"s1d1", {"P1", "P3", "P2"}, 2},
      {"s1u2", {"P1", "P3", "P2"}, 2},
      {"s1u0", {"P1", "P2", "P3"}, 1},   // the first row cannot go up
      {"s1d2", {"P1", "P2", "P3"}, 1},   // nor the last down
      {"s2r0", {"P2", "P3"}, 1},
      {"s1r1", {"P1", "P3"}, 0},         // the reference gone: the first row again
      {"r1a", {"P1", "P3", "P4"}, 0},    // numbers go on from the highest
      {"r2a", {"P1", "P2", "P3"}, 0},
      {"ca", {"P1"}, 0},
      {"r9", {"P1", "P2", "P3"}, 0},     // no such row
  };
  for (const Case& c : cases) {
    PinnedStates pins = ThreePins();
    const std::string moves = c.moves;
    for (std::size_t i = 0; i < moves.size(); ++i) {
      const char move = moves[i];
      const std::size_t row = (i + 1 < moves.size() && isdigit(moves[i + 1])) ? moves[++i] - '0' : 0;
      switch (move) {
        case 'r': pins.Remove(row); break;
        case 'u': pins.MoveUp(row); break;
        case 'd': pins.MoveDown(row); break;
        case 's': pins.SetReference(row); break;
        case 'c': pins.Clear(); break;
        case 'a': pins.Add(StateAt(0.0, 0.0)); break;
      }
    }
    EXPECT_EQ(Names(pins), c.names) << c.moves;
    EXPECT_EQ(pins.ReferenceRow(), c.reference) << c.moves;
  }
}

TEST(PinnedStates, HoldsFiftyAndNoMore) {
  PinnedStates pins;
  for (int i = 0; i < 50; ++i) ASSERT_TRUE(pins.Add(StateAt(i, i)).has_value());
  EXPECT_TRUE(pins.Full());
  EXPECT_FALSE(pins.Add(StateAt(0, 0)).has_value());
  EXPECT_EQ(pins.Count(), 50u);
  EXPECT_EQ(pins.Pins().back().name, "P50");
}

TEST(PinnedStates, RenameTrimsAndIgnoresABlankName) {
  PinnedStates pins = ThreePins();
  pins.Rename(0, "  Turbine inlet ");
  pins.Rename(1, "   ");
  EXPECT_EQ(Names(pins), (std::vector<std::string>{"Turbine inlet", "P2", "P3"}));
  // A renamed pin frees its number, which a new pin does not take again
  // while a higher one is held.
  pins.Add(StateAt(0, 0));
  EXPECT_EQ(pins.Pins().back().name, "P4");
}

TEST(PinnedStates, DifferencesAgainstTheReferenceOrThePreviousRow) {
  PinnedStates pins = ThreePins();
  pins.SetReference(1);
  struct Expected {
    std::size_t row;
    DifferenceBase base;
    std::optional<double> temperature, enthalpy;
  };
  const Expected cases[] = {
      {0, DifferenceBase::Reference, -100.0, -2000.0},
      {1, DifferenceBase::Reference, std::nullopt, std::nullopt},
      {2, DifferenceBase::Reference, 200.0, 3000.0},
      {0, DifferenceBase::Previous, std::nullopt, std::nullopt},
      {1, DifferenceBase::Previous, 100.0, 2000.0},
      {2, DifferenceBase::Previous, 200.0, 3000.0},
  };
  for (const Expected& c : cases) {
    pins.SetBase(c.base);
    const auto differences = pins.DifferencesOf(c.row);
    ASSERT_EQ(differences.has_value(), c.temperature.has_value()) << c.row;
    if (!differences) continue;
    EXPECT_DOUBLE_EQ(differences->temperature, *c.temperature) << c.row;
    EXPECT_DOUBLE_EQ(differences->enthalpy, *c.enthalpy) << c.row;
    EXPECT_DOUBLE_EQ(differences->entropy, *c.enthalpy / 1000.0) << c.row;
    EXPECT_FALSE(differences->mixed);
  }
}

TEST(PinnedStates, ADifferenceAcrossFormulationsIsMixed) {
  PinnedStates pins;
  pins.Add(StateAt(100.0, 1000.0));
  pins.Add(StateAt(100.0, 1001.0, steam::Formulation::IFC67));
  pins.Add(StateAt(100.0, 1002.0, steam::Formulation::IFC67));
  EXPECT_TRUE(pins.DifferencesOf(1)->mixed);
  EXPECT_TRUE(pins.DifferencesOf(2)->mixed);
  pins.SetBase(DifferenceBase::Previous);
  EXPECT_TRUE(pins.DifferencesOf(1)->mixed);
  EXPECT_FALSE(pins.DifferencesOf(2)->mixed);
}

TEST(PinnedStates, APinKnowsItsTwoInputs) {
  using steam::InputPair;
  using steam::Result;
  const std::pair<InputPair, std::vector<Result>> cases[] = {
      {InputPair::TemperaturePressure, {Result::Temperature, Result::Pressure}},
      {InputPair::TemperatureQuality, {Result::Temperature, Result::Quality}},
      {InputPair::TemperatureEnthalpy, {Result::Temperature, Result::Enthalpy}},
      {InputPair::TemperatureEntropy, {Result::Temperature, Result::Entropy}},
      {InputPair::PressureQuality, {Result::Pressure, Result::Quality}},
      {InputPair::PressureEnthalpy, {Result::Pressure, Result::Enthalpy}},
      {InputPair::PressureEntropy, {Result::Pressure, Result::Entropy}},
  };
  for (const auto& [pair, inputs] : cases) {
    analysis::Pin pin;
    pin.pair = pair;
    std::vector<Result> marked;
    for (std::size_t i = 0; i < steam::kResultCount; ++i) {
      if (pin.IsInput(static_cast<Result>(i))) marked.push_back(static_cast<Result>(i));
    }
    EXPECT_EQ(marked, inputs) << static_cast<int>(pair);
  }
}

}  // namespace
