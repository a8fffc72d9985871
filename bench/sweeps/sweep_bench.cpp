// Rows per second of the tables: a saturation table by temperature (both
// ends of every row, 1000 rows from 0.01 to 373.9 C) and a grid of 1000
// pressures by 1000 temperatures (1,000,000 single-phase rows and a
// saturated vapour per block), at one and two jobs, under both formulations.
#include "analysis/sweep.h"
#include "platform/shared_property_libraries.h"

#include <benchmark/benchmark.h>

namespace {

using analysis::SweepKind;
using units::Quantity;

platform::SharedPropertyLibraries& Libraries() {
  static platform::SharedPropertyLibraries libraries;
  static const bool prepared = (analysis::PrepareLibraries(libraries), true);
  (void)prepared;
  return libraries;
}

analysis::SweepRequest SaturationTable(steam::Formulation formulation) {
  analysis::SweepRequest request;
  request.kind = SweepKind::SaturationByTemperature;
  request.formulation = formulation;
  request.columns = analysis::DefaultColumns(request.kind);
  for (int i = 0; i < 1000; ++i) {
    request.temperatures.push_back(analysis::ToWorking(Quantity::Temperature, 0.01 + 0.3738 * i, 1));
  }
  return request;
}

analysis::SweepRequest Grid(steam::Formulation formulation) {
  analysis::SweepRequest request;
  request.kind = SweepKind::Grid;
  request.formulation = formulation;
  request.columns = analysis::DefaultColumns(request.kind);
  for (int i = 1; i <= 1000; ++i) {
    request.pressures.push_back(analysis::ToWorking(Quantity::Pressure, 0.05 * i, analysis::kMegapascal));
    request.temperatures.push_back(analysis::ToWorking(Quantity::Temperature, 1.0 + 0.7 * i, 1));
  }
  return request;
}

void Run(benchmark::State& state, analysis::SweepRequest request) {
  request.jobs = static_cast<unsigned>(state.range(0));
  std::size_t rows = 0;
  for (auto _ : state) {
    const analysis::SweepSummary summary =
        analysis::RunSweep(request, Libraries(), {}, [](const analysis::SweepChunk& chunk) {
          benchmark::DoNotOptimize(chunk.values.data());
          return true;
        });
    rows += summary.rows;
  }
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsRate);
}

void SaturationIf97(benchmark::State& s) { Run(s, SaturationTable(steam::Formulation::IF97)); }
void SaturationIfc67(benchmark::State& s) { Run(s, SaturationTable(steam::Formulation::IFC67)); }
void GridIf97(benchmark::State& s) { Run(s, Grid(steam::Formulation::IF97)); }
void GridIfc67(benchmark::State& s) { Run(s, Grid(steam::Formulation::IFC67)); }

BENCHMARK(SaturationIf97)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SaturationIfc67)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GridIf97)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(GridIfc67)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
