// SPDX-License-Identifier: GPL-3.0-or-later
// The transport formulas against the published values of the IAPWS
// equations they follow, and their edges.
#include "steam/transport_properties.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace steam::basSteam97Functions;

// lbmol/ft3 of a density in kg/m3.
float Molar(double kgPerCubicMetre) {
  return static_cast<float>(kgPerCubicMetre * 0.062427961 / 18.01528);
}
double Fahrenheit(double celsius) { return celsius * 1.8 + 32.0; }

TEST(SurfaceTension, FollowsTheIapwsValuesAndStopsAtTheCriticalPoint) {
  EXPECT_NEAR(CalcSurfaceTension(32.0f), 0.07564f, 0.00002f);  // largest, at 0 C
  EXPECT_NEAR(CalcSurfaceTension(68.0f), 0.07274f, 0.00002f);
  EXPECT_NEAR(CalcSurfaceTension(212.0f), 0.05891f, 0.00002f);
  const float nearCritical = CalcSurfaceTension(705.1f);
  EXPECT_GT(nearCritical, 0.0f);
  EXPECT_LT(nearCritical, 1e-4f);
  EXPECT_EQ(CalcSurfaceTension(705.2f), steam::kNoTransportValue);
  EXPECT_EQ(CalcSurfaceTension(31.9f), steam::kNoTransportValue);
  EXPECT_EQ(CalcSurfaceTension(std::numeric_limits<float>::quiet_NaN()),
            steam::kNoTransportValue);
}

// Values of the two equations (viscosity 1985, conductivity for industrial
// use) at states of their published tables, to the single precision held.
TEST(Viscosity, MatchesTheEquationsTableValues) {
  const struct {
    double celsius, density, microPascalSeconds;
  } cases[] = {{20.0, 998.2, 1001.6}, {100.0, 0.5896, 12.27}, {200.0, 864.7, 134.4},
               {400.0, 100.0, 26.0}};
  for (const auto& c : cases) {
    const auto cP = CalcViscosity(Fahrenheit(c.celsius), Molar(c.density));
    ASSERT_TRUE(cP) << c.celsius;
    EXPECT_NEAR(*cP * 1000.0, c.microPascalSeconds, c.microPascalSeconds * 0.01) << c.celsius;
  }
  EXPECT_FALSE(CalcViscosity(68.0, 1e30f));
  EXPECT_FALSE(CalcViscosity(std::numeric_limits<double>::quiet_NaN(), 1.0f));
}

TEST(Conductivity, MatchesTheEquationsTableValuesAndSurvivesAThinGas) {
  const struct {
    double celsius, density, wattsPerMetreKelvin;
  } cases[] = {{20.0, 998.2, 0.598}, {100.0, 0.5896, 0.0251}, {200.0, 864.7, 0.665}};
  for (const auto& c : cases) {
    const float btu = CalcThermalConductivity(Fahrenheit(c.celsius), Molar(c.density));
    EXPECT_NEAR(btu / 0.5778, c.wattsPerMetreKelvin, c.wattsPerMetreKelvin * 0.02) << c.celsius;
  }
  // rho_r^5 underflows: no fault, the dilute-gas value.
  const float thin = CalcThermalConductivity(68.0, 1e-12f);
  EXPECT_NE(thin, steam::kNoTransportValue);
  EXPECT_NEAR(thin / 0.5778, 0.0177, 0.001);
  EXPECT_EQ(CalcThermalConductivity(68.0, 0.0f) != steam::kNoTransportValue, true);
  EXPECT_EQ(CalcThermalConductivity(std::numeric_limits<double>::quiet_NaN(), 1.0f),
            steam::kNoTransportValue);
}

}  // namespace
