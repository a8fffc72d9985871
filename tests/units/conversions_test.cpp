// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/conversions.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace units {
namespace {

const float kMolarMass = 18.01528f;
const NumberLocale kDotLocale{".", ","};
const NumberLocale kCommaLocale{",", "."};

float ToUnit(const std::string& routine, double value, int16_t unit) {
  if (routine == "Temperature") return TemperatureToUnit(value, unit);
  if (routine == "Pressure") return PressureToUnit(value, unit);
  if (routine == "SurfaceTension") return SurfaceTensionToUnit(value, unit);
  if (routine == "Velocity") return VelocityToUnit(value, unit);
  if (routine == "SpecificVolume") return SpecificVolumeToUnit(value, kMolarMass, unit);
  if (routine == "Density") return DensityToUnit(value, kMolarMass, unit);
  if (routine == "HeatCapacity") return HeatCapacityToUnit(value, kMolarMass, unit);
  if (routine == "Enthalpy") return EnthalpyToUnit(value, kMolarMass, unit);
  if (routine == "Viscosity") return ViscosityToUnit(value, unit);
  if (routine == "Conductivity") return ConductivityToUnit(value, unit);
  ADD_FAILURE() << "no routine " << routine;
  return NAN;
}

float FromUnit(const std::string& routine, const std::string& text, int16_t unit,
               const NumberLocale& locale = kDotLocale) {
  if (routine == "Temperature") return TemperatureFromUnit(text, unit, locale);
  if (routine == "Pressure") return PressureFromUnit(text, unit, locale);
  if (routine == "HeatCapacity") return HeatCapacityFromUnit(text, kMolarMass, unit, locale);
  if (routine == "Enthalpy") return EnthalpyFromUnit(text, kMolarMass, unit, locale);
  ADD_FAILURE() << "no routine " << routine;
  return NAN;
}

// Number of units in each routine's list.
const std::vector<std::pair<std::string, int>> kToUnitRoutines = {
    {"Temperature", 4}, {"Pressure", 8},     {"SurfaceTension", 3}, {"Velocity", 4},
    {"SpecificVolume", 6}, {"Density", 6},   {"HeatCapacity", 6},   {"Enthalpy", 6},
    {"Viscosity", 4},   {"Conductivity", 3},
};
const std::vector<std::pair<std::string, int>> kFromUnitRoutines = {
    {"Temperature", 4}, {"Pressure", 8}, {"HeatCapacity", 6}, {"Enthalpy", 6}};

struct ToUnitCase {
  const char* routine;
  int16_t unit;
  double value;
  float expected;  // the double result of the formula, rounded to 32 bits
};

// Expected values were worked out independently from the conversion tables,
// so a wrong constant, a swapped multiply and divide or a wrong evaluation
// order shows up as a different 32-bit value.
TEST(ToUnitConversion, GivesTheRoundedResultOfEveryRow) {
  const std::vector<ToUnitCase> cases = {
      {"Temperature", 0, 68.0, 68.0f},
      {"Temperature", 1, 68.0, 20.0f},
      {"Temperature", 2, 68.0, 527.690002f},
      {"Temperature", 3, 68.0, 293.149994f},
      {"Pressure", 0, 14.696, 14.6960001f},
      {"Pressure", 1, 14.696, 1.00000346f},
      {"Pressure", 2, 14.696, 29.9213619f},
      {"Pressure", 3, 14.696, 406.783875f},
      {"Pressure", 4, 14.696, 760.002625f},
      {"Pressure", 5, 14.696, 101.325356f},
      {"Pressure", 6, 14.696, 101325.352f},
      {"Pressure", 7, 14.696, 1.01325357f},
      {"SurfaceTension", 0, 0.0589, 58.9000015f},
      {"SurfaceTension", 1, 0.0589, 0.00403593201f},
      {"SurfaceTension", 2, 0.0589, 0.0588999987f},
      {"Velocity", 0, 4900.5, 294030.0f},
      {"Velocity", 1, 4900.5, 4900.5f},
      {"Velocity", 2, 4900.5, 89620.3438f},
      {"Velocity", 3, 4900.5, 1493.67236f},
      {"SpecificVolume", 0, 18.07, 18.0699997f},
      {"SpecificVolume", 1, 18.07, 1128.07776f},
      {"SpecificVolume", 2, 18.07, 1.12807322f},
      {"SpecificVolume", 3, 18.07, 1.00303745f},
      {"SpecificVolume", 4, 18.07, 62.6178322f},
      {"SpecificVolume", 5, 18.07, 0.0626175851f},
      {"Density", 0, 3.46, 3.46000004f},
      {"Density", 1, 3.46, 0.0554238819f},
      {"Density", 2, 3.46, 55.4238815f},
      {"Density", 3, 3.46, 62.3328667f},
      {"Density", 4, 3.46, 0.998476744f},
      {"Density", 5, 3.46, 998.476746f},
      {"HeatCapacity", 0, 18.0, 18.0f},
      {"HeatCapacity", 1, 18.0, 18.0f},
      {"HeatCapacity", 2, 18.0, 75.3623962f},
      {"HeatCapacity", 3, 18.0, 0.999151826f},
      {"HeatCapacity", 4, 18.0, 0.999151826f},
      {"HeatCapacity", 5, 18.0, 4.183249f},
      {"Enthalpy", 0, 1150.0, 1150.0f},
      {"Enthalpy", 1, 1150.0, 638.898621f},
      {"Enthalpy", 2, 1150.0, 2674.8999f},
      {"Enthalpy", 3, 1150.0, 63.8347015f},
      {"Enthalpy", 4, 1150.0, 35.4642639f},
      {"Enthalpy", 5, 1150.0, 148.479507f},
      {"Viscosity", 0, 0.2834, 0.283399999f},
      {"Viscosity", 1, 0.2834, 0.685569644f},
      {"Viscosity", 2, 0.2834, 0.000283400004f},
      {"Viscosity", 3, 0.2834, 0.000283400004f},
      {"Conductivity", 0, 0.3817, 0.381700009f},
      {"Conductivity", 1, 0.3817, 0.567946315f},
      {"Conductivity", 2, 0.3817, 0.660033882f},
  };
  for (const ToUnitCase& c : cases) {
    EXPECT_EQ(ToUnit(c.routine, c.value, c.unit), c.expected)
        << c.routine << "ToUnit(" << c.value << ", " << c.unit << ")";
  }
}

struct FromUnitCase {
  const char* routine;
  int16_t unit;
  const char* text;
  float expected;
};

TEST(FromUnitConversion, GivesTheRoundedResultOfEveryRow) {
  const std::vector<FromUnitCase> cases = {
      {"Temperature", 0, "25.123", 25.1229992f},
      {"Temperature", 1, "25.123", 77.2213974f},
      {"Temperature", 2, "25.123", -434.566986f},
      {"Temperature", 3, "25.123", -414.448608f},
      {"Pressure", 0, "101.325", 101.324997f},
      {"Pressure", 1, "101.325", 1489.06702f},
      {"Pressure", 2, "101.325", 49.7661896f},
      {"Pressure", 3, "101.325", 3.66059804f},
      {"Pressure", 4, "101.325", 1.95929873f},
      {"Pressure", 5, "101.325", 14.6959486f},
      {"Pressure", 6, "101.325", 0.0146959489f},
      {"Pressure", 7, "101.325", 1469.59485f},
      {"HeatCapacity", 0, "1.7567", 1.75670004f},
      {"HeatCapacity", 1, "1.7567", 1.75670004f},
      {"HeatCapacity", 2, "1.7567", 0.419580579f},
      {"HeatCapacity", 3, "1.7567", 31.6474419f},
      {"HeatCapacity", 4, "1.7567", 31.6474419f},
      {"HeatCapacity", 5, "1.7567", 7.55886173f},
      {"Enthalpy", 0, "1150.0", 1150.0f},
      {"Enthalpy", 1, "1150.0", 2069.96851f},
      {"Enthalpy", 2, "1150.0", 494.411011f},
      {"Enthalpy", 3, "1150.0", 20717.5723f},
      {"Enthalpy", 4, "1150.0", 37291.0625f},
      {"Enthalpy", 5, "1150.0", 8906.95215f},
  };
  for (const FromUnitCase& c : cases) {
    EXPECT_EQ(FromUnit(c.routine, c.text, c.unit), c.expected)
        << c.routine << "FromUnit(\"" << c.text << "\", " << c.unit << ")";
  }
}

TEST(TemperatureConversion, KelvinAndRankineDisagreeOnAbsoluteZero) {
  EXPECT_EQ(TemperatureFromUnit("100", 1, kDotLocale), 212.0f);
  EXPECT_EQ(TemperatureFromUnit("0", 3, kDotLocale), -459.670013f);
  EXPECT_EQ(TemperatureFromUnit("0", 2, kDotLocale), -459.690002f);
}

TEST(TemperatureConversion, ReadsTheUsersDecimalSeparator) {
  EXPECT_EQ(TemperatureFromUnit("100,5", 1, kCommaLocale), static_cast<float>(100.5 * 1.8 + 32));
  EXPECT_EQ(TemperatureFromUnit(" 1.000,5 ", 0, kCommaLocale), 1000.5f);
  // Under a comma locale the point groups digits, so "100.5" is 1005.
  EXPECT_EQ(TemperatureFromUnit("100.5", 0, kCommaLocale), 1005.0f);
}

TEST(ToUnitConversion, FullPrecisionValueComesBackWithSinglePrecision) {
  EXPECT_EQ(EnthalpyToUnit(1150.123456789, kMolarMass, 0), 1150.1234f);
  EXPECT_EQ(HeatCapacityToUnit(1.23456789012, kMolarMass, 1), 1.23456789012f);
}

TEST(ConversionRange, UnitIndexOutsideTheListGivesZero) {
  for (const auto& [routine, count] : kToUnitRoutines) {
    for (int unit : {-1, count, count + 1, int{INT16_MIN}, int{INT16_MAX}}) {
      EXPECT_EQ(ToUnit(routine, 68.0, static_cast<int16_t>(unit)), 0.0f) << routine << "ToUnit unit " << unit;
    }
  }
  for (const auto& [routine, count] : kFromUnitRoutines) {
    for (int unit : {-1, count, int{INT16_MIN}, int{INT16_MAX}}) {
      EXPECT_EQ(FromUnit(routine, "68", static_cast<int16_t>(unit)), 0.0f) << routine << "FromUnit unit " << unit;
    }
  }
}

TEST(ConversionRange, TextThatIsNotANumberGivesZeroInEveryRow) {
  const std::vector<std::string> texts = {"", "   ", "-", "+", ".", "abc", "12abc", "nan",
                                          "inf", "-infinity", "0x1A", "1e", "--5", "1.2.3"};
  for (const auto& [routine, count] : kFromUnitRoutines) {
    for (int16_t unit = 0; unit < count; ++unit) {
      for (const std::string& text : texts) {
        EXPECT_EQ(FromUnit(routine, text, unit), 0.0f)
            << routine << "FromUnit(\"" << text << "\", " << unit << ")";
      }
    }
  }
}

TEST(ConversionRange, ResultBeyondSinglePrecisionGivesZero) {
  for (const auto& [routine, count] : kFromUnitRoutines) {
    for (int16_t unit = 0; unit < count; ++unit) {
      for (const char* text : {"3.5e38", "1e39", "-1e39", "1e999", "1e300"}) {
        EXPECT_EQ(FromUnit(routine, text, unit), 0.0f)
            << routine << "FromUnit(\"" << text << "\", " << unit << ")";
      }
    }
  }
  // In range as typed, beyond it once multiplied by the molar mass.
  EXPECT_EQ(EnthalpyFromUnit("1e38", kMolarMass, 3, kDotLocale), 0.0f);
  EXPECT_EQ(EnthalpyFromUnit("1e38", kMolarMass, 0, kDotLocale), 1e38f);

  for (const auto& [routine, count] : kToUnitRoutines) {
    for (int16_t unit = 0; unit < count; ++unit) {
      for (double value : {1e300, -1e300, double{HUGE_VAL}, -double{HUGE_VAL}, double{NAN}}) {
        const float result = ToUnit(routine, value, unit);
        EXPECT_EQ(result, 0.0f) << routine << "ToUnit(" << value << ", " << unit << ")";
      }
    }
  }
}

TEST(ConversionRange, ZeroMolarMassGivesZeroNotInfinity) {
  for (int16_t unit : {3, 4, 5}) {
    EXPECT_EQ(SpecificVolumeToUnit(18.0, 0.0f, unit), 0.0f) << unit;
    EXPECT_EQ(HeatCapacityToUnit(18.0, 0.0f, unit), 0.0f) << unit;
    EXPECT_EQ(EnthalpyToUnit(1150.0, 0.0f, unit), 0.0f) << unit;
  }
  EXPECT_EQ(SpecificVolumeToUnit(0.0, 0.0f, 3), 0.0f);
}

TEST(HeatCapacityConversion, MolarAndMassRowsThatShareAValueAgree) {
  for (double value : {0.0, 1.0, 8.0, 18.123456789, -3.5}) {
    EXPECT_EQ(HeatCapacityToUnit(value, kMolarMass, 1), static_cast<float>(value));
    EXPECT_EQ(HeatCapacityToUnit(value, kMolarMass, 3), HeatCapacityToUnit(value, kMolarMass, 4));
  }
}

TEST(FromUnitConversion, IdentityRowRoundsTheTextStraightToSinglePrecision) {
  // Just above the midpoint between 1 and the next 32-bit number. A detour
  // through a double lands exactly on the midpoint and then rounds down.
  const char* text = "1.00000005960464477539062500001";
  const float above = 1.00000011920928955078125f;
  EXPECT_EQ(TemperatureFromUnit(text, 0, kDotLocale), above);
  EXPECT_EQ(PressureFromUnit(text, 0, kDotLocale), above);
  EXPECT_EQ(HeatCapacityFromUnit(text, kMolarMass, 1, kDotLocale), above);
  EXPECT_EQ(EnthalpyFromUnit(text, kMolarMass, 0, kDotLocale), above);
}

TEST(UnitRoundTrip, TypedValueSurvivesTheWayBackWithinSinglePrecision) {
  for (const auto& [routine, count] : kFromUnitRoutines) {
    for (int16_t unit = 0; unit < count; ++unit) {
      const float working = FromUnit(routine, "123.456", unit);
      const float shown = ToUnit(routine, working, unit);
      EXPECT_NEAR(shown, 123.456, 123.456 * 1e-6) << routine << " unit " << unit;
    }
  }
}

}  // namespace
}  // namespace units
