// SPDX-License-Identifier: GPL-3.0-or-later
// Working values in every unit of the window's lists, against conversions
// taken from published unit tables (NIST SP 811, seven digits) rather than
// from the code:
// a wrong or swapped factor, a molar unit read as a mass unit, or the window's
// rounded constants in place of the defining ones all show here.
#include "units/exact_conversions.h"
#include "units/flow_power_units.h"
#include "units/unit_names.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using units::ExactInUnit;
using units::Quantity;

constexpr float kMolarMass = 18.01528f;

struct Case {
  Quantity quantity;
  double working;
  int16_t unit;
  double expected;
  const char* what;
};

TEST(ExactConversions, EveryUnitOfEveryListAgainstPublishedFactors) {
  const double m = kMolarMass;
  const Case cases[] = {
      {Quantity::Temperature, 212.0, 0, 212.0, "F"},
      {Quantity::Temperature, 212.0, 1, 100.0, "C"},
      {Quantity::Temperature, 212.0, 2, 671.67, "R from the defining 459.67"},
      {Quantity::Temperature, 212.0, 3, 373.15, "K"},
      {Quantity::Pressure, 14.6959487755, 0, 14.6959487755, "psia"},
      {Quantity::Pressure, 14.6959487755, 1, 1.0, "atm"},
      {Quantity::Pressure, 1.0, 2, 6894.757 / 3386.389, "inHg, conventional"},
      {Quantity::Pressure, 1.0, 3, 6894.757 / 249.0889, "inH2O, conventional"},
      {Quantity::Pressure, 1.0, 4, 6894.757 / 133.3224, "mmHg, conventional"},
      {Quantity::Pressure, 1.0, 5, 6.894757293168361, "kPa"},
      {Quantity::Pressure, 1.0, 6, 6894.757293168361, "Pa"},
      {Quantity::Pressure, 1.0, 7, 0.06894757293168361, "bar"},
      {Quantity::Pressure, 1.0, units::kMegapascal, 0.006894757293168361, "MPa"},
      {Quantity::Enthalpy, 1.0, 0, 1.0, "Btu/lbmol"},
      {Quantity::Enthalpy, 1.0, 1, 5.0 / 9.0, "cal(IT)/gmol"},
      {Quantity::Enthalpy, 1.0, 2, 2.326, "kJ/kgmol"},
      {Quantity::Enthalpy, m, 3, 1.0, "Btu/lbm"},
      {Quantity::Enthalpy, m, 4, 5.0 / 9.0, "cal/g"},
      {Quantity::Enthalpy, m, 5, 2.326, "kJ/kg"},
      {Quantity::Entropy, 1.0, 1, 1.0, "cal/gmol-K"},
      {Quantity::Entropy, 1.0, 2, 4.1868, "kJ/kgmol-K"},
      {Quantity::Cp, m, 3, 1.0, "Btu/lbm-R"},
      {Quantity::Cp, m, 4, 1.0, "cal/g-K"},
      {Quantity::Cv, m, 5, 4.1868, "kJ/kg-K"},
      {Quantity::SpecificVolume, 1.0, 1, 62.42796057614462, "cm3/gmol"},
      {Quantity::SpecificVolume, 1.0, 2, 0.06242796057614462, "m3/kgmol"},
      {Quantity::SpecificVolume, m, 3, 1.0, "ft3/lbm"},
      {Quantity::SpecificVolume, m, 4, 62.42796057614462, "cm3/g"},
      {Quantity::SpecificVolume, m, 5, 0.06242796057614462, "m3/kg"},
      {Quantity::Density, 1.0, 1, 0.01601846337396014, "gmol/cm3"},
      {Quantity::Density, 1.0, 2, 16.01846337396014, "kgmol/m3"},
      {Quantity::Density, 1.0 / m, 3, 1.0, "lbm/ft3"},
      {Quantity::Density, 1.0 / m, 4, 0.01601846337396014, "g/cm3"},
      {Quantity::Density, 1.0 / m, 5, 16.01846337396014, "kg/m3"},
      {Quantity::Viscosity, 1.0, 1, 2.419088310502, "lbm/ft-hr"},
      {Quantity::Viscosity, 1.0, 2, 0.001, "kg/m-s"},
      {Quantity::Viscosity, 1.0, 3, 0.001, "N-s/m2"},
      {Quantity::Conductivity, 1.0, 1, 1.488163943, "kcal(IT)/hr-m-K"},
      {Quantity::Conductivity, 1.0, 2, 1.730734666, "W/m-K"},
      {Quantity::SurfaceTension, 0.001, 0, 1.0, "dyn/cm"},
      {Quantity::SurfaceTension, 14.59390294, 1, 1.0, "lbf/ft"},
      {Quantity::SurfaceTension, 0.5, 2, 0.5, "N/m"},
      {Quantity::SoundSpeed, 1.0, 0, 60.0, "ft/min"},
      {Quantity::SoundSpeed, 1.0, 2, 18.288, "m/min"},
      {Quantity::SoundSpeed, 1.0, 3, 0.3048, "m/s"},
  };
  for (const Case& c : cases) {
    const double got = ExactInUnit(c.quantity, c.working, kMolarMass, c.unit);
    // Published factors carry seven digits.
    EXPECT_NEAR(got, c.expected, 1e-6 * std::fabs(c.expected)) << c.what;
  }
}

TEST(ExactConversions, WorkingUnitsComeBackUntouchedAndUnknownUnitsGiveNaN) {
  const double value = 123.456789012345678;
  EXPECT_EQ(ExactInUnit(Quantity::Temperature, value, kMolarMass, 0), value);
  EXPECT_EQ(ExactInUnit(Quantity::Pressure, value, kMolarMass, 0), value);
  EXPECT_EQ(ExactInUnit(Quantity::SoundSpeed, value, kMolarMass, 1), value);
  EXPECT_TRUE(std::isnan(ExactInUnit(Quantity::Temperature, value, kMolarMass, 4)));
  EXPECT_TRUE(std::isnan(ExactInUnit(Quantity::Enthalpy, value, kMolarMass, units::kMegapascal)));
  EXPECT_TRUE(std::isnan(ExactInUnit(Quantity::Pressure, value, kMolarMass, -1)));
}

TEST(ExactConversions, ValuesInAUnitComeBackToTheSameWorkingValue) {
  struct Case {
    Quantity quantity;
    int16_t unit;
    double working;
  };
  const Case cases[] = {
      {Quantity::Temperature, 1, 1000.0},  {Quantity::Temperature, 2, -40.0},
      {Quantity::Temperature, 3, 212.0},   {Quantity::Pressure, 5, 1000.0},
      {Quantity::Pressure, units::kMegapascal, 3626.0}, {Quantity::Enthalpy, 3, 27000.0},
      {Quantity::Enthalpy, 5, -1234.5},    {Quantity::Entropy, 5, 30.0},
  };
  for (const Case& c : cases) {
    const double shown = ExactInUnit(c.quantity, c.working, kMolarMass, c.unit);
    EXPECT_NEAR(units::ExactFromUnit(c.quantity, shown, kMolarMass, c.unit), c.working,
                1e-12 * std::fabs(c.working))
        << static_cast<int>(c.quantity) << " unit " << c.unit;
  }
  // 100 degC is 212 degF exactly, 0 K is -459.67 degF.
  EXPECT_DOUBLE_EQ(units::ExactFromUnit(Quantity::Temperature, 100.0, kMolarMass, 1), 212.0);
  EXPECT_DOUBLE_EQ(units::ExactFromUnit(Quantity::Temperature, 0.0, kMolarMass, 3), -459.67);
}

TEST(FlowPowerUnits, DefiningFactorsAndTheSystemsUnits) {
  // 1 lbm/hr, 1 lbm/min, 1 lbm/s, 1 kg/hr, 1 kg/min, 1 kg/s in kg/s.
  const double flows[] = {0.45359237 / 3600, 0.45359237 / 60, 0.45359237, 1.0 / 3600, 1.0 / 60, 1.0};
  for (int16_t unit = 0; unit < 6; ++unit) {
    EXPECT_DOUBLE_EQ(units::FlowFromUnit(1.0, unit), flows[unit]) << unit;
    EXPECT_DOUBLE_EQ(units::FlowInUnit(flows[unit], unit), 1.0) << unit;
  }
  EXPECT_DOUBLE_EQ(units::PowerFromUnit(1.0, 0), 0.74569987158227022);
  EXPECT_DOUBLE_EQ(units::PowerInUnit(745.69987158227022, 0), 1000.0);
  EXPECT_DOUBLE_EQ(units::PowerInUnit(12.5, 1), 12.5);
  EXPECT_TRUE(std::isnan(units::FlowInUnit(1.0, 6)));
  EXPECT_TRUE(std::isnan(units::PowerFromUnit(1.0, -1)));
  EXPECT_EQ(units::SystemFlowUnit(false), 0);
  EXPECT_EQ(units::SystemFlowUnit(true), 5);
  EXPECT_EQ(units::SystemPowerUnit(false), 0);
  EXPECT_EQ(units::SystemPowerUnit(true), 1);
  EXPECT_EQ(units::FindUnitInRow(units::kFlowRateTag, "LBM/HR"), 0);
  EXPECT_EQ(units::FindUnitInRow(units::kFlowRateTag, "kg/s"), 5);
  EXPECT_EQ(units::FindUnitInRow(units::kPowerTag, "HP"), 0);
  EXPECT_FALSE(units::FindUnitInRow(units::kPowerTag, "W").has_value());
}

}  // namespace
