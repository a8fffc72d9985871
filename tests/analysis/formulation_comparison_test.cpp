// The two formulations side by side: the differences come from the
// unrounded values, the "≠" mark follows the phase and the threshold, and a
// side the formulation refuses is blank with its reason.
#include "analysis/formulation_comparison.h"

#include "platform/shared_property_libraries.h"
#include "steam/si_state.h"
#include "units/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using analysis::ComparisonTable;
using analysis::DisplayUnits;
using steam::Formulation;
using steam::InputPair;
using steam::Result;

constexpr std::size_t kPhaseRow = steam::kResultCount;
enum Column { kProperty, kIf97, kIfc67, kDelta, kPercent, kUnit, kMark };

constexpr double kBtuPerLbm = 18.01528;  // Btu/lbmol of 1 Btu/lbm

double Number(const std::string& text) {
  const auto value = units::ReadNumber(text, units::NumberLocale{});
  EXPECT_TRUE(value.has_value()) << "'" << text << "'";
  return value.value_or(std::nan(""));
}

class Comparison : public testing::Test {
 protected:
  ComparisonTable Rows(InputPair pair, double first, double second, const DisplayUnits& shown,
                       double threshold = analysis::kDefaultDifferenceThresholdPercent) {
    comparison_ = analysis::CompareFormulations(pair, first, second, libraries_);
    return analysis::ComparisonRows(comparison_, shown, threshold);
  }
  const std::string& Cell(const ComparisonTable& table, Result row, Column column) {
    return table.table.rows[static_cast<std::size_t>(row)][column];
  }

  platform::SharedPropertyLibraries libraries_;
  analysis::FormulationComparison comparison_;
};

TEST_F(Comparison, AtTheNormalBoilingPointTheFormulationsDisagreeOnThePhase) {
  // IF-97's saturation temperature at 14.696 psia is 211.95 °F, IFC-67's
  // 212.00 °F: the one has steam, the other water.
  const ComparisonTable table = Rows(InputPair::TemperaturePressure, 212.0, 14.696,
                                     DisplayUnits::Ip());
  ASSERT_EQ(table.table.rows.size(), steam::kResultCount + 1);
  const auto& phase = table.table.rows[kPhaseRow];
  EXPECT_EQ(phase[kProperty], "Phase");
  EXPECT_EQ(phase[kIf97], "Superheated vapor");
  EXPECT_EQ(phase[kIfc67], "Compressed liquid");
  EXPECT_EQ(phase[kMark], "\u2260");
  EXPECT_TRUE(table.differs[kPhaseRow]);
  // The inputs agree to the last bit; the enthalpy is the latent heat apart.
  EXPECT_EQ(Cell(table, Result::Temperature, kDelta), "0.00");
  EXPECT_EQ(Cell(table, Result::Temperature, kPercent), "0.000");
  EXPECT_EQ(Cell(table, Result::Temperature, kMark), "");
  EXPECT_NEAR(Number(Cell(table, Result::Enthalpy, kDelta)), -970.0, 5.0);
  EXPECT_EQ(Cell(table, Result::Enthalpy, kMark), "\u2260");
  EXPECT_EQ(Cell(table, Result::Enthalpy, kUnit), "BTU/lbm");
  EXPECT_EQ(analysis::InputsCaption(*comparison_.if97.state, DisplayUnits::Ip()),
            "Inputs T, p: 212.00 °F, 14.696 psia");
}

TEST_F(Comparison, AShownStateIsComparedFromItsTwoInputs) {
  const struct {
    InputPair pair;
    double first, second;
    const char* caption;
  } cases[] = {
      {InputPair::PressureQuality, 100.0, 0.5, "Inputs p, x: 6.895 Bar, 0.500"},
      {InputPair::TemperatureEntropy, 400.0, 1.0 * kBtuPerLbm, "Inputs T, s: 204.44 °C, 4.18680 kJ/kg-K"},
  };
  for (const auto& c : cases) {
    const steam::SolveOutcome shown = steam::Solve(Formulation::IFC67, c.pair, c.first, c.second,
                                                   libraries_);
    ASSERT_TRUE(shown.succeeded) << c.caption;
    const auto comparison = analysis::CompareFormulationsOf(shown.state, libraries_);
    ASSERT_TRUE(comparison.ifc67.state.has_value()) << c.caption;
    EXPECT_EQ(comparison.ifc67.state->values.Enthalpy, shown.state.values.Enthalpy) << c.caption;
    EXPECT_EQ(analysis::InputsCaption(shown.state, DisplayUnits::Si()), c.caption);
  }
}

TEST_F(Comparison, InTheSuperheatRegionTheDifferencesAreSmallAndFromUnroundedValues) {
  // 16.5 MPa and 540 °C, shown in SI.
  const ComparisonTable table =
      Rows(InputPair::TemperaturePressure, 540.0 * 1.8 + 32.0, steam::PsiaFromMegapascal(16.5),
           DisplayUnits::Si());
  EXPECT_EQ(table.table.rows[kPhaseRow][kIf97], "Gas above the critical temperature");
  EXPECT_EQ(table.table.rows[kPhaseRow][kMark], "");
  const double dh = Number(Cell(table, Result::Enthalpy, kDelta));
  EXPECT_NEAR(std::fabs(dh), 1.8, 0.2) << dh;
  // The difference is that of the computed values, not of the rounded texts.
  const double unrounded = (comparison_.ifc67.state->values.Enthalpy -
                            comparison_.if97.state->values.Enthalpy) / kBtuPerLbm * 2.326;
  EXPECT_NEAR(dh, unrounded, 0.00006);
  EXPECT_EQ(Cell(table, Result::Enthalpy, kMark), "");  // about 0.05 %
  const double cpPercent = Number(Cell(table, Result::IsobaricHeatCapacity, kPercent));
  EXPECT_NEAR(std::fabs(cpPercent), 1.3, 0.15) << cpPercent;
  EXPECT_EQ(Cell(table, Result::IsobaricHeatCapacity, kMark), "\u2260");

  // The threshold decides the mark; a row at it exactly is not marked.
  const struct {
    double threshold;
    bool enthalpyMarked;
    bool cpMarked;
  } thresholds[] = {{0.01, true, true}, {0.1, false, true}, {5.0, false, false}};
  for (const auto& t : thresholds) {
    const ComparisonTable marked = analysis::ComparisonRows(comparison_, DisplayUnits::Si(),
                                                            t.threshold);
    EXPECT_EQ(marked.differs[static_cast<std::size_t>(Result::Enthalpy)], t.enthalpyMarked)
        << t.threshold;
    EXPECT_EQ(marked.differs[static_cast<std::size_t>(Result::IsobaricHeatCapacity)], t.cpMarked)
        << t.threshold;
  }
}

TEST_F(Comparison, PlaceholdersAndZerosHaveNoDifference) {
  // Wet steam at 300 °F, x = 0: the transport properties are placeholders,
  // the quality is zero on both sides.
  const ComparisonTable table = Rows(InputPair::TemperatureQuality, 300.0, 0.0,
                                     DisplayUnits::Ip());
  for (Result result : {Result::Quality}) {
    EXPECT_EQ(Cell(table, result, kDelta), "") << analysis::ResultCaption(result);
    EXPECT_EQ(Cell(table, result, kPercent), "") << analysis::ResultCaption(result);
  }
  const ComparisonTable wet = Rows(InputPair::TemperatureQuality, 300.0, 0.5, DisplayUnits::Ip());
  for (Result result : {Result::Viscosity, Result::ThermalConductivity, Result::SonicVelocity,
                        Result::PrandtlNumber, Result::IsobaricHeatCapacity}) {
    ASSERT_TRUE(comparison_.if97.state->IsPlaceholder(result));
    EXPECT_EQ(Cell(wet, result, kDelta), "") << analysis::ResultCaption(result);
    EXPECT_EQ(Cell(wet, result, kPercent), "") << analysis::ResultCaption(result);
    EXPECT_EQ(Cell(wet, result, kMark), "") << analysis::ResultCaption(result);
  }
  EXPECT_EQ(Cell(wet, Result::Quality, kPercent), "0.000");
  EXPECT_EQ(wet.table.rows[kPhaseRow][kIf97], "Wet steam");
  EXPECT_EQ(wet.table.rows[kPhaseRow][kIfc67], "Wet steam");
}

TEST_F(Comparison, ARefusedSideIsBlankWithItsReason) {
  const struct {
    const char* name;
    InputPair pair;
    double first, second;
  } cases[] = {
      // IFC-67 takes no compressed liquid from pressure and enthalpy.
      {"compressed liquid from p, h", InputPair::PressureEnthalpy, 1000.0, 100.0 * kBtuPerLbm},
      // IFC-67 holds to 1472 °F; IF-97's region 5 goes on.
      {"1500 °F", InputPair::TemperaturePressure, 1500.0, 100.0},
  };
  for (const auto& c : cases) {
    const ComparisonTable table = Rows(c.pair, c.first, c.second, DisplayUnits::Ip());
    ASSERT_TRUE(comparison_.if97.state.has_value()) << c.name;
    EXPECT_FALSE(comparison_.ifc67.state.has_value()) << c.name;
    EXPECT_NE(comparison_.ifc67.refusal, "") << c.name;
    EXPECT_EQ(comparison_.if97.refusal, "") << c.name;
    for (const auto& row : table.table.rows) {
      EXPECT_NE(row[kIf97], "") << c.name << " " << row[kProperty];
      EXPECT_EQ(row[kIfc67], "") << c.name << " " << row[kProperty];
      EXPECT_EQ(row[kDelta], "") << c.name << " " << row[kProperty];
      EXPECT_EQ(row[kMark], "") << c.name << " " << row[kProperty];
    }
  }
}

TEST(DisplayUnitsDifference, TemperatureDifferencesAreIntervals) {
  const struct {
    int16_t unit;
    const char* label;
    double nineDegreesFahrenheit;
  } cases[] = {{0, "°F", 9.0}, {1, "K", 5.0}, {2, "°R", 9.0}, {3, "K", 5.0}};
  for (const auto& c : cases) {
    DisplayUnits shown = DisplayUnits::Ip();
    shown.unit[0] = c.unit;
    EXPECT_EQ(shown.DifferenceLabel(Result::Temperature), c.label);
    EXPECT_DOUBLE_EQ(shown.ExpressDifference(Result::Temperature, 9.0), c.nineDegreesFahrenheit);
  }
  // Every other quantity scales: 1 Btu/lbm is 2.326 kJ/kg.
  EXPECT_NEAR(DisplayUnits::Si().ExpressDifference(Result::Enthalpy, kBtuPerLbm), 2.326, 1e-6);
}

}  // namespace
