// SPDX-License-Identifier: GPL-3.0-or-later
// `hydrelix-cli process` as a script sees it: each kind's states and figures
// in JSON against the turbine and flash values worked out independently,
// flows and powers in their units by the defining factors, the refusals with
// their limits in the user's units, the flash tank's clamps, the formats
// and the exit statuses.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "run_cli.h"

namespace {

using cli_test::RunCli;

constexpr double kPound = 0.45359237;                 // kg
constexpr double kHorsepower = 0.74569987158227022;   // kW
constexpr double kBtuPerPound = 2.326;                // kJ/kg

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The number after `"key": {"value": ` in a JSON text: a figure ("work") or,
// as "state.key", a result of a state ("outlet.enthalpy"). NaN where absent.
double Number(const std::string& json, const std::string& path) {
  std::size_t from = 0;
  std::string key = path;
  const std::size_t dot = path.find('.');
  if (dot != std::string::npos) {
    from = json.find("\"" + path.substr(0, dot) + "\": {");
    if (from == std::string::npos) return NAN;
    key = path.substr(dot + 1);
  }
  const std::string mark = "\"" + key + "\": {\"value\": ";
  const std::size_t at = json.find(mark, from);
  if (at == std::string::npos) return NAN;
  return std::strtod(json.c_str() + at + mark.size(), nullptr);
}

std::vector<std::string> Process(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "process");
  arguments.push_back("--format=json");
  return arguments;
}

TEST(ProcessCommand, EachKindGivesItsStatesAndFigures) {
  struct Expected {
    const char* path;
    double value;
    double tolerance;
  };
  const struct {
    std::vector<std::string> arguments;
    std::vector<const char*> keys;  // states and figures the object holds
    std::vector<Expected> values;
  } cases[] = {
      // IF-97 check values of a turbine ending wet, in IP and in SI.
      {{"expand", "p=1000", "T=1000", "--p2", "2"},
       {"inlet", "ideal_outlet", "outlet", "work", "isentropic_work", "efficiency", "moisture"},
       {{"inlet.enthalpy", 1506.17, 0.01},
        {"ideal_outlet.enthalpy", 959.95, 0.01},
        {"ideal_outlet.quality", 0.8475, 1e-4},
        {"outlet.enthalpy", 1041.89, 0.01},
        {"outlet.quality", 0.9277, 1e-4},
        {"work", 464.29, 0.01},
        {"efficiency", 85, 1e-12}}},
      {{"expand", "p=10MPa", "T=500C", "--p2", "10kPa", "--units", "si", "--efficiency", "85%"},
       {"inlet", "ideal_outlet", "outlet", "work", "moisture"},
       {{"inlet.enthalpy", 3375.06, 0.01},
        {"ideal_outlet.enthalpy", 2089.64, 0.01},
        {"outlet.enthalpy", 2282.45, 0.01}}},
      // 100 % gives the ideal outlet; a supercritical inlet expands.
      {{"expand", "p=25MPa", "T=600C", "--p2", "4MPa", "--efficiency", "100", "--units", "si"},
       {"inlet", "ideal_outlet", "outlet", "work"},
       {{"outlet.temperature", 300.0, 0.5}}},
      {{"compress", "T=100", "p=14.7", "--p2", "1000"},
       {"inlet", "ideal_outlet", "outlet", "work", "isentropic_work", "volume_work", "efficiency"},
       {{"efficiency", 75, 1e-12}}},
      {{"throttle", "T=700", "p=600", "--p2", "200", "--spray-p", "300", "--spray-T", "200",
        "--target-T", "450", "--flow", "1000"},
       {"inlet", "outlet", "entropy_rise", "spray_ratio", "outlet_flow"},
       {{"outlet.temperature", 450, 1e-9}}},
      {{"calorimeter", "p=150", "--p2", "14.7", "--T2", "250"},
       {"inlet", "outlet"},
       {{"outlet.temperature", 250, 1e-9}, {"outlet.pressure", 14.7, 1e-9}}},
      {{"heat", "T=100C", "p=1MPa", "--T2", "300C", "--units", "si", "--combustion-efficiency",
        "80"},
       {"inlet", "outlet", "duty", "fuel_energy"},
       {{"outlet.temperature", 300, 1e-9}}},
      // Saturated liquid at 150 psia flashed to 15 psia.
      {{"flash", "p=150", "x=0", "--p2", "15", "--flow", "10000"},
       {"inlet", "vapor", "liquid", "flash_fraction", "vapor_flow", "liquid_flow"},
       {{"flash_fraction", 0.15421, 1e-5}, {"vapor_flow", 1542.1, 0.1}}},
  };
  for (const auto& c : cases) {
    const cli_test::Run run = RunCli(Process(c.arguments));
    const std::string what = c.arguments.front() + " " + c.arguments[1];
    ASSERT_EQ(run.status, 0) << what << ": " << run.err;
    EXPECT_TRUE(Has(run.out, "\"process\": \"" + c.arguments.front() + "\"")) << what;
    EXPECT_TRUE(Has(run.out, "\"messages\": []}")) << what;
    for (const char* key : c.keys) EXPECT_TRUE(Has(run.out, "\"" + std::string(key) + "\": {")) << what << " " << key;
    for (const Expected& e : c.values)
      EXPECT_NEAR(Number(run.out, e.path), e.value, e.tolerance) << what << " " << e.path;
  }
}

TEST(ProcessCommand, StepsKeepTheirRulesInTheReportedNumbers) {
  // A valve and a calorimeter keep the enthalpy; a heater's duty is h2 - h1;
  // 100 % gives the ideal outlet.
  const cli_test::Run valve = RunCli(Process({"throttle", "T=700", "p=600", "--p2", "200"}));
  EXPECT_NEAR(Number(valve.out, "outlet.enthalpy"), Number(valve.out, "inlet.enthalpy"), 1e-4);
  EXPECT_GT(Number(valve.out, "entropy_rise"), 0.0);
  const cli_test::Run calorimeter =
      RunCli(Process({"calorimeter", "p=150", "--p2", "14.7", "--T2", "250"}));
  EXPECT_NEAR(Number(calorimeter.out, "inlet.enthalpy"), Number(calorimeter.out, "outlet.enthalpy"),
              1e-4);
  const double x = Number(calorimeter.out, "inlet.quality");
  EXPECT_TRUE(x > 0.9 && x < 1.0) << x;
  const cli_test::Run heater =
      RunCli(Process({"heat", "T=100", "p=100", "--duty", "1000BTU/lbm"}));
  EXPECT_NEAR(Number(heater.out, "duty"), 1000.0, 1e-3);
  EXPECT_NEAR(Number(heater.out, "outlet.enthalpy") - Number(heater.out, "inlet.enthalpy"),
              Number(heater.out, "duty"), 1e-9);
  const cli_test::Run ideal =
      RunCli(Process({"expand", "p=1000", "T=1000", "--p2", "2", "--efficiency", "100"}));
  EXPECT_NEAR(Number(ideal.out, "outlet.enthalpy"), Number(ideal.out, "ideal_outlet.enthalpy"),
              1e-6);
  // An efficiency found from the outlet's quality, and the pump under IFC-67.
  const cli_test::Run byQuality =
      RunCli(Process({"expand", "p=1000", "T=1000", "--p2", "2", "--x2", "0.9"}));
  EXPECT_NEAR(Number(byQuality.out, "outlet.quality"), 0.9, 1e-12);
  EXPECT_GT(Number(byQuality.out, "efficiency"), 85.0);
  const cli_test::Run pump = RunCli(
      Process({"compress", "T=100", "p=14.7", "--p2", "1000", "--formulation", "ifc67"}));
  ASSERT_EQ(pump.status, 0) << pump.err;
  EXPECT_TRUE(Has(pump.out, "\"formulation\": \"IFC-67\""));
  EXPECT_GT(Number(pump.out, "work"), Number(pump.out, "isentropic_work"));
}

TEST(ProcessCommand, FlowsAndPowersInTheirUnitsByTheDefiningFactors) {
  // The same turbine with one flow typed in four units: the powers agree, in
  // hp for IP and kW for SI.
  const std::vector<std::string> turbine = {"expand", "p=1000psia", "T=1000F", "--p2", "2psia",
                                            "--generator-efficiency", "97"};
  auto with = [&turbine](std::vector<std::string> more) {
    std::vector<std::string> arguments = turbine;
    arguments.insert(arguments.end(), more.begin(), more.end());
    return RunCli(Process(arguments));
  };
  const cli_test::Run ip = with({"--flow", "36000"});  // lbm/hr
  const double work = Number(ip.out, "work");         // BTU/lbm
  const double kilowatts = 10.0 * kPound * work * kBtuPerPound;
  EXPECT_NEAR(Number(ip.out, "shaft_power"), kilowatts / kHorsepower, 1e-9 * kilowatts);
  EXPECT_NEAR(Number(ip.out, "electric_power"), 0.97 * kilowatts / kHorsepower, 1e-9 * kilowatts);
  EXPECT_TRUE(Has(ip.out, "\"shaft_power\": {\"value\": ") && Has(ip.out, "\"unit\": \"hp\"}"));
  for (const char* flow : {"10lbm/s", "600 lbm/min", "4.5359237kg/s"}) {
    const cli_test::Run si = with({"--flow", flow, "--units", "si"});
    EXPECT_NEAR(Number(si.out, "shaft_power"), kilowatts, 1e-9 * kilowatts) << flow;
    EXPECT_TRUE(Has(si.out, "\"unit\": \"kW\"}")) << flow;
  }
  // Energies per unit mass follow the enthalpy's unit, the entropy rise the
  // entropy's.
  const cli_test::Run kj = with({"--unit", "enthalpy=kJ/kg"});
  EXPECT_NEAR(Number(kj.out, "work"), work * kBtuPerPound, 1e-9 * work);
  EXPECT_TRUE(Has(kj.out, "\"work\": {\"value\": ") && Has(kj.out, "\"unit\": \"kJ/kg\"}"));
  const cli_test::Run valve = RunCli(Process({"throttle", "T=700", "p=600", "--p2", "200"}));
  const cli_test::Run valveSi = RunCli(
      Process({"throttle", "T=700F", "p=600psia", "--p2", "200psia", "--unit", "entropy=kJ/kg-K"}));
  EXPECT_NEAR(Number(valveSi.out, "entropy_rise"), Number(valve.out, "entropy_rise") * 4.1868, 1e-9);
  // A flash tank's flows come out in the system's unit whatever unit went in.
  const cli_test::Run tank =
      RunCli(Process({"flash", "p=150", "x=0", "--p2", "15", "--flow", "3600lbm/hr", "--units", "si"}));
  const double fraction = Number(tank.out, "flash_fraction");
  EXPECT_NEAR(Number(tank.out, "vapor_flow"), fraction * kPound, 1e-12);
  EXPECT_NEAR(Number(tank.out, "liquid_flow"), (1 - fraction) * kPound, 1e-12);
  EXPECT_TRUE(Has(tank.out, "\"vapor_flow\": {\"value\": ") && Has(tank.out, "\"unit\": \"kg/s\"}"));
}

TEST(ProcessCommand, FlashTankClampsExitZeroWithTheirMessage) {
  const struct {
    std::vector<std::string> arguments;
    const char* message;
    const char* none;
    const char* flow;  // the phase that takes it all
  } cases[] = {
      {{"flash", "T=700", "p=600", "--p2", "15", "--flow", "100"},
       "The inlet does not condense at the tank pressure.", "\"liquid\": null", "vapor_flow"},
      {{"flash", "T=100", "p=600", "--p2", "15", "--flow", "100"},
       "The inlet does not flash at the tank pressure.", "\"vapor\": null", "liquid_flow"},
  };
  for (const auto& c : cases) {
    const cli_test::Run run = RunCli(Process(c.arguments));
    EXPECT_EQ(run.status, 0) << c.message;
    EXPECT_EQ(run.err, std::string(c.message) + "\n");
    EXPECT_TRUE(Has(run.out, std::string("\"messages\": [\"") + c.message + "\"]}")) << run.out;
    EXPECT_TRUE(Has(run.out, c.none)) << run.out;
    EXPECT_DOUBLE_EQ(Number(run.out, c.flow), 100.0);
  }
}

TEST(ProcessCommand, RefusalsNameTheirLimitInTheUsersUnits) {
  const struct {
    std::vector<std::string> arguments;
    const char* message;
  } cases[] = {
      {{"expand", "p=1000", "T=1000", "--p2", "2000"},
       "The outlet pressure must be lower than the inlet pressure, 1000.000 psia."},
      {{"expand", "p=10MPa", "T=500C", "--p2", "20MPa", "--units", "si"},
       "The outlet pressure must be lower than the inlet pressure, 100.000 Bar."},
      {{"throttle", "p=10MPa", "T=500C", "--p2", "20MPa", "--unit", "pressure=MPa"},
       "The outlet pressure must be lower than the inlet pressure, 10.000 MPa."},
      {{"compress", "T=100", "p=100", "--p2", "50"},
       "The outlet pressure must be higher than the inlet pressure, 100.000 psia."},
      {{"flash", "T=1000F", "p=4000psia", "--p2", "23MPa", "--units", "si"},
       "The tank pressure must be lower than the critical pressure, 220.640 Bar."},
      {{"expand", "p=1000psia", "T=1000F", "--p2", "2psia", "--T2", "50", "--units", "si"},
       "The outlet temperature must be above the saturation temperature at the outlet "
       "pressure, 52.24 \u00B0C."},
      {{"expand", "p=1000", "T=1000", "--p2", "2", "--efficiency", "0"},
       "The efficiency must be greater than 0 % and at most 100 %."},
      {{"compress", "T=100", "p=14.7", "--p2", "1000", "--efficiency", "101"},
       "The efficiency must be greater than 0 % and at most 100 %."},
      {{"heat", "T=100", "p=100", "--x2", "1.5"}, "Steam quality must be a number between 0 and 1."},
  };
  for (const auto& c : cases) {
    const cli_test::Run run = RunCli(Process(c.arguments));
    EXPECT_EQ(run.status, 1) << c.message;
    EXPECT_EQ(run.err, std::string(c.message) + "\n");
    EXPECT_EQ(run.out, std::string("{\"error\": {\"message\": \"") + c.message +
                           "\", \"title\": \"Hydrelix\"}}\n");
  }
  // A refused inlet is refused as `state` refuses it.
  const cli_test::Run inlet = RunCli(Process({"expand", "T=5000", "p=100", "--p2", "2"}));
  const cli_test::Run state = RunCli({"state", "T=5000", "p=100", "--format=json"});
  EXPECT_EQ(inlet.status, 1);
  EXPECT_EQ(inlet.out, state.out);
  EXPECT_EQ(inlet.err, state.err);
}

TEST(ProcessCommand, UsageErrorsExitTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {"process"},
      {"process", "turbine", "p=1000", "T=1000", "--p2", "2"},
      {"process", "expand", "p=1000", "--p2", "2"},
      {"process", "calorimeter", "p=150", "T=400", "--p2", "14.7", "--T2", "250"},
      {"process", "calorimeter", "T=400", "--p2", "14.7", "--T2", "250"},
      {"process", "expand", "p=1000", "T=1000", "--p2", "2", "--duty", "100"},
      {"process", "flash", "p=150", "x=0", "--p2", "15", "--flow", "3furlongs"},
      {"process", "expand", "p=1000", "T=1000", "--p2", "2", "--efficiency", "85K"},
      {"process", "expand", "p=1000", "T=1000", "--p2", "2psig"},
      {"process", "heat", "p=1000", "T=1000", "--x2", "0.5kg"},
      {"process", "expand", "p=1000", "T=1000", "--p2"},
      {"process", "expand", "p=1000", "T=1000", "--p2", "2", "--jobs", "2"},
      {"state", "p=1000", "T=1000", "--p2", "2"},
      {"batch", "--flow", "2"},
  };
  for (const auto& arguments : cases) {
    const cli_test::Run run = RunCli(arguments);
    std::string line;
    for (const std::string& a : arguments) line += a + " ";
    EXPECT_EQ(run.status, 2) << line << run.err;
    EXPECT_TRUE(Has(run.err, "usage: hydrelix-cli")) << line << run.err;
    EXPECT_TRUE(run.out.empty()) << line;
  }
  const cli_test::Run help = RunCli({"process", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(Has(help.out, "--generator-efficiency") && Has(help.out, "whole expansion"));
}

TEST(ProcessCommand, TableAndDelimitedFormats) {
  const std::vector<std::string> flash = {"process", "flash", "p=150", "x=0", "--p2", "15",
                                          "--flow", "10000"};
  auto as = [&flash](const char* format) {
    std::vector<std::string> arguments = flash;
    arguments.push_back(std::string("--format=") + format);
    return RunCli(arguments);
  };
  const cli_test::Run table = as("table");
  EXPECT_TRUE(Has(table.out, "inlet:\n") && Has(table.out, "vapor:\n") &&
              Has(table.out, "liquid:\n"));
  const std::size_t row = table.out.find("\nflash_fraction ");
  ASSERT_NE(row, std::string::npos) << table.out;
  EXPECT_EQ(table.out.substr(table.out.find(" 0.", row), 12), " 0.15421  -\n") << table.out;
  EXPECT_TRUE(Has(table.out, "vapor_flow") && Has(table.out, "lbm/hr"));
  const cli_test::Run csv = as("csv");
  EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')), "part,key,value,unit,text");
  std::size_t lines = 0;
  for (char c : csv.out) lines += c == '\n';
  EXPECT_EQ(lines, 1u + 3u * 15u + 3u);  // header, three states, three figures
  EXPECT_TRUE(Has(csv.out, "\nvapor,pressure,1")) << csv.out;
  EXPECT_TRUE(Has(csv.out, "\nfigure,flash_fraction,0.1542"));
  const cli_test::Run tsv = as("tsv");
  EXPECT_TRUE(Has(csv.out, ",psia,15.000\nvapor,quality,1,-,1.000\n")) << csv.out;
  EXPECT_TRUE(Has(tsv.out, "\tpsia\t15.000\nliquid\tquality\t0\t-\t0.000\n")) << tsv.out;
}

}  // namespace
