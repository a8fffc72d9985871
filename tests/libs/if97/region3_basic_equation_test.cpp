// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "region3.h"
#include "region3_check_values.h"

namespace {

using namespace if97::region3;

double propertyAt(const std::string& property, double rho, double T) {
  if (property == "p") return pressure(rho, T);
  if (property == "h") return specificEnthalpy(rho, T);
  if (property == "u") return specificInternalEnergy(rho, T);
  if (property == "s") return specificEntropy(rho, T);
  if (property == "cp") return isobaricHeatCapacity(rho, T);
  if (property == "w") return speedOfSound(rho, T);
  return std::numeric_limits<double>::quiet_NaN();
}

TEST(Region3BasicEquation, ReproducesEveryPublishedDigitAtDensityAndTemperature) {
  const auto rows = region3_test::checkValues({"p", "h", "u", "s", "cp", "w"}, "3");
  ASSERT_EQ(rows.size(), 18u);
  for (const auto& row : rows) {
    const double actual = propertyAt(row.property, row.input("rho_kgm3"), row.input("T_K"));
    EXPECT_NEAR(actual, row.value, row.halfLastDigit()) << row.describe();
  }
}

TEST(Region3BasicEquation, IsochoricHeatCapacityIsBelowIsobaricAndPositive) {
  const struct {
    double rho, T;
  } states[] = {{200.0, 650.0}, {500.0, 650.0}, {650.0, 650.0}, {300.0, 700.0}, {500.0, 750.0}};
  for (const auto& state : states) {
    const double cv = isochoricHeatCapacity(state.rho, state.T);
    EXPECT_GT(cv, 0.0) << state.rho << " kg/m3, " << state.T << " K";
    EXPECT_LT(cv, isobaricHeatCapacity(state.rho, state.T)) << state.rho << " kg/m3, " << state.T << " K";
  }
}

TEST(Region3BasicEquation, InternalEnergyIsEnthalpyLessFlowWork) {
  const double rho = 500.0;
  const double T = 650.0;
  const double flowWork = 1000.0 * pressure(rho, T) / rho;  // kJ/kg
  EXPECT_NEAR(specificInternalEnergy(rho, T), specificEnthalpy(rho, T) - flowWork, 1e-9);
}

TEST(Region3BasicEquation, StatesOutsideRegion3AreNotANumber) {
  // Below 623.15 K is region 1 or 2; above 863.15 K region 2; a density that
  // puts the pressure above 100 MPa or below pB23 is outside too.
  EXPECT_TRUE(std::isnan(specificEnthalpy(600.0, 600.0)));
  EXPECT_TRUE(std::isnan(specificEnthalpy(300.0, 900.0)));
  EXPECT_TRUE(std::isnan(pressure(900.0, 700.0)));
  EXPECT_TRUE(std::isnan(pressure(20.0, 800.0)));
}

TEST(Region3BasicEquation, UnusableArgumentsGiveNotANumber) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double denormal = std::numeric_limits<double>::denorm_min();
  const double values[] = {nan, inf, -inf, 0.0, -500.0, denormal, 1e308, -1e308, 650.0, 500.0};
  for (double rho : values) {
    for (double T : values) {
      for (double (*property)(double, double) :
           {pressure, specificInternalEnergy, specificEntropy, specificEnthalpy,
            isobaricHeatCapacity, isochoricHeatCapacity, speedOfSound}) {
        const double result = property(rho, T);
        EXPECT_TRUE(std::isnan(result) || std::isfinite(result)) << rho << " kg/m3, " << T << " K";
      }
    }
  }
  EXPECT_TRUE(std::isnan(specificEnthalpy(nan, 650.0)));
  EXPECT_TRUE(std::isnan(specificEnthalpy(500.0, inf)));
  EXPECT_TRUE(std::isnan(specificEnthalpy(-500.0, 650.0)));
}

}  // namespace
