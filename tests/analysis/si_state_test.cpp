// The bridge from working units to SI: exact factors in double,
// with its molar mass of water, against the formulations' C++ interfaces.
#include "platform/shared_property_libraries.h"
#include "steam/si_state.h"

#include <hydrelix/if97.h>
#include <hydrelix/ifc67.h>

#include <gtest/gtest.h>

namespace {

TEST(ToSi, ExactFactorsAppliedInDouble) {
  steam::SteamState state;
  const double m = static_cast<double>(18.01528f);
  state.values.Temperature = 212;
  state.values.Pressure = 1000;
  state.values.Quality = 0.25;
  state.values.Enthalpy = m;        // 1 Btu/lb
  state.values.Entropy = 2 * m;     // 2 Btu/(lb R)
  state.values.SpecificVolume = m;  // 1 ft3/lb
  state.values.Density = 1 / m;     // 1 lb/ft3
  state.values.Cp = m;
  state.values.Cv = 3 * m;
  state.values.SoundSpeed = 1000;
  const steam::SiState si = steam::ToSi(state);
  EXPECT_DOUBLE_EQ(si.temperature, 373.15);
  EXPECT_DOUBLE_EQ(si.pressure, 6.894757293168361);
  EXPECT_EQ(si.quality, 0.25);
  EXPECT_DOUBLE_EQ(si.enthalpy, 2.326);
  EXPECT_DOUBLE_EQ(si.entropy, 2 * 4.1868);
  EXPECT_DOUBLE_EQ(si.volume, 0.062427960576144606);
  EXPECT_DOUBLE_EQ(si.density, 16.018463373960138);
  EXPECT_DOUBLE_EQ(si.cp, 4.1868);
  EXPECT_DOUBLE_EQ(si.cv, 3 * 4.1868);
  EXPECT_DOUBLE_EQ(si.soundSpeed, 304.8);
  EXPECT_DOUBLE_EQ(steam::FahrenheitFromKelvin(si.temperature), 212);
  EXPECT_DOUBLE_EQ(steam::PsiaFromMegapascal(si.pressure), 1000);
}

// A state from Solve agrees with the C++ interface at its own SI temperature
// and pressure, to the 32-bit factors the calculation passes through.
TEST(ToSi, SolvedStatesAgreeWithTheFormulationsInSi) {
  platform::SharedPropertyLibraries libraries;
  for (steam::Formulation formulation : {steam::Formulation::IF97, steam::Formulation::IFC67}) {
    const steam::SolveOutcome solved =
        steam::Solve(formulation, steam::InputPair::TemperaturePressure, 600, 100, libraries);
    ASSERT_TRUE(solved.succeeded);
    const steam::SiState si = steam::ToSi(solved.state);
    const bool if97 = formulation == steam::Formulation::IF97;
    const double h = if97 ? if97::specificEnthalpy(si.temperature, si.pressure)
                          : ifc67::specificEnthalpy(si.temperature, si.pressure);
    const double s = if97 ? if97::specificEntropy(si.temperature, si.pressure)
                          : ifc67::specificEntropy(si.temperature, si.pressure);
    const double v = if97 ? if97::specificVolume(si.temperature, si.pressure)
                          : ifc67::specificVolume(si.temperature, si.pressure);
    EXPECT_NEAR(si.enthalpy, h, 2e-6 * h);
    EXPECT_NEAR(si.entropy, s, 2e-6 * s);
    EXPECT_NEAR(si.volume, v, 5e-6 * v);
    EXPECT_NEAR(si.density * si.volume, 1.0, 2e-6);
  }
}

}  // namespace
