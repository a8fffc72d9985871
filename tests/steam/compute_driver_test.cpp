// The compute driver without a window: dispatch, messages, range and sanity
// checks, the failure path's rules and the mended faults, with the real
// libraries and with fakes made from them.
#include "fake_libraries.h"

#include "steam/compute.h"
#include "steam/conversion_factors.h"
#include "steam/missing_library.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace {

using steam::ComputeOutcome;
using steam::ComputeRequest;
using steam::Formulation;
using steam::Message;
using steam::MessageIcon;
using steam_test::FakeLibraries;

const Message kNotEnoughInput{
    "Not enough input data is specified.  At a minimum, a \rtemperature and pressure input "
    "is needed.",
    "Steam Properties", MessageIcon::Critical};

Message Outside(const char* title) {
  return {"Conditions are outside the range of the formulation.", title, MessageIcon::Critical};
}

// The result an input's name stands for.
steam::Result Named(const std::string& name) {
  if (name == "Pressure") return steam::Result::Pressure;
  if (name == "Quality") return steam::Result::Quality;
  if (name == "Enthalpy") return steam::Result::Enthalpy;
  if (name == "Entropy") return steam::Result::Entropy;
  return steam::Result::Temperature;
}

// A request for the pair the two named inputs make.
ComputeRequest Ticked(Formulation formulation, const std::string& first,
                      const std::string& second, steam::WorkingState state = {}) {
  ComputeRequest request;
  request.formulation = formulation;
  const std::optional<steam::InputPair> pair = steam::PairOf(Named(first), Named(second));
  EXPECT_TRUE(pair.has_value()) << first << " and " << second;
  request.pair = pair.value_or(steam::InputPair::TemperaturePressure);
  request.state = state;
  return request;
}

steam::WorkingState At(double fahrenheit, double psia) {
  steam::WorkingState state;
  state.Temperature = fahrenheit;
  state.Pressure = psia;
  return state;
}

std::string Describe(const ComputeOutcome& outcome) {
  std::string text = outcome.succeeded ? "succeeded" : "failed";
  for (const Message& m : outcome.messages) text += " | " + m.title + ": " + m.text;
  return text;
}

TEST(Dispatch, OnlyTemperatureOrPressureWithAnotherInputMakesAPair) {
  using steam::Result;
  const Result inputs[] = {Result::Temperature, Result::Pressure, Result::Quality,
                           Result::Enthalpy, Result::Entropy};
  int pairs = 0;
  for (Result first : inputs) {
    for (Result second : inputs) {
      const std::optional<steam::InputPair> pair = steam::PairOf(first, second);
      const bool expected = first < second && (first == Result::Temperature || first == Result::Pressure);
      EXPECT_EQ(pair.has_value(), expected) << static_cast<int>(first) << " " << static_cast<int>(second);
      if (!pair) continue;
      ++pairs;
      EXPECT_EQ(steam::FirstInput(*pair), first);
      EXPECT_EQ(steam::SecondInput(*pair), second);
    }
  }
  EXPECT_EQ(pairs, 7);
  EXPECT_EQ(steam::NotEnoughInput(), kNotEnoughInput);
}

struct RangeCase {
  Formulation formulation;
  double fahrenheit;
  double psia;
  const char* text;  // the one message expected
};

// Every range message, also where the library answers NaN before the check
// (4000 F), and only the temperature's where both are out of range.
TEST(RangeChecks, NameTheLimitOfTheTickedInput) {
  const RangeCase cases[] = {
      {Formulation::IF97, 4000.0, 14.696, "Temperature must be lower than 3632 F (2000 C)."},
      {Formulation::IF97, 4000.0, 20000.0, "Temperature must be lower than 3632 F (2000 C)."},
      {Formulation::IF97, 20.0, 14.696, "Temperature be greater than 32 F (0 C)."},
      {Formulation::IF97, 500.0, 15000.0,
       "Pressure must be lower than 14503.82 psia (100,000.32 kPa)."},
      {Formulation::IF97, 500.0, -5.0, "Pressure must be greater than 0 psia (0 kPa)."},
      {Formulation::IFC67, 1500.0, 14.696, "Temperature must be lower than 1472 F (800 C)."},
      {Formulation::IFC67, 32.0, 14.696, "Temperature must be greater than 32.02 F (0.01 C)."},
      {Formulation::IFC67, 500.0, 15000.0,
       "Pressure must be lower than 14503.82 psia (100,000.32 kPa)."},
  };
  FakeLibraries libraries;
  for (const RangeCase& c : cases) {
    const ComputeOutcome outcome = steam::Compute(
        Ticked(c.formulation, "Temperature", "Pressure", At(c.fahrenheit, c.psia)), libraries);
    const char* title = c.formulation == Formulation::IF97 ? "Steam IFC-1997" : "Steam IFC-1967";
    EXPECT_FALSE(outcome.succeeded);
    ASSERT_EQ(outcome.messages.size(), 1u) << c.fahrenheit << " F " << c.psia << " psia";
    EXPECT_EQ(outcome.messages[0], (Message{c.text, title, MessageIcon::Critical}))
        << c.fahrenheit << " F " << c.psia << " psia";
  }
}

TEST(RangeChecks, LimitsThemselvesAreInRange) {
  FakeLibraries libraries;
  // 3632 F at a pressure region 5 covers, and 1472 F for IFC-67.
  EXPECT_TRUE(steam::Compute(Ticked(Formulation::IF97, "Temperature", "Pressure", At(3632.0, 100.0)),
                             libraries)
                  .succeeded);
  EXPECT_TRUE(steam::Compute(
                  Ticked(Formulation::IFC67, "Temperature", "Pressure", At(1472.0, 100.0)),
                  libraries)
                  .succeeded);
}

// States the library cannot give, inside the ranges the messages name.
TEST(OutsideTheFormulation, IsSaidWithTheFormulationsTitle) {
  FakeLibraries libraries;
  steam::WorkingState supercritical = At(750.0, 14.696);
  supercritical.Enthalpy = 1200.0 * 18.01528;
  const struct {
    ComputeRequest request;
    const char* title;
  } cases[] = {
      // Above region 5's 50 MPa.
      {Ticked(Formulation::IF97, "Temperature", "Pressure", At(2000.0, 10000.0)), "Steam IFC-1997"},
      // No saturation line above the critical temperature.
      {Ticked(Formulation::IF97, "Temperature", "Enthalpy", supercritical), "Steam IFC-1997"},
      {Ticked(Formulation::IFC67, "Temperature", "Enthalpy", supercritical), "Steam IFC-1967"},
      // A pressure of 0 is no state.
      {Ticked(Formulation::IF97, "Temperature", "Pressure", At(100.0, 0.0)), "Steam IFC-1997"},
      {Ticked(Formulation::IFC67, "Temperature", "Pressure", At(100.0, 0.0)), "Steam IFC-1967"},
  };
  for (const auto& c : cases) {
    const ComputeOutcome outcome = steam::Compute(c.request, libraries);
    EXPECT_FALSE(outcome.succeeded) << Describe(outcome);
    ASSERT_EQ(outcome.messages.size(), 1u) << Describe(outcome);
    EXPECT_EQ(outcome.messages[0], Outside(c.title)) << Describe(outcome);
  }
}

TEST(OutsideTheFormulation, NoNonFiniteValueEntersTheState) {
  FakeLibraries libraries;
  libraries.hydrix->nHtp = [](double, double) { return std::nan(""); };
  steam::WorkingState before = At(100.0, 14.696);
  before.Enthalpy = 123.0;
  const ComputeOutcome outcome =
      steam::Compute(Ticked(Formulation::IF97, "Temperature", "Pressure", before), libraries);
  EXPECT_EQ(outcome.messages, std::vector<Message>{Outside("Steam IFC-1997")});
  EXPECT_EQ(outcome.state.Enthalpy, 123.0);
  // What the run wrote before the fault stays.
  EXPECT_GT(outcome.state.SpecificVolume, 0.0);
}

// Pressure and quality, and the two-phase branches of IFC-67's P-h and P-s,
// take a saturation temperature that only exists between the triple and the
// critical point.
TEST(SaturationTemperature, OutsideTheLineIsOutsideTheFormulation) {
  FakeLibraries libraries;
  for (Formulation formulation : {Formulation::IF97, Formulation::IFC67}) {
    for (double psia : {4000.0, 0.05}) {
      steam::WorkingState state = At(68.0, psia);
      state.Quality = 0.5;
      const ComputeOutcome outcome =
          steam::Compute(Ticked(formulation, "Pressure", "Quality", state), libraries);
      EXPECT_FALSE(outcome.succeeded) << psia;
      ASSERT_EQ(outcome.messages.size(), 1u) << psia;
      EXPECT_EQ(outcome.messages[0].text, "Conditions are outside the range of the formulation.");
      EXPECT_EQ(outcome.state.Temperature, 68.0);
    }
  }
  steam::WorkingState wet = At(68.0, 0.05);
  wet.Enthalpy = 500.0 * 18.01528;  // between h' and h'' at 273.16 K
  EXPECT_FALSE(
      steam::Compute(Ticked(Formulation::IFC67, "Pressure", "Enthalpy", wet), libraries).succeeded);
}

// IFC-67 takes no compressed liquid from pressure and enthalpy; IF-97 does.
TEST(PressureAndEnthalpy, Ifc67RefusesCompressedLiquid) {
  FakeLibraries libraries;
  steam::WorkingState liquid = At(0.0, 1000.0);
  liquid.Enthalpy = 100.0 * 18.01528;
  const ComputeOutcome ifc67 =
      steam::Compute(Ticked(Formulation::IFC67, "Pressure", "Enthalpy", liquid), libraries);
  const Message compressed{"Compressed liquid.  Use T & P inputs to determine properties.",
                           "Steam Properties", MessageIcon::Critical};
  EXPECT_EQ(ifc67.messages, std::vector<Message>{compressed});
  const ComputeOutcome if97 =
      steam::Compute(Ticked(Formulation::IF97, "Pressure", "Enthalpy", liquid), libraries);
  EXPECT_TRUE(if97.succeeded) << Describe(if97);
  EXPECT_EQ(if97.state.Quality, 0.0);
  EXPECT_NEAR(if97.state.Temperature, 129.5, 1.0);
}

TEST(SanityCheck, ANegativeVolumeIsOutsideTheFormulation) {
  FakeLibraries libraries;
  libraries.hydrix->nDtp = [](double, double) { return -0.001; };
  libraries.calorix->nXtp = [](double, double) { return -0.001; };
  EXPECT_EQ(steam::Compute(Ticked(Formulation::IF97, "Temperature", "Pressure", At(100, 100)),
                           libraries)
                .messages,
            std::vector<Message>{Outside("Steam IFC-1997")});
  EXPECT_EQ(steam::Compute(Ticked(Formulation::IFC67, "Temperature", "Pressure", At(100, 100)),
                           libraries)
                .messages,
            std::vector<Message>{Outside("Steam IFC-1967")});
}

// A library that cannot be loaded refuses every compute that needs it with
// the one message naming the file and its folder; faults of the program's own
// making fail silently.
TEST(SilentFailures, MissingLibrariesEntryPointsAndArithmetic) {
  const ComputeRequest if97 = Ticked(Formulation::IF97, "Temperature", "Pressure", At(100, 100));
  const ComputeRequest ifc67 = Ticked(Formulation::IFC67, "Temperature", "Pressure", At(100, 100));
  {
    FakeLibraries libraries;
    libraries.hydrix.reset();
    const Message missing = steam::MissingLibraryMessage("libHydrix.so", libraries.Folder());
    EXPECT_NE(missing.text.find("libHydrix.so"), std::string::npos);
    EXPECT_NE(missing.text.find(libraries.Folder()), std::string::npos);
    // IFC-67 needs the IF-97 library for cv and the speed of sound.
    for (const ComputeRequest& request : {if97, ifc67, if97}) {
      const ComputeOutcome outcome = steam::Compute(request, libraries);
      EXPECT_FALSE(outcome.succeeded);
      EXPECT_EQ(outcome.messages, std::vector<Message>{missing});
    }
  }
  {
    FakeLibraries libraries;
    libraries.calorix.reset();
    EXPECT_EQ(steam::Compute(ifc67, libraries).messages,
              std::vector<Message>{steam::MissingLibraryMessage("libCalorix.so", libraries.Folder())});
    EXPECT_EQ(Describe(steam::Compute(if97, libraries)), "succeeded");
  }
  {
    FakeLibraries libraries;
    libraries.hydrix->nWtp = nullptr;
    EXPECT_EQ(Describe(steam::Compute(if97, libraries)), "failed");
  }
  {
    FakeLibraries libraries;
    libraries.hydrix->nDtp = [](double, double) { return 0.0; };  // density 1/0
    EXPECT_EQ(Describe(steam::Compute(if97, libraries)), "failed");
  }
}

TEST(Ifc67TemperatureAndPressure, QualityComparesWithTheSaturationTemperatureToFourDecimals) {
  FakeLibraries libraries;
  // A pressure whose saturation temperature rounds down at the 4th decimal:
  // at that rounded temperature the state counts as vapour.
  int found = 0;
  for (double psia = 10.0; psia < 200.0 && found < 3; psia += 0.37) {
    const double saturation = libraries.calorix->kTp(psia / steam::kPressureFactor);
    const double rounded = std::nearbyint(saturation * 1e4) / 1e4;
    if (!(rounded < saturation)) continue;
    ++found;
    const ComputeOutcome outcome = steam::Compute(
        Ticked(Formulation::IFC67, "Temperature", "Pressure", At(rounded, psia)), libraries);
    EXPECT_TRUE(outcome.succeeded) << Describe(outcome);
    EXPECT_EQ(outcome.state.Quality, 1.0) << psia << " psia, " << rounded << " F";
    const ComputeOutcome below = steam::Compute(
        Ticked(Formulation::IFC67, "Temperature", "Pressure", At(rounded - 1e-4, psia)),
        libraries);
    EXPECT_EQ(below.state.Quality, 0.0) << psia << " psia";
  }
  EXPECT_EQ(found, 3);
}

// 0.0001 and 0.9999 belong to the band for transport properties and the
// speed of sound; the heat capacities' guard is strict.
TEST(TwoPhaseBand, EdgesAreInsideForTransportAndOutsideForHeatCapacity) {
  FakeLibraries libraries;
  for (double quality : {0.0001, 0.5, 0.9999}) {
    steam::WorkingState state = At(300.0, 0.0);
    state.Quality = quality;
    const ComputeOutcome outcome =
        steam::Compute(Ticked(Formulation::IF97, "Temperature", "Quality", state), libraries);
    ASSERT_TRUE(outcome.succeeded) << quality;
    EXPECT_EQ(outcome.state.Viscosity, 0.0) << quality;
    EXPECT_EQ(outcome.state.Conductivity, 0.0) << quality;
    EXPECT_EQ(outcome.state.SoundSpeed, 0.0) << quality;
    EXPECT_FALSE(outcome.prandtlNumber) << quality;
    EXPECT_FALSE(outcome.surfaceTensionShown) << quality;
    EXPECT_EQ(outcome.state.SurfaceTension, 0.0) << quality;
    EXPECT_EQ(outcome.state.Cv == 0.0, quality == 0.5) << quality;
    EXPECT_EQ(outcome.isentropicExponent.has_value(), quality != 0.5) << quality;
  }
  for (double quality : {0.00005, 0.99995}) {
    steam::WorkingState state = At(300.0, 0.0);
    state.Quality = quality;
    const ComputeOutcome outcome =
        steam::Compute(Ticked(Formulation::IF97, "Temperature", "Quality", state), libraries);
    ASSERT_TRUE(outcome.succeeded) << quality;
    EXPECT_GT(outcome.state.Viscosity, 0.0) << quality;
    EXPECT_GT(outcome.state.SoundSpeed, 0.0) << quality;
    EXPECT_TRUE(outcome.prandtlNumber) << quality;
    EXPECT_EQ(outcome.surfaceTensionShown, quality < 0.0001) << quality;
  }
}

// Surface tension is a liquid's; near the critical point the formula has
// none and the field shows none, never -9999.
TEST(SurfaceTension, OnlyForALiquidBelowTheCriticalTemperature) {
  FakeLibraries libraries;
  steam::WorkingState nearCritical = At(705.3, 0.0);
  nearCritical.Quality = 0.00005;
  const ComputeOutcome outcome = steam::Compute(
      Ticked(Formulation::IFC67, "Temperature", "Quality", nearCritical), libraries);
  ASSERT_TRUE(outcome.succeeded) << Describe(outcome);
  EXPECT_FALSE(outcome.surfaceTensionShown);
  EXPECT_EQ(outcome.state.SurfaceTension, 0.0);

  const ComputeOutcome vapour = steam::Compute(
      Ticked(Formulation::IF97, "Temperature", "Pressure", At(300.0, 14.696)), libraries);
  EXPECT_FALSE(vapour.surfaceTensionShown);
  const ComputeOutcome liquid = steam::Compute(
      Ticked(Formulation::IF97, "Temperature", "Pressure", At(200.0, 14.696)), libraries);
  EXPECT_TRUE(liquid.surfaceTensionShown);
  EXPECT_NEAR(liquid.state.SurfaceTension, 0.0601, 0.0005);  // N/m at 93.3 C
}

// A very thin gas: the conductivity's last term vanishes instead of failing.
TEST(ThinVapour, StillHasConductivityAndPrandtlNumber) {
  FakeLibraries libraries;
  const ComputeOutcome outcome = steam::Compute(
      Ticked(Formulation::IF97, "Temperature", "Pressure", At(68.0, 1e-6)), libraries);
  ASSERT_TRUE(outcome.succeeded) << Describe(outcome);
  EXPECT_GT(outcome.state.Conductivity, 0.0);
  ASSERT_TRUE(outcome.prandtlNumber);
  EXPECT_GT(*outcome.prandtlNumber, 0.5);
  EXPECT_LT(*outcome.prandtlNumber, 2.0);
}

// Saturated steam has the vapour's speed of sound and saturated water the
// liquid's, whichever side of its own line the IF-97 library would put the
// rounded state; about 1600 and 4600 ft/s at 100 psia.
TEST(SaturatedStates, AreEvaluatedOnTheirOwnSide) {
  FakeLibraries libraries;
  for (Formulation formulation : {Formulation::IF97, Formulation::IFC67}) {
    for (double fahrenheit = 40.0; fahrenheit <= 700.0; fahrenheit += 3.3) {
      double sound[2] = {0, 0};
      double cv[2] = {0, 0};
      for (int quality = 0; quality <= 1; ++quality) {
        for (const char* first : {"Temperature", "Pressure"}) {
          steam::WorkingState state = At(fahrenheit, 0.0);
          state.Quality = quality;
          if (first[0] == 'P') {
            // The saturation pressure this formulation gives at the temperature.
            const double atm = formulation == Formulation::IF97
                                   ? libraries.hydrix->sPt(fahrenheit)
                                   : libraries.calorix->kPt(fahrenheit);
            state.Pressure = atm * steam::kPressureFactor;
          }
          const ComputeOutcome outcome =
              steam::Compute(Ticked(formulation, first, "Quality", state), libraries);
          ASSERT_TRUE(outcome.succeeded) << fahrenheit << " F " << Describe(outcome);
          sound[quality] = outcome.state.SoundSpeed;
          cv[quality] = outcome.state.Cv / 18.01528;
        }
      }
      // The two ends draw together towards the critical point, where the
      // vapour's is the higher one.
      if (fahrenheit < 690.0) {
        EXPECT_GT(sound[0], sound[1] * (fahrenheit < 600.0 ? 1.5 : 1.05)) << fahrenheit << " F";
      }
      if (fahrenheit < 400.0) {
        EXPECT_GT(cv[0], 0.75) << fahrenheit << " F";  // liquid, BTU/lbm-R
        EXPECT_LT(cv[1], 0.6) << fahrenheit << " F";   // vapour
      }
    }
  }
  steam::WorkingState steam100 = At(0.0, 100.0);
  steam100.Quality = 1.0;
  const ComputeOutcome vapour =
      steam::Compute(Ticked(Formulation::IF97, "Pressure", "Quality", steam100), libraries);
  EXPECT_NEAR(vapour.state.SoundSpeed, 1600.0, 60.0);
  steam100.Quality = 0.0;
  const ComputeOutcome water =
      steam::Compute(Ticked(Formulation::IF97, "Pressure", "Quality", steam100), libraries);
  EXPECT_NEAR(water.state.SoundSpeed, 4600.0, 200.0);
}

// IFC-67 water at 212 F and 14.7 psia lies between the two formulations'
// saturation lines: still a liquid for the IF-97 functions it borrows.
TEST(SaturatedStates, Ifc67LiquidBetweenTheTwoLinesStaysLiquid) {
  FakeLibraries libraries;
  for (double psia : {14.7, 14.7025}) {
    const ComputeOutcome outcome = steam::Compute(
        Ticked(Formulation::IFC67, "Temperature", "Pressure", At(212.0, psia)), libraries);
    ASSERT_TRUE(outcome.succeeded) << Describe(outcome);
    EXPECT_EQ(outcome.state.Quality, 0.0);
    EXPECT_GT(outcome.state.SoundSpeed, 4500.0) << psia;          // ft/s, not 472 m/s
    EXPECT_GT(outcome.state.Cv / 18.01528, 0.85) << psia;         // BTU/lbm-R, vapour 0.36
  }
}

// cv of compressed water is the single-phase value, not a difference along
// the saturated line mixing Btu with ft lbf.
TEST(HeatCapacities, LiquidCvIsTheSinglePhaseValue) {
  FakeLibraries libraries;
  const struct {
    double fahrenheit, psia, cv;
  } cases[] = {{150.0, 1000.0, 0.9388}, {68.0, 1000.0, 0.9873}, {68.0, 14.696, 0.9930}};
  for (Formulation formulation : {Formulation::IF97, Formulation::IFC67}) {
    for (const auto& c : cases) {
      const ComputeOutcome outcome = steam::Compute(
          Ticked(formulation, "Temperature", "Pressure", At(c.fahrenheit, c.psia)), libraries);
      ASSERT_TRUE(outcome.succeeded);
      EXPECT_NEAR(outcome.state.Cv / 18.01528, c.cv, 0.0006) << c.fahrenheit << " F " << c.psia;
    }
  }
}

}  // namespace
