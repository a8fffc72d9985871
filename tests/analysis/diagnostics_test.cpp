// SPDX-License-Identifier: GPL-3.0-or-later
// The diagnostics of states computed through Solve with the real libraries:
// region, phase word, the margins to saturation with their signs, the
// nearest validity limit and the saturated ends beside the state, under both
// formulations. Inputs are in working units (deg F, psia, x).
#include "analysis/diagnostics.h"
#include "platform/shared_property_libraries.h"
#include "steam/si_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

using analysis::Diagnostics;
using analysis::Phase;
using steam::Formulation;
using steam::InputPair;

// The sign a margin must have; Absent where it must not exist.
enum class Sign { Absent, Zero, Positive, Negative };

std::string SignOf(const std::optional<double>& value) {
  if (!value) return "absent";
  if (*value == 0.0) return "zero";
  return *value > 0.0 ? "positive" : "negative";
}

std::string Expected(Sign sign) {
  switch (sign) {
    case Sign::Absent: return "absent";
    case Sign::Zero: return "zero";
    case Sign::Positive: return "positive";
    case Sign::Negative: return "negative";
  }
  return "";
}

struct Row {
  const char* name;
  Formulation formulation;
  InputPair pair;
  double first, second;
  std::optional<int> region;
  Phase phase;
  Sign superheat, subcooling, pressureMargin;
  // The nearest limit's name, or nullptr where the row does not look at it.
  const char* limit;
  bool saturationBeside;
};

constexpr Formulation IF97 = Formulation::IF97;
constexpr Formulation IFC67 = Formulation::IFC67;
constexpr InputPair TP = InputPair::TemperaturePressure;
constexpr InputPair TX = InputPair::TemperatureQuality;
constexpr InputPair PX = InputPair::PressureQuality;
constexpr InputPair PH = InputPair::PressureEnthalpy;
constexpr InputPair PS = InputPair::PressureEntropy;
constexpr InputPair TS = InputPair::TemperatureEntropy;
const std::optional<int> kNone;
constexpr Sign A = Sign::Absent, Z = Sign::Zero, Pos = Sign::Positive, Neg = Sign::Negative;

// IF-97: 705.1028 F and 3200.1102 psia are 647.096 K and 22.064 MPa.
// IFC-67: 705.47 F and 3208.2312 psia are 647.30 K and 22.120 MPa.
const std::vector<Row> kRows = {
    // IF-97, each region and phase word.
    {"cold water", IF97, TP, 150, 1000, 1, Phase::CompressedLiquid, A, Pos, Pos, nullptr, true},
    {"liquid below 623.15 K", IF97, TP, 660, 3000, 1, Phase::CompressedLiquid, A, Pos, Pos, nullptr, true},
    {"liquid above 623.15 K", IF97, TP, 664, 3000, 3, Phase::CompressedLiquid, A, Pos, Pos, nullptr, true},
    {"steam", IF97, TP, 600, 100, 2, Phase::SuperheatedVapor, Pos, A, Neg, nullptr, true},
    {"vapour above the B23 line", IF97, TP, 690, 2800, 3, Phase::SuperheatedVapor, Pos, A, Neg, nullptr, true},
    {"vapour below the B23 line", IF97, TP, 690, 2500, 2, Phase::SuperheatedVapor, Pos, A, Neg, nullptr, true},
    {"supercritical in region 2", IF97, TP, 1000, 5000, 2, Phase::SupercriticalFluid, A, A, A, nullptr, false},
    {"supercritical in region 3", IF97, TP, 750, 5000, 3, Phase::SupercriticalFluid, A, A, A, nullptr, false},
    {"liquid above pc", IF97, TP, 500, 5000, 1, Phase::LiquidAboveCriticalPressure, A, A, Pos, nullptr, true},
    {"gas above Tc", IF97, TP, 800, 100, 2, Phase::GasAboveCriticalTemperature, Pos, A, A, nullptr, true},
    {"region 5", IF97, TP, 2000, 100, 5, Phase::GasAboveCriticalTemperature, Pos, A, A, nullptr, true},
    {"below the triple-point pressure", IF97, TP, 50, 0.05, 2, Phase::SuperheatedVapor, A, A, Neg, nullptr, false},
    {"wet from T and x", IF97, TX, 300, 0.35, 4, Phase::WetSteam, A, A, Z, nullptr, true},
    {"saturated liquid", IF97, TX, 300, 0, 4, Phase::SaturatedLiquid, A, Z, Z, nullptr, true},
    {"saturated vapour", IF97, PX, 100, 1, 4, Phase::SaturatedVapor, Z, A, Z, nullptr, true},
    {"wet by the library's test", IF97, PH, 100, 10000, 4, Phase::WetSteam, A, A, Z, nullptr, true},
    {"wet from T and s", IF97, TS, 300, 20, 4, Phase::WetSteam, A, A, Z, nullptr, true},
    {"steam from p and h", IF97, PH, 100, 21500, 2, Phase::SuperheatedVapor, Pos, A, Neg, nullptr, true},
    {"critical point", IF97, TX, 705.1028, 1, 4, Phase::CriticalPoint, A, A, A, nullptr, false},
    // IF-97, the limits.
    {"near the lowest temperature", IF97, TP, 32.5, 14.696, 1, Phase::CompressedLiquid, A, Pos, Pos, "lower temperature", true},
    {"near the highest pressure", IF97, TP, 200, 14000, 1, Phase::LiquidAboveCriticalPressure, A, A, Pos, "upper pressure", true},
    {"hot above 50 MPa", IF97, TP, 1450, 10000, 2, Phase::SupercriticalFluid, A, A, A, "upper temperature above 50 MPa", false},
    {"region 5 near 50 MPa", IF97, TP, 2000, 7000, 5, Phase::SupercriticalFluid, A, A, A, "region 5 upper pressure", false},
    {"region 5 near its top", IF97, TP, 3600, 100, 5, Phase::GasAboveCriticalTemperature, Pos, A, A, "region 5 upper temperature", true},
    // IFC-67, each subregion and phase word.
    {"cold water", IFC67, TP, 150, 1000, 1, Phase::CompressedLiquid, A, Pos, Pos, nullptr, true},
    {"liquid above 623.15 K", IFC67, TP, 664, 3000, 4, Phase::CompressedLiquid, A, Pos, Pos, nullptr, true},
    {"steam", IFC67, TP, 600, 100, 2, Phase::SuperheatedVapor, Pos, A, Neg, nullptr, true},
    {"near-critical vapour", IFC67, TP, 690, 2800, 3, Phase::SuperheatedVapor, Pos, A, Neg, nullptr, true},
    {"supercritical", IFC67, TP, 750, 5000, 3, Phase::SupercriticalFluid, A, A, A, nullptr, false},
    {"liquid above pc", IFC67, TP, 500, 5000, 1, Phase::LiquidAboveCriticalPressure, A, A, Pos, nullptr, true},
    {"gas above Tc", IFC67, TP, 800, 100, 2, Phase::GasAboveCriticalTemperature, Pos, A, A, nullptr, true},
    {"wet from p and x", IFC67, PX, 100, 0.5, kNone, Phase::WetSteam, A, A, Z, nullptr, true},
    {"saturated liquid", IFC67, PX, 100, 0, kNone, Phase::SaturatedLiquid, A, Z, Z, nullptr, true},
    {"saturated vapour", IFC67, TX, 300, 1, kNone, Phase::SaturatedVapor, Z, A, Z, nullptr, true},
    {"wet from p and s", IFC67, PS, 100, 20, kNone, Phase::WetSteam, A, A, Z, nullptr, true},
    {"liquid from p and s", IFC67, PS, 1000, 5, 1, Phase::CompressedLiquid, A, Pos, Pos, nullptr, true},
    {"critical point", IFC67, TX, 705.47, 1, kNone, Phase::CriticalPoint, A, A, A, nullptr, false},
    {"near the lowest temperature", IFC67, TP, 32.5, 14.696, 1, Phase::CompressedLiquid, A, Pos, Pos, "lower temperature", true},
    {"near the highest temperature", IFC67, TP, 1450, 1000, 2, Phase::GasAboveCriticalTemperature, Pos, A, A, "upper temperature", true},
    {"near the highest pressure", IFC67, TP, 200, 14000, 1, Phase::LiquidAboveCriticalPressure, A, A, Pos, "upper pressure", true},
};

std::string NameOf(const Row& row) {
  return std::string(row.name) + (row.formulation == IF97 ? " (IF-97)" : " (IFC-67)");
}

TEST(Diagnostics, RegionPhaseMarginsAndLimitsOfStatesAcrossBothFormulations) {
  platform::SharedPropertyLibraries libraries;
  for (const Row& row : kRows) {
    SCOPED_TRACE(NameOf(row));
    const steam::SolveOutcome solved =
        steam::Solve(row.formulation, row.pair, row.first, row.second, libraries);
    ASSERT_TRUE(solved.succeeded) << (solved.messages.empty() ? "" : solved.messages[0].text);
    const Diagnostics d = analysis::Diagnose(solved.state);
    EXPECT_EQ(d.region, row.region);
    EXPECT_STREQ(analysis::PhaseWord(d.phase), analysis::PhaseWord(row.phase));
    EXPECT_EQ(SignOf(d.superheat), Expected(row.superheat));
    EXPECT_EQ(SignOf(d.subcooling), Expected(row.subcooling));
    EXPECT_EQ(SignOf(d.pressureMargin), Expected(row.pressureMargin));
    if (row.limit != nullptr) {
      EXPECT_EQ(d.nearestLimit.name, row.limit);
    }
    EXPECT_GT(d.nearestLimit.distance, 0.0);
    EXPECT_EQ(d.saturation.has_value(), row.saturationBeside);
    if (d.saturation) {
      // Liquid below vapour in volume, enthalpy and entropy, at one T and p.
      EXPECT_LT(d.saturation->liquid.volume, d.saturation->vapor.volume);
      EXPECT_GT(d.saturation->enthalpyOfEvaporation, 0.0);
      EXPECT_GT(d.saturation->entropyOfEvaporation, 0.0);
      EXPECT_EQ(d.saturation->liquid.temperature, d.saturation->vapor.temperature);
      EXPECT_EQ(d.saturation->liquid.pressure, d.saturation->vapor.pressure);
    }
  }
}

TEST(Diagnostics, SaturationTemperatureAndPressureExistBelowTheFormulationsOwnCriticalPoint) {
  platform::SharedPropertyLibraries libraries;
  struct Case {
    Formulation formulation;
    double fahrenheit, psia;
    bool saturationTemperature, saturationPressure;
  };
  // 705.3 F lies between the two critical temperatures (705.10 F and 705.47 F),
  // 3205 psia between the two critical pressures.
  for (const Case& c : {Case{IF97, 705.3, 3000, true, false}, Case{IFC67, 705.3, 3000, true, true},
                        Case{IF97, 700, 3205, false, true}, Case{IFC67, 700, 3205, true, true}}) {
    const steam::SolveOutcome solved = steam::Solve(c.formulation, TP, c.fahrenheit, c.psia, libraries);
    ASSERT_TRUE(solved.succeeded);
    const Diagnostics d = analysis::Diagnose(solved.state);
    EXPECT_EQ(d.saturationTemperature.has_value(), c.saturationTemperature) << c.fahrenheit << " " << c.psia;
    EXPECT_EQ(d.saturationPressure.has_value(), c.saturationPressure) << c.fahrenheit << " " << c.psia;
  }
}

TEST(Diagnostics, MarginsAndLimitDistancesAreInKelvinAndMegapascal) {
  platform::SharedPropertyLibraries libraries;
  // 14.696 psia is 0.101326 MPa, where water boils at 373.124 K (IF-97).
  const steam::SolveOutcome water = steam::Solve(IF97, TP, 68, 14.696, libraries);
  ASSERT_TRUE(water.succeeded);
  const Diagnostics d = analysis::Diagnose(water.state);
  EXPECT_NEAR(*d.saturationTemperature, 373.1243, 1e-3);
  EXPECT_NEAR(*d.subcooling, 373.1243 - 293.15, 1e-3);
  EXPECT_NEAR(*d.pressureMargin, 0.101326 - 0.0023393, 1e-6);
  EXPECT_EQ(d.nearestLimit.name, "lower temperature");
  EXPECT_EQ(d.nearestLimit.quantity, analysis::ValidityLimit::Quantity::Temperature);
  EXPECT_EQ(d.nearestLimit.value, 273.15);
  EXPECT_NEAR(d.nearestLimit.distance, 20.0, 1e-9);
  ASSERT_TRUE(d.saturation);
  EXPECT_NEAR(d.saturation->enthalpyOfEvaporation, 2256.5, 0.5);

  // Region 5 holds up to 50 MPa (7251.9 psia).
  const steam::SolveOutcome hot = steam::Solve(IF97, TP, 2000, 7000, libraries);
  ASSERT_TRUE(hot.succeeded);
  const Diagnostics h = analysis::Diagnose(hot.state);
  EXPECT_EQ(h.nearestLimit.value, 50.0);
  EXPECT_NEAR(h.nearestLimit.distance, 50.0 - 7000 * 0.006894757293168361, 1e-9);
}

TEST(Diagnostics, SaturatedEndsAtTheTemperatureAboveTheCriticalPressure) {
  platform::SharedPropertyLibraries libraries;
  for (Formulation formulation : {IF97, IFC67}) {
    const steam::SolveOutcome solved = steam::Solve(formulation, TP, 500, 5000, libraries);
    ASSERT_TRUE(solved.succeeded);
    const Diagnostics d = analysis::Diagnose(solved.state);
    ASSERT_TRUE(d.saturation);
    EXPECT_NEAR(d.saturation->liquid.temperature, steam::ToSi(solved.state).temperature, 1e-9);
    EXPECT_LT(d.saturation->liquid.pressure, 22.0);
  }
}

TEST(PhaseWord, EveryPhaseHasItsWord) {
  const std::vector<std::pair<Phase, const char*>> words = {
      {Phase::CompressedLiquid, "Compressed liquid"},
      {Phase::SaturatedLiquid, "Saturated liquid"},
      {Phase::WetSteam, "Wet steam"},
      {Phase::SaturatedVapor, "Saturated vapor"},
      {Phase::SuperheatedVapor, "Superheated vapor"},
      {Phase::SupercriticalFluid, "Supercritical fluid"},
      {Phase::LiquidAboveCriticalPressure, "Liquid above the critical pressure"},
      {Phase::GasAboveCriticalTemperature, "Gas above the critical temperature"},
      {Phase::CriticalPoint, "Critical point"}};
  for (const auto& [phase, word] : words) EXPECT_STREQ(analysis::PhaseWord(phase), word);
}

}  // namespace
