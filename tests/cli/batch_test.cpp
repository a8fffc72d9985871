// `batch` on files a plant historian or a colleague might hand over: bad rows
// mixed in, extra columns, a byte-order mark, headers without a pair, output
// to a file that must appear whole or not at all, and a million rows in
// bounded memory. The bytes written never depend on the number of threads.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "run_cli.h"

namespace {

using cli_test::Has;
using cli_test::Lines;
using cli_test::RunCli;

// The last `n` comma-separated fields of a line without quotes.
std::vector<std::string> Tail(const std::string& line, std::size_t n) {
  std::vector<std::string> fields;
  std::istringstream in(line + ",");
  for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
  return std::vector<std::string>(fields.end() - static_cast<long>(n), fields.end());
}

// States of every kind, bad ones between them: `rows` rows of p [psia], h [BTU/lbm].
std::string Mixed(int rows) {
  std::string text = "p [psia],h [BTU/lbm]\n";
  const char* kinds[] = {"100,1300", "14.696,1150", "1000,150", "3000,1400", "abc,1200",
                         "100,",     "500,800",     "1e9,1000", "5000,20000"};
  for (int i = 0; i < rows; ++i)
    text += std::string(kinds[i % 9]) + (i % 7 == 0 ? ".5" : "") + "\n";
  return text;
}

TEST(Batch, BadRowsKeepTheirPlaceExtraColumnsAndTheMarkPassThrough) {
  const std::string input =
      "\xEF\xBB\xBFtag,P [MPa],note,T [degC]\n"
      "a,1,\"x, y\",200\n"
      "b,abc,,200\n"
      "c,1\n"
      "d,1,,-300\n"
      "e,0.1,\"he said \"\"hi\"\"\",99.6\n"
      "f,1,,200,extra\n"
      "g,,,100\n";
  const cli_test::Run run = RunCli({"batch", "--units", "si"}, input);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "hydrelix-cli: 5 of 7 rows were not computed\n");
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 8u) << run.out;
  EXPECT_EQ(lines[0].rfind(
                "tag,P [MPa],note,T [degC],temperature [\u00B0C],pressure [Bar],quality [-],", 0),
            0u)
      << lines[0];
  EXPECT_TRUE(Has(lines[0], ",isentropic_exponent [-],region,phase,message"));
  EXPECT_EQ(lines[1].rfind("a,1,\"x, y\",200,200,9.9999998", 0), 0u) << lines[1];
  EXPECT_EQ(Tail(lines[1], 1)[0], "");
  EXPECT_TRUE(Has(lines[2], "b,abc,,200,,,")) << lines[2];
  EXPECT_TRUE(Has(lines[2], "pressure: \"\"abc\"\" is not a number")) << lines[2];
  EXPECT_TRUE(Has(lines[3], "the row has 2 cells; the header has 4")) << lines[3];
  EXPECT_TRUE(Has(lines[4], "Temperature")) << lines[4];
  EXPECT_EQ(lines[5].rfind("e,0.1,\"he said \"\"hi\"\"\",99.6,99.599", 0), 0u) << lines[5];
  EXPECT_TRUE(Has(lines[6], "the row has 5 cells; the header has 4")) << lines[6];
  EXPECT_TRUE(Has(lines[7], "pressure: no value")) << lines[7];
  EXPECT_NE(run.out.substr(0, 3), "\xEF\xBB\xBF");
}

TEST(Batch, HeadersWithoutAPairWriteNothing) {
  const std::string folder = cli_test::TemporaryFolder();
  const std::string output = folder + "/out.csv";
  cli_test::WriteFile(output, "earlier\n");
  for (const char* header : {"p,h,T\n1,2,3\n", "p,x2\n1,2\n", "x,h\n0.5,100\n", "T,t\n1,2\n",
                             "T [furlong],p\n1,2\n", ""}) {
    const cli_test::Run run = RunCli({"batch", "--output", output}, header);
    EXPECT_EQ(run.status, 2) << header;
    EXPECT_TRUE(Has(run.err, "hydrelix-cli: ")) << header;
    EXPECT_EQ(cli_test::ReadFile(output), "earlier\n") << header;
  }
  EXPECT_EQ(cli_test::FolderEntries(folder).size(), 1u);
  EXPECT_EQ(RunCli({"batch", folder + "/missing.csv"}).status, 2);
  EXPECT_EQ(RunCli({"batch", folder}).status, 2);
  cli_test::RemoveTree(folder);
}

TEST(Batch, OutputFileReplacesTheOldOneWhole) {
  const std::string folder = cli_test::TemporaryFolder();
  const std::string output = folder + "/out.csv";
  cli_test::WriteFile(output, "earlier\n");
  const cli_test::Run run = RunCli({"batch", "-", "--output", output}, "T,p\n600,100\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  const std::vector<std::string> lines = Lines(cli_test::ReadFile(output));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].rfind("600,100,600,100,1,", 0), 0u) << lines[1];
  EXPECT_EQ(cli_test::FolderEntries(folder), std::vector<std::string>{"out.csv"});
  cli_test::RemoveTree(folder);
}

TEST(Batch, OneThreadAndFourGiveTheSameBytesInEveryFormat) {
  const std::string input = Mixed(5000);
  for (const char* format : {"csv", "tsv", "json"}) {
    const cli_test::Run one = RunCli({"batch", "--jobs", "1", "--format", format}, input);
    const cli_test::Run four = RunCli({"batch", "--jobs=4", "--format", format}, input);
    EXPECT_EQ(one.status, 1) << format;
    EXPECT_EQ(one.err, four.err) << format;
    EXPECT_EQ(Lines(one.out).size(), std::string(format) == "json" ? 5000u : 5001u) << format;
    EXPECT_TRUE(one.out == four.out) << format << ": the outputs differ";
  }
}

// Waits, with a bound, until `ready` holds.
template <typename Ready>
bool Eventually(Ready ready) {
  for (int i = 0; i < 1000; ++i) {
    if (ready()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

TEST(Batch, AnInterruptedRunLeavesNoFile) {
  for (const int signal : {SIGINT, SIGTERM}) {
    const std::string folder = cli_test::TemporaryFolder();
    int writeEnd = -1;
    const pid_t pid =
        cli_test::StartCli({"batch", "--output", folder + "/out.csv", "--jobs", "2"}, writeEnd);
    const std::string rows = Mixed(20000);
    ASSERT_EQ(::write(writeEnd, rows.data(), rows.size()), static_cast<ssize_t>(rows.size()));
    // The temporary file fills while the input stays open.
    ASSERT_TRUE(Eventually([&] {
      const std::vector<std::string> entries = cli_test::FolderEntries(folder);
      return entries.size() == 1 && cli_test::ReadFile(folder + "/" + entries[0]).size() > 100000;
    }));
    ::kill(pid, signal);
    ASSERT_TRUE(Eventually([&] { return cli_test::FolderEntries(folder).empty(); }));
    ::close(writeEnd);
    const int status = cli_test::WaitCli(pid);
    EXPECT_EQ(status, 128 + signal);
    EXPECT_TRUE(cli_test::FolderEntries(folder).empty());
    cli_test::RemoveTree(folder);
  }
}

TEST(Batch, ProgressShowsOnATerminalOnly) {
  const std::string folder = cli_test::TemporaryFolder();
  cli_test::WriteFile(folder + "/in.csv", Mixed(150000));
  // script(1) gives the program a terminal and keeps what it wrote there.
  const std::string command = "script -qec '" + std::string(HYDRELIX_CLI) + " batch " + folder +
                              "/in.csv --output " + folder + "/out.csv --jobs 1' " + folder +
                              "/terminal >/dev/null 2>&1";
  EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 1);
  const std::string terminal = cli_test::ReadFile(folder + "/terminal");
  EXPECT_TRUE(Has(terminal, " rows/s, ")) << terminal;
  EXPECT_TRUE(Has(terminal, " left")) << terminal;
  EXPECT_TRUE(Has(terminal, "not computed")) << terminal;
  cli_test::RemoveTree(folder);
}

#ifdef HYDRELIX_MILLION_ROW_RUN
TEST(Batch, AMillionRowsInTheMemoryOfAThousand) {
  const std::string folder = cli_test::TemporaryFolder();
  auto file = [&folder](int rows) {
    const std::string path = folder + "/" + std::to_string(rows) + ".csv";
    cli_test::WriteFile(path, Mixed(rows));
    return path;
  };
  const std::string small = file(1000);
  const std::string large = file(1000000);
  const cli_test::Run thousand = RunCli({"batch", small}, {}, false, small);
  const cli_test::Run million = RunCli({"batch", large, "--jobs", "2"}, {}, false, large);
  EXPECT_EQ(thousand.status, 1);
  EXPECT_EQ(million.status, 1);
  EXPECT_TRUE(Has(million.err, " of 1000000 rows were not computed")) << million.err;
  // Seconds of work with standard error in a file: no progress line in it.
  EXPECT_FALSE(Has(million.err, "rows/s")) << million.err;
  std::printf("peak memory: %ld KiB for 1,000 rows, %ld KiB for 1,000,000 rows\n",
              thousand.peakKilobytes, million.peakKilobytes);
  EXPECT_LT(million.peakKilobytes, 64 * 1024);
  EXPECT_LE(million.peakKilobytes, thousand.peakKilobytes * 12 / 10);
  cli_test::RemoveTree(folder);
}
#endif

}  // namespace
