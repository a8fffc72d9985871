// `state` and `compare` as a script sees them: exit statuses 0, 1 and 2, the
// window's messages on standard error, the JSON error object, units typed in
// their several spellings, and a program without its libraries.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "run_cli.h"

namespace {

using cli_test::Has;
using cli_test::Lines;
using cli_test::RunCli;

TEST(ExitStatus, EveryCommandLineGetsItsStatus) {
  const struct {
    std::vector<std::string> arguments;
    int status;
  } cases[] = {
      {{"state", "p=100", "h=1300"}, 0},
      {{"state", "h=1300", "P=100", "--format=json"}, 0},
      {{"state", "T=212F", "x=0.5", "--formulation", "ifc67", "--format", "csv"}, 0},
      {{"compare", "T=600", "p=100"}, 0},
      {{"state", "T=212", "x=1.5"}, 1},
      {{"state", "T=212", "x=-0.5", "--format", "json"}, 1},
      {{"state", "T=5000", "p=100"}, 1},
      {{"compare", "T=5000", "p=100"}, 1},
      {{}, 2},
      {{"states", "T=1", "p=1"}, 2},
      {{"state", "T=100"}, 2},
      {{"state", "T=100", "p=1", "h=3"}, 2},
      {{"state", "T=100", "T=200"}, 2},
      {{"state", "x=0.5", "h=300"}, 2},
      {{"state", "q=1", "p=1"}, 2},
      {{"state", "T=100furlongs", "p=1"}, 2},
      {{"state", "T=1,5", "p=1"}, 2},
      {{"state", "T=nan", "p=1"}, 2},
      {{"state", "T=1e99", "p=1"}, 2},
      {{"state", "T=100", "p=1", "--format", "xml"}, 2},
      {{"state", "T=100", "p=1", "--units", "metric"}, 2},
      {{"state", "T=100", "p=1", "--unit", "foo=K"}, 2},
      {{"state", "T=100", "p=1", "--unit", "quality=-"}, 2},
      {{"state", "T=100", "p=1", "--unit", "enthalpy=MPa"}, 2},
      {{"state", "T=100", "p=1", "--jobs", "2"}, 2},
      {{"state", "T=100", "p=1", "--verbose"}, 2},
      {{"state", "T=100", "p=1", "--format"}, 2},
      {{"compare", "T=100", "p=1", "--formulation", "ifc67"}, 2},
      {{"batch", "--format", "table"}, 2},
      {{"batch", "a.csv", "b.csv"}, 2},
      {{"batch", "--jobs", "0"}, 2},
  };
  for (const auto& c : cases) {
    std::string line;
    for (const std::string& a : c.arguments) line += a + " ";
    const cli_test::Run run = RunCli(c.arguments);
    EXPECT_EQ(run.status, c.status) << line << "\n" << run.err;
    if (c.status == 2) {
      EXPECT_TRUE(Has(run.err, "hydrelix-cli: ") && Has(run.err, "\nusage: hydrelix-cli"))
          << line << run.err;
      EXPECT_EQ(run.out, "") << line;
    }
  }
}

TEST(ExitStatus, RefusalsGiveTheWindowsMessageOnOneLine) {
  const cli_test::Run quality = RunCli({"state", "T=212", "x=1.5"});
  EXPECT_EQ(quality.err, "Steam quality must be a number between 0 and 1.\n");
  EXPECT_EQ(quality.out, "");
  const cli_test::Run json = RunCli({"state", "T=212", "x=1.5", "--format", "json"});
  EXPECT_EQ(json.out,
            "{\"error\": {\"message\": \"Steam quality must be a number between 0 and 1.\", "
            "\"title\": \"Steam Properties\"}}\n");
  // The window breaks this message's line with \r.
  const cli_test::Run superheated = RunCli({"state", "T=300", "h=1500"});
  EXPECT_EQ(superheated.status, 1);
  EXPECT_TRUE(Has(superheated.err, "Superheated steam.")) << superheated.err;
  EXPECT_FALSE(Has(superheated.err, "\r"));
  EXPECT_EQ(superheated.err.find('\n'), superheated.err.size() - 1);
}

TEST(ExitStatus, UnitsInTheirSpellingsGiveOneState) {
  // Each group names one unit in several spellings; the window enters a
  // number typed in another unit through another rounding, so groups differ.
  const std::vector<std::vector<std::vector<std::string>>> groups = {
      {{"T=300C", "p=5MPa"},
       {"T=300 degC", "p=5 mpa"},
       {"p=5MPA", "t=300°c"},
       {"T=572F", "p=5MPa"},
       {"p=5MPa", "T=573.15 k"}},
      {{"T=300", "p=50"}, {"T=300°C", "p=50 bar"}, {"t=300DEGC", "P=50BAR"}},
  };
  for (const auto& group : groups) {
    const std::string expected =
        RunCli({"state", group[0][0], group[0][1], "--units", "si", "--format", "csv"}).out;
    EXPECT_TRUE(Has(expected, "temperature,300,\u00B0C,300.00\n")) << expected;
    // The header and exactly one row per result key, the last of them the
    // isentropic exponent.
    EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), 16) << expected;
    EXPECT_TRUE(Has(expected, "\nisentropic_exponent,")) << expected;
    for (const std::vector<std::string>& spelling : group) {
      const cli_test::Run run =
          RunCli({"state", spelling[0], spelling[1], "--units=si", "--format=csv"});
      EXPECT_EQ(run.out, expected) << spelling[0] << " " << spelling[1];
    }
  }
}

TEST(ExitStatus, JsonStateHasTheContractsKeys) {
  const cli_test::Run run = RunCli({"state", "p=100", "h=1300", "--format", "json"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind(
                "{\"formulation\": \"IAPWS-IF97\", \"units\": \"IP\", \"inputs\": [\"pressure\", "
                "\"enthalpy\"], \"properties\": {\"temperature\": {\"value\": 541.10",
                0),
            0u)
      << run.out;
  EXPECT_TRUE(Has(run.out, "\"unit\": \"\u00B0F\", \"text\": \"541.10\"}"));
  EXPECT_TRUE(
      Has(run.out, "\"pressure\": {\"value\": 100, \"unit\": \"psia\", \"text\": \"100.000\"}"));
  EXPECT_TRUE(
      Has(run.out,
          "\"surface_tension\": {\"value\": null, \"unit\": \"dyn/cm\", \"text\": \"0.000\"}"));
  EXPECT_TRUE(Has(run.out, "\"isentropic_exponent\": {\"value\": 1.32"));
  EXPECT_TRUE(Has(run.out, "\"unit\": \"-\", \"text\": \"1.326\"}"));
  EXPECT_TRUE(Has(run.out,
                  "\"region\": 2, \"phase\": \"Superheated vapor\", "
                  "\"saturation_temperature\": {\"value\": 327.8"))
      << run.out;
  EXPECT_TRUE(Has(run.out, "\"superheat\": {\"value\": 213.2")) << run.out;
  EXPECT_EQ(run.out.back(), '\n');
  EXPECT_EQ(run.out.find('\n'), run.out.size() - 1);

  // IFC-67 gives a wet state no region; SI differences are in kelvins.
  const cli_test::Run wet = RunCli(
      {"state", "T=100C", "x=0.5", "--formulation", "ifc67", "--units", "si", "--format", "json"});
  EXPECT_TRUE(Has(wet.out, "\"region\": null, \"phase\": \"Wet steam\"")) << wet.out;
  const cli_test::Run liquid =
      RunCli({"state", "T=20C", "p=1", "--units", "si", "--format", "json"});
  EXPECT_TRUE(Has(liquid.out, "\"subcooling\": {\"value\": 79.6")) << liquid.out;
  EXPECT_TRUE(Has(liquid.out, "\"unit\": \"K\"}")) << liquid.out;
}

TEST(ExitStatus, CompareWithOneSideRefused) {
  // IFC-67 takes no compressed liquid from pressure and enthalpy.
  const cli_test::Run run = RunCli({"compare", "p=1000", "h=150", "--format", "json"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Has(run.out, "{\"if97\": {\"formulation\": \"IAPWS-IF97\"")) << run.out;
  EXPECT_TRUE(Has(run.out, "\"ifc67\": {\"error\": {\"message\": ")) << run.out;
  EXPECT_TRUE(
      Has(run.out, "\"difference\": {\"temperature\": {\"absolute\": null, \"percent\": null}"));
  EXPECT_TRUE(Has(run.err, "IFC-67: ")) << run.err;

  const cli_test::Run both = RunCli({"compare", "T=600", "p=100", "--format", "json"});
  EXPECT_TRUE(Has(both.out, "\"enthalpy\": {\"absolute\": 0.11")) << both.out;
}

TEST(ExitStatus, VersionAndHelpOfEverySubcommand) {
  const cli_test::Run version = RunCli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("hydrelix-cli ", 0), 0u);
  for (const char* subcommand : {"state", "compare", "batch"}) {
    const cli_test::Run help = RunCli({subcommand, "--help"});
    EXPECT_EQ(help.status, 0) << subcommand;
    EXPECT_EQ(help.out.rfind(std::string("usage: hydrelix-cli ") + subcommand, 0), 0u) << help.out;
    EXPECT_TRUE(Has(help.out, "Examples:")) << subcommand;
  }
  EXPECT_EQ(RunCli({"--help"}).status, 0);
}

TEST(ExitStatus, AMissingLibraryIsARefusalNamingIt) {
  const std::string folder = cli_test::TemporaryFolder();
  const std::string lone = folder + "/hydrelix-cli";
  std::filesystem::copy_file(HYDRELIX_CLI, lone);
  std::filesystem::permissions(lone, std::filesystem::perms::owner_all);
  // RunCli runs the program of the build: run the lone copy through a shell.
  const int raw =
      std::system((lone + " state T=600 p=100 >/dev/null 2>" + folder + "/err").c_str());
  EXPECT_EQ(WEXITSTATUS(raw), 1);
  EXPECT_TRUE(Has(cli_test::ReadFile(folder + "/err"), "libHydrix.so"))
      << cli_test::ReadFile(folder + "/err");
  cli_test::RemoveTree(folder);
}

}  // namespace
