// SPDX-License-Identifier: GPL-3.0-or-later
// Process steps against results computed independently with python3-iapws
// (tests/data/process/make_if97_steps.py), and under IFC-67 by the rules
// every step must keep.
#include "analysis/process_steps.h"
#include "platform/shared_property_libraries.h"
#include "steam/si_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

using analysis::ProcessInputs;
using analysis::ProcessKind;
using analysis::ProcessResult;
using steam::Formulation;

constexpr double kPsi = 6.894757293168361e-3;  // MPa per psia
double Kelvin(double fahrenheit) { return (fahrenheit - 32.0) / 1.8 + 273.15; }

// case -> key -> value, empty where the state has no such value.
std::map<std::string, std::map<std::string, std::string>> Expected() {
  std::ifstream file(std::string(HYDRELIX_TEST_DATA) + "/process/if97_steps.csv");
  std::map<std::string, std::map<std::string, std::string>> table;
  std::string line;
  std::getline(file, line);
  while (std::getline(file, line)) {
    std::stringstream cells(line);
    std::string name, key, value;
    std::getline(cells, name, ',');
    std::getline(cells, key, ',');
    std::getline(cells, value, ',');
    table[name][key] = value;
  }
  return table;
}

std::string Limit(analysis::LimitQuantity quantity, double si) {
  std::ostringstream text;
  if (quantity == analysis::LimitQuantity::Pressure) {
    text << si / kPsi << " psia";
  } else {
    text << (si - 273.15) * 1.8 + 32 << " F";
  }
  return text.str();
}

class ProcessSteps : public ::testing::Test {
 protected:
  steam::SteamState Inlet(Formulation f, double T, double p) {
    const steam::SolveOutcome outcome =
        steam::Solve(f, steam::InputPair::TemperaturePressure, steam::FahrenheitFromKelvin(T),
                     steam::PsiaFromMegapascal(p), libraries);
    EXPECT_TRUE(outcome.succeeded) << T << " K " << p << " MPa";
    return outcome.state;
  }
  steam::SteamState Saturated(Formulation f, double p, double x) {
    const steam::SolveOutcome outcome = steam::Solve(f, steam::InputPair::PressureQuality,
                                                     steam::PsiaFromMegapascal(p), x, libraries);
    EXPECT_TRUE(outcome.succeeded) << p << " MPa x " << x;
    return outcome.state;
  }
  ProcessResult Run(ProcessKind kind, const steam::SteamState& inlet, const ProcessInputs& in) {
    return analysis::RunProcess(kind, inlet.formulation, inlet, in, libraries, Limit);
  }
  static double H(const ProcessResult& r, const char* key) {
    const steam::SteamState* state = r.State(key);
    return state ? steam::ToSi(*state).enthalpy : NAN;
  }

  platform::SharedPropertyLibraries libraries;
  std::map<std::string, std::map<std::string, std::string>> expected = Expected();
};

// The working state holds energies in Btu/lbmol through the libraries' own
// 32-bit factors, so a state's SI values carry a relative offset of about
// 1e-7 from the formulation's: the tolerances allow for it and no more.
void ExpectNear(const std::string& expected, double actual, double tolerance, const char* what) {
  if (expected.empty()) return;
  const double value = std::stod(expected);
  EXPECT_NEAR(actual, value, tolerance + 2e-7 * std::fabs(value)) << what;
}

TEST_F(ProcessSteps, TurbinesMatchTheIndependentResults) {
  struct Case {
    const char* name;
    double T1, p1, p2, eta;
  };
  for (const Case& c : {Case{"turbine_ip", Kelvin(1000.0), 1000 * kPsi, 2 * kPsi, 0.85},
                        Case{"turbine_si", 773.15, 10.0, 0.01, 0.85},
                        Case{"turbine_supercritical", 873.15, 25.0, 4.0, 0.85},
                        Case{"turbine_ideal", 773.15, 10.0, 1.0, 1.0}}) {
    SCOPED_TRACE(c.name);
    auto& e = expected[c.name];
    ProcessInputs in;
    in.outletPressure = c.p2;
    in.efficiency = c.eta;
    in.massFlow = 10.0;
    in.generatorEfficiency = 0.98;
    const ProcessResult r = Run(ProcessKind::Expand, Inlet(Formulation::IF97, c.T1, c.p1), in);
    ASSERT_FALSE(r.refusal) << *r.refusal;
    ExpectNear(e["h1"], H(r, "inlet"), 1e-6, "h1");
    ExpectNear(e["h2s"], H(r, "ideal_outlet"), 1e-6, "h2s");
    ExpectNear(e["h2"], H(r, "outlet"), 1e-6, "h2");
    ExpectNear(e["x2s"], r.State("ideal_outlet")->values.Quality, 5e-7, "x2s");
    ExpectNear(e["x2"], r.State("outlet")->values.Quality, 5e-7, "x2");
    ExpectNear(e["T2"], steam::ToSi(*r.State("outlet")).temperature, 2e-4, "T2");
    // Differences of enthalpies keep the enthalpies' offset.
    ExpectNear(e["work"], *r.Figure("work"), 1e-3, "work");
    ExpectNear(e["isentropic_work"], *r.Figure("isentropic_work"), 1e-3, "isentropic work");
    EXPECT_NEAR(*r.Figure("shaft_power"), 10.0 * *r.Figure("work"), 1e-9);
    EXPECT_NEAR(*r.Figure("electric_power"), 0.98 * *r.Figure("shaft_power"), 1e-9);
    EXPECT_EQ(r.Figure("moisture").has_value(), !e["x2"].empty());
    EXPECT_GT(r.path.size(), 10u);
  }
}

TEST_F(ProcessSteps, AnEfficiencyFoundFromTheOutletGivesTheOutletBack) {
  const steam::SteamState inlet = Inlet(Formulation::IF97, 773.15, 10.0);
  ProcessInputs in;
  in.outletPressure = 0.01;
  in.outletEnthalpy = std::stod(expected["turbine_si"]["h2"]);
  const ProcessResult byEnthalpy = Run(ProcessKind::Expand, inlet, in);
  ASSERT_FALSE(byEnthalpy.refusal);
  EXPECT_NEAR(*byEnthalpy.Figure("efficiency"), 0.85, 1e-6);

  in.outletEnthalpy.reset();
  in.outletQuality = std::stod(expected["turbine_si"]["x2"]);
  const ProcessResult byQuality = Run(ProcessKind::Expand, inlet, in);
  ASSERT_FALSE(byQuality.refusal) << *byQuality.refusal;
  EXPECT_NEAR(*byQuality.Figure("efficiency"), 0.85, 1e-6);

  // A superheated outlet by its temperature; one at or below saturation is refused.
  in.outletQuality.reset();
  in.outletPressure = 1.0;
  in.outletTemperature = std::stod(expected["turbine_ideal"]["T2"]);
  const ProcessResult byTemperature = Run(ProcessKind::Expand, inlet, in);
  ASSERT_FALSE(byTemperature.refusal) << *byTemperature.refusal;
  EXPECT_NEAR(*byTemperature.Figure("efficiency"), 1.0, 1e-6);
  in.outletPressure = 0.01;
  in.outletTemperature = 300.0;
  const ProcessResult wet = Run(ProcessKind::Expand, inlet, in);
  ASSERT_TRUE(wet.refusal);
  EXPECT_NE(wet.refusal->find("saturation temperature"), std::string::npos) << *wet.refusal;
}

TEST_F(ProcessSteps, PumpMatchesTheIndependentResults) {
  auto& e = expected["pump"];
  ProcessInputs in;
  in.outletPressure = 10.0;
  in.efficiency = 0.75;
  const ProcessResult r = Run(ProcessKind::Compress, Saturated(Formulation::IF97, 0.01, 0.0), in);
  ASSERT_FALSE(r.refusal) << *r.refusal;
  ExpectNear(e["h2s"], H(r, "ideal_outlet"), 1e-6, "h2s");
  ExpectNear(e["h2"], H(r, "outlet"), 1e-6, "h2");
  ExpectNear(e["work"], *r.Figure("work"), 5e-5, "work");
  ExpectNear(e["volume_work"], *r.Figure("volume_work"), 5e-5, "v dp");
}

TEST_F(ProcessSteps, ValvesKeepTheEnthalpyAndRaiseTheEntropy) {
  auto& e = expected["throttle"];
  ProcessInputs in;
  in.outletPressure = 1.0;
  const ProcessResult r = Run(ProcessKind::Throttle, Inlet(Formulation::IF97, 773.15, 10.0), in);
  ASSERT_FALSE(r.refusal);
  EXPECT_NEAR(H(r, "outlet"), H(r, "inlet"), 1e-7 * H(r, "inlet"));
  ExpectNear(e["T2"], steam::ToSi(*r.State("outlet")).temperature, 2e-4, "T2");
  ExpectNear(e["entropy_rise"], *r.Figure("entropy_rise"), 1e-7, "entropy rise");

  // Spray water brings it down to a target above saturation.
  in.outletPressure = 2.0;
  in.sprayPressure = 5.0;
  in.sprayTemperature = 373.15;
  in.targetTemperature = 573.15;
  in.massFlow = 4.0;
  const ProcessResult spray = Run(ProcessKind::Throttle, Inlet(Formulation::IF97, 773.15, 10.0), in);
  ASSERT_FALSE(spray.refusal) << *spray.refusal;
  ExpectNear(expected["desuperheater"]["spray_ratio"], *spray.Figure("spray_ratio"), 1e-7, "spray");
  EXPECT_NEAR(*spray.Figure("outlet_flow"), 4.0 * (1 + *spray.Figure("spray_ratio")), 1e-12);
  in.targetTemperature = 480.0;  // below Tsat(2 MPa) = 485.5 K
  ASSERT_TRUE(Run(ProcessKind::Throttle, Inlet(Formulation::IF97, 773.15, 10.0), in).refusal);
}

TEST_F(ProcessSteps, FlashTanksSplitOrPassTheWholeFlow) {
  ProcessInputs in;
  in.outletPressure = 15 * kPsi;
  in.massFlow = 2.0;
  const ProcessResult r = Run(ProcessKind::Flash, Saturated(Formulation::IF97, 150 * kPsi, 0.0), in);
  ASSERT_FALSE(r.refusal);
  EXPECT_NEAR(*r.Figure("flash_fraction"), std::stod(expected["flash"]["flash_fraction"]), 1e-7);
  EXPECT_NEAR(std::round(*r.Figure("flash_fraction") * 1e5) / 1e5, 0.15421, 1e-12);
  EXPECT_NEAR(*r.Figure("vapor_flow") + *r.Figure("liquid_flow"), 2.0, 1e-12);
  EXPECT_TRUE(r.messages.empty());

  // Superheated inlet: all of it leaves as vapour.
  in.outletPressure = 0.5;
  const ProcessResult dry = Run(ProcessKind::Flash, Inlet(Formulation::IF97, 573.15, 1.0), in);
  ASSERT_FALSE(dry.refusal);
  EXPECT_EQ(*dry.Figure("flash_fraction"), 1.0);
  EXPECT_EQ(*dry.Figure("liquid_flow"), 0.0);
  EXPECT_EQ(dry.State("liquid"), nullptr);
  EXPECT_NEAR(H(dry, "vapor"), H(dry, "inlet"), 1e-7 * H(dry, "inlet"));
  ASSERT_EQ(dry.messages.size(), 1u);
  EXPECT_EQ(dry.messages[0], "The inlet does not condense at the tank pressure.");

  // Cold compressed liquid: nothing flashes.
  in.outletPressure = 1.0;
  const ProcessResult cold = Run(ProcessKind::Flash, Inlet(Formulation::IF97, 373.15, 5.0), in);
  ASSERT_FALSE(cold.refusal);
  EXPECT_EQ(*cold.Figure("flash_fraction"), 0.0);
  EXPECT_EQ(cold.State("vapor"), nullptr);
  EXPECT_EQ(cold.messages[0], "The inlet does not flash at the tank pressure.");
}

TEST_F(ProcessSteps, HeatersCalorimetersAndTheirDuties) {
  ProcessInputs in;
  in.outletTemperature = 773.15;
  in.massFlow = 3.0;
  in.combustionEfficiency = 0.9;
  const ProcessResult boiler = Run(ProcessKind::Heat, Inlet(Formulation::IF97, 323.15, 10.0), in);
  ASSERT_FALSE(boiler.refusal);
  ExpectNear(expected["heater"]["duty"], *boiler.Figure("duty"), 1e-6, "duty");
  EXPECT_NEAR(*boiler.Figure("duty_total"), 3.0 * *boiler.Figure("duty"), 1e-9);
  EXPECT_NEAR(*boiler.Figure("fuel_energy"), *boiler.Figure("duty") / 0.9, 1e-9);

  // A duty given per unit mass lands on that enthalpy.
  ProcessInputs byDuty;
  byDuty.duty = -500.0;
  const steam::SteamState hot = Inlet(Formulation::IF97, 773.15, 1.0);
  const ProcessResult cooler = Run(ProcessKind::Heat, hot, byDuty);
  EXPECT_NEAR(H(cooler, "outlet") - H(cooler, "inlet"), -500.0, 1e-3);

  ProcessInputs cal;
  cal.inletPressure = 1.0;
  cal.outletPressure = 0.1;
  cal.outletTemperature = 393.15;
  const ProcessResult calorimeter =
      analysis::RunProcess(ProcessKind::Calorimeter, Formulation::IF97, std::nullopt, cal, libraries, Limit);
  ASSERT_FALSE(calorimeter.refusal) << *calorimeter.refusal;
  EXPECT_NEAR(calorimeter.State("inlet")->values.Quality,
              std::stod(expected["calorimeter"]["x1"]), 1e-7);
}

TEST_F(ProcessSteps, RefusalsNameTheirLimitInTheUsersUnits) {
  const steam::SteamState inlet = Inlet(Formulation::IF97, 773.15, 10.0);
  struct Case {
    ProcessKind kind;
    double p2;
    double eta;
    const char* says;
  };
  for (const Case& c : {Case{ProcessKind::Expand, 12.0, 0.85, "lower than the inlet pressure, 1450.3"},
                        Case{ProcessKind::Throttle, 10.0, 0.85, "lower than the inlet pressure"},
                        Case{ProcessKind::Compress, 5.0, 0.75, "higher than the inlet pressure"},
                        Case{ProcessKind::Expand, 1.0, 0.0, "greater than 0 % and at most 100 %"},
                        Case{ProcessKind::Expand, 1.0, 1.01, "greater than 0 % and at most 100 %"},
                        Case{ProcessKind::Flash, 23.0, 1.0, "lower than the critical pressure, 3200.1"}}) {
    ProcessInputs in;
    in.outletPressure = c.p2;
    in.efficiency = c.eta;
    const ProcessResult r = Run(c.kind, inlet, in);
    ASSERT_TRUE(r.refusal) << analysis::ProcessKindName(c.kind) << " " << c.p2;
    EXPECT_NE(r.refusal->find(c.says), std::string::npos) << *r.refusal;
    EXPECT_TRUE(r.states.empty() && r.figures.empty());
  }
  // An outlet quality outside 0 to 1 is refused as the window refuses one.
  for (ProcessKind kind : {ProcessKind::Expand, ProcessKind::Heat}) {
    for (double x : {-0.1, 1.5}) {
      ProcessInputs in;
      in.outletPressure = 0.01;
      in.outletQuality = x;
      const ProcessResult r = Run(kind, inlet, in);
      ASSERT_TRUE(r.refusal) << analysis::ProcessKindName(kind) << " x " << x;
      EXPECT_EQ(*r.refusal, "Steam quality must be a number between 0 and 1.");
    }
  }
}

// IFC-67 by the rules every step keeps: 100 % is the ideal outlet, a valve
// keeps h, a pump works on compressed liquid.
TEST_F(ProcessSteps, Ifc67KeepsTheRulesOfEveryStep) {
  ProcessInputs in;
  in.outletPressure = 0.01;
  in.efficiency = 1.0;
  const ProcessResult ideal = Run(ProcessKind::Expand, Inlet(Formulation::IFC67, 773.15, 10.0), in);
  ASSERT_FALSE(ideal.refusal) << *ideal.refusal;
  EXPECT_NEAR(H(ideal, "outlet"), H(ideal, "ideal_outlet"), 1e-7 * H(ideal, "outlet"));
  EXPECT_GT(ideal.State("outlet")->values.Quality, 0.7);

  in.outletPressure = 1.0;
  const ProcessResult valve = Run(ProcessKind::Throttle, Inlet(Formulation::IFC67, 773.15, 10.0), in);
  ASSERT_FALSE(valve.refusal);
  EXPECT_NEAR(H(valve, "outlet"), H(valve, "inlet"), 1e-7 * H(valve, "inlet"));
  EXPECT_GT(*valve.Figure("entropy_rise"), 0.0);

  in.outletPressure = 10.0;
  in.efficiency = 0.75;
  const ProcessResult pump = Run(ProcessKind::Compress, Inlet(Formulation::IFC67, 318.15, 0.01), in);
  ASSERT_FALSE(pump.refusal) << *pump.refusal;
  EXPECT_NEAR(*pump.Figure("work"), *pump.Figure("isentropic_work") / 0.75, 1e-5);
  EXPECT_NEAR(*pump.Figure("isentropic_work"), *pump.Figure("volume_work"), 0.05);
}

}  // namespace
