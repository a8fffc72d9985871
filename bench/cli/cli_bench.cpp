// SPDX-License-Identifier: GPL-3.0-or-later
// Rows per second of `hydrelix-cli batch` for temperature-pressure and
// pressure-enthalpy files at one and two threads, beside steam::Solve alone
// on the same states. Each batch iteration streams a file of kRows rows
// through the program's own batch code, output thrown away; cpu_ns_per_row
// is the whole process's CPU time (every thread) per row.
//
// `cli_bench --list` names the cases and `cli_bench --calls NAME N` runs one
// case over N states or rows, for bench/instructions.sh (instructions per row
// under callgrind, the same on a busy machine as on an idle one).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_run.h"
#include "cli/bound_libraries.h"
#include "steam/steam.h"

namespace {

constexpr double kMolarMass = 18.01528;
constexpr int kRows = 20000;

struct Inputs {
  double a, b;  // deg F and psia, or psia and BTU/lbm
};

// Liquid, vapour and supercritical states, so neighbouring rows differ.
const std::vector<Inputs> kTemperaturePressure = {
    {68, 14.696}, {150, 1000},  {300, 2000}, {500, 3000}, {400, 14.696}, {600, 100},
    {1000, 500},  {1400, 1000}, {800, 4000}, {250, 50},   {212, 10},     {700, 6000},
    {90, 200},    {350, 300},   {1100, 50},  {550, 1500}};
const std::vector<Inputs> kPressureEnthalpy = {
    {14.696, 1200}, {100, 1300}, {500, 800},  {1000, 1400}, {2000, 600}, {3000, 1500},
    {50, 1100},     {200, 1250}, {1500, 900}, {4000, 1000}, {10, 1150},  {300, 350},
    {800, 1350},    {25, 1500},  {600, 1180}, {5000, 1200}};

struct Case {
  const char* name;
  bool pressureEnthalpy;
  int jobs;  // 0: Solve alone
};

const Case kCases[] = {
    {"Solve T-p", false, 0},           {"Solve p-h", true, 0},
    {"batch T-p 1 thread", false, 1},  {"batch p-h 1 thread", true, 1},
    {"batch T-p 2 threads", false, 2}, {"batch p-h 2 threads", true, 2},
};

cli::BoundLibraries& Libraries() {
  static cli::BoundLibraries libraries;
  return libraries;
}

double SolveAll(const Case& c, long count) {
  const std::vector<Inputs>& states = c.pressureEnthalpy ? kPressureEnthalpy : kTemperaturePressure;
  const steam::InputPair pair = c.pressureEnthalpy ? steam::InputPair::PressureEnthalpy
                                                   : steam::InputPair::TemperaturePressure;
  double sum = 0;
  for (long k = 0; k < count; ++k) {
    const Inputs& in = states[static_cast<std::size_t>(k) % states.size()];
    const double second = c.pressureEnthalpy ? in.b * kMolarMass : in.b;
    sum += steam::Solve(steam::Formulation::IF97, pair, in.a, second, Libraries())
               .state.values.Enthalpy;
  }
  return sum;
}

// A CSV file of `rows` rows of the case's inputs, in the IP default units.
std::string WriteFile(const Case& c, long rows) {
  char path[] = "/tmp/hydrelix-cli-bench.XXXXXX";
  const int fd = ::mkstemp(path);
  // The states' lines are written once and repeated, so making the file
  // costs next to nothing beside the rows' computation.
  const std::vector<Inputs>& states = c.pressureEnthalpy ? kPressureEnthalpy : kTemperaturePressure;
  std::vector<std::string> lines;
  for (const Inputs& in : states) lines.push_back(std::to_string(in.a) + "," + std::to_string(in.b) + "\n");
  std::string text = c.pressureEnthalpy ? "p,h\n" : "T,p\n";
  for (long k = 0; k < rows; ++k) text += lines[static_cast<std::size_t>(k) % lines.size()];
  if (::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) std::abort();
  ::close(fd);
  return path;
}

// Runs the batch with its standard output sent to /dev/null.
void RunBatch(const Case& c, const std::string& file) {
  cli::BatchOptions options;
  options.input = file;
  options.jobs = c.jobs;
  std::cout.flush();
  std::fflush(stdout);
  const int saved = ::dup(1);
  const int null = ::open("/dev/null", O_WRONLY);
  ::dup2(null, 1);
  std::ostringstream errors;
  cli::RunBatch(options, Libraries(), errors);
  ::dup2(saved, 1);
  ::close(saved);
  ::close(null);
}

double ProcessCpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

void BM_Case(benchmark::State& state, const Case* c) {
  if (c->jobs == 0) {
    const double cpu = ProcessCpuSeconds();
    for (auto _ : state) benchmark::DoNotOptimize(SolveAll(*c, kRows));
    state.SetItemsProcessed(state.iterations() * kRows);
    state.counters["cpu_ns_per_row"] =
        (ProcessCpuSeconds() - cpu) * 1e9 / (state.iterations() * kRows);
    return;
  }
  const std::string file = WriteFile(*c, kRows);
  const double cpu = ProcessCpuSeconds();
  for (auto _ : state) RunBatch(*c, file);
  state.SetItemsProcessed(state.iterations() * kRows);
  state.counters["cpu_ns_per_row"] =
      (ProcessCpuSeconds() - cpu) * 1e9 / (state.iterations() * kRows);
  std::remove(file.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
    for (const Case& c : kCases) std::printf("%s\n", c.name);
    return 0;
  }
  if (argc == 4 && std::strcmp(argv[1], "--calls") == 0) {
    const long count = std::atol(argv[3]);
    for (const Case& c : kCases) {
      if (std::strcmp(c.name, argv[2]) != 0) continue;
      if (c.jobs == 0) {
        std::printf("%g\n", SolveAll(c, count));
      } else {
        const std::string file = WriteFile(c, count);
        RunBatch(c, file);
        std::remove(file.c_str());
      }
      return 0;
    }
    return 2;
  }
  for (const Case& c : kCases) {
    benchmark::RegisterBenchmark(c.name, BM_Case, &c)->Unit(benchmark::kMillisecond)->UseRealTime();
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
