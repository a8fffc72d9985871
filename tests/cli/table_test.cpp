// `hydrelix-cli table` run as a user runs it: the four kinds, the notes for
// values left out, the exit statuses, the formats, and output bytes that do
// not depend on the number of jobs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "run_cli.h"

namespace {

using cli_test::Has;
using cli_test::Lines;
using cli_test::RunCli;

std::vector<std::string> Fields(const std::string& line, char separator = ',') {
  std::vector<std::string> fields;
  std::istringstream in(line + separator);
  for (std::string field; std::getline(in, field, separator);) fields.push_back(field);
  return fields;
}

TEST(Table, SaturationByTemperatureEndsAtTheCriticalPointAndNotesTheRest) {
  const auto run = RunCli({"table", "saturation", "--T", "0:400:100C", "--units", "si",
                           "--unit", "pressure=MPa"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 6u) << run.out;  // header, 0, 100, 200, 300, critical
  EXPECT_EQ(lines[0].rfind("temperature [\u00B0C],pressure [MPa],specific_volume_liquid [m\u00B3/kg],", 0), 0u)
      << lines[0];
  EXPECT_TRUE(Has(lines[0], ",enthalpy_evaporation [kJ/kg],"));
  EXPECT_TRUE(lines[0].size() > 8 && lines[0].substr(lines[0].size() - 8) == ",message");
  const std::vector<std::string> at100 = Fields(lines[2]);
  EXPECT_EQ(at100[0], "100");
  EXPECT_NEAR(std::strtod(at100[1].c_str(), nullptr), 0.101418, 5e-7);
  const std::vector<std::string> critical = Fields(lines[5]);
  // The formulation's own critical point: the pressure to the last digit,
  // the temperature (exact in kelvins) within the spacing of degrees F.
  EXPECT_NEAR(std::strtod(critical[0].c_str(), nullptr), 373.946, 1e-12);
  EXPECT_EQ(critical[1], "22.064");
  EXPECT_TRUE(Has(run.err, "Left out above the critical temperature")) << run.err;
  EXPECT_TRUE(Has(run.err, ": 400 \u00B0C.")) << run.err;
}

TEST(Table, EachFormulationStartsAtItsOwnLowestSaturationTemperature) {
  for (const char* formulation : {"if97", "ifc67"}) {
    const auto run = RunCli({"table", "saturation", "--T", "-1,0,0.01C", "--formulation",
                             formulation, "--format", "tsv"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::size_t rows = Lines(run.out).size() - 1;
    EXPECT_EQ(rows, std::string(formulation) == "if97" ? 2u : 1u) << formulation;
    EXPECT_TRUE(Has(run.err, "Left out below the lowest saturation temperature")) << run.err;
  }
}

TEST(Table, SweepsAndGridsInEveryKind) {
  struct Case {
    std::vector<std::string> arguments;
    std::size_t rows;
    const char* firstHeader;
    const char* marks;  // the mark column of each row, joined by "|"
  };
  const std::vector<Case> cases = {
      {{"isobar", "--p", "1MPa", "--T", "100:250:50C"}, 6, "temperature",
       "liquid|liquid|Sat. liquid|Sat. vapor||"},
      {{"isotherm", "--T", "200C", "--p", "1,1.5,2MPa"}, 5, "pressure",
       "||Sat. vapor|Sat. liquid|liquid"},
      {{"grid", "--p", "1,30MPa", "--T", "100,300C"}, 5, "temperature",
       "Sat.|liquid||liquid|liquid"},
      {{"saturation", "--p", "1:3:1 MPa"}, 3, "pressure", ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments{"table"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    arguments.insert(arguments.end(), {"--units", "si"});
    const auto run = RunCli(arguments);
    ASSERT_EQ(run.status, 0) << c.arguments[0] << ": " << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), c.rows + 1) << run.out;
    EXPECT_EQ(lines[0].rfind(c.firstHeader, 0), 0u) << lines[0];
    if (*c.marks == '\0') continue;
    std::string marks;
    const std::vector<std::string> header = Fields(lines[0]);
    const std::size_t markColumn = header.size() - 2;
    ASSERT_EQ(header[markColumn], "mark");
    for (std::size_t i = 1; i < lines.size(); ++i) {
      marks += (i > 1 ? "|" : "") + Fields(lines[i])[markColumn];
    }
    EXPECT_EQ(marks, c.marks) << c.arguments[0];
  }
}

TEST(Table, ARefusedRowKeepsItsPlaceAndTheRunEndsWithOne) {
  const auto run = RunCli({"table", "isobar", "--p", "60MPa", "--T", "500,2500,600C",
                           "--units", "si", "--format", "json"});
  EXPECT_EQ(run.status, 1);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u) << run.out;
  EXPECT_TRUE(Has(lines[1], "\"temperature [\u00B0C]\": 2500")) << lines[1];
  EXPECT_TRUE(Has(lines[1], "\"enthalpy [kJ/kg]\": null")) << lines[1];
  EXPECT_TRUE(Has(lines[1], "\"message\": \"Temperature must be lower than")) << lines[1];
  EXPECT_TRUE(Has(lines[0], "\"message\": null"));
  EXPECT_TRUE(Has(run.err, "1 of 3 rows have no state")) << run.err;
}

TEST(Table, UsageErrorsEndWithTwoAndWriteNoRows) {
  const std::vector<std::vector<std::string>> lines = {
      {"table"},
      {"table", "saturation"},
      {"table", "saturation", "--T", "100", "--p", "1"},
      {"table", "isobar", "--p", "1,2MPa", "--T", "100:200:50C"},
      {"table", "isotherm", "--p", "1:2:1MPa"},
      {"table", "grid", "--T", "100"},
      {"table", "steam", "--T", "100"},
      {"table", "saturation", "--T", "100 furlongs"},
      {"table", "saturation", "--T", "1:2"},
      {"table", "saturation", "--T", "100", "--columns", "enthalpy"},
      {"table", "saturation", "--T", "100", "--format", "xml"},
      {"table", "saturation", "--T", "100", "--jobs", "0"},
  };
  for (const auto& arguments : lines) {
    const auto run = RunCli(arguments);
    std::string shown;
    for (const std::string& a : arguments) shown += a + " ";
    EXPECT_EQ(run.status, 2) << shown << run.err;
    EXPECT_EQ(run.out, "") << shown;
    EXPECT_FALSE(run.err.empty()) << shown;
  }
}

TEST(Table, ColumnsLogarithmicRangesAndOutputFile) {
  const std::string folder = cli_test::TemporaryFolder();
  const std::string path = folder + "/sat.csv";
  const auto run = RunCli({"table", "saturation", "--p", "1:1000:3", "--log", "--units", "si",
                           "--columns", "enthalpy_vapor,viscosity_liquid", "--unit",
                           "pressure=kPa", "--output", path});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  const std::vector<std::string> lines = Lines(cli_test::ReadFile(path));
  // 1, 2.15, 4.64, 10 ... 215 Bar, the critical row for 464 Bar, and 1000 Bar
  // left out.
  ASSERT_EQ(lines.size(), 1u + 8u + 1u);
  EXPECT_EQ(lines[0], "pressure [kPa],enthalpy_vapor [kJ/kg],viscosity_liquid [N-s/m\u00B2],message");
  EXPECT_NEAR(std::strtod(Fields(lines[4])[0].c_str(), nullptr), 1000.0, 1e-9);
  EXPECT_EQ(Fields(lines[9])[0], "22064");
  EXPECT_TRUE(Has(run.err, ": 1000 kPa") || Has(run.err, "100000 kPa")) << run.err;
  EXPECT_EQ(cli_test::FolderEntries(folder), std::vector<std::string>{"sat.csv"});
  cli_test::RemoveTree(folder);
}

TEST(Table, BytesDoNotDependOnTheNumberOfJobs) {
  const std::vector<std::string> grid{"table", "grid", "--p", "1:200:10 Bar", "--T",
                                      "10:800:5 C", "--units", "si"};
  auto one = grid, four = grid;
  one.insert(one.end(), {"--jobs", "1"});
  four.insert(four.end(), {"--jobs", "4"});
  const auto a = RunCli(one), b = RunCli(four);
  ASSERT_EQ(a.status, 0) << a.err;
  EXPECT_EQ(Lines(a.out).size(), 1u + 20u * 159u + 20u);
  EXPECT_EQ(a.out, b.out);
}

}  // namespace
