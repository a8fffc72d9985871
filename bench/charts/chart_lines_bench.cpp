// Time to compute every line of the three charts (the dome, isobars,
// quality lines and isotherms) for one formulation and unit system: what a
// switch of formulation or unit system costs before anything is drawn.
#include "analysis/chart_lines.h"
#include "analysis/chart_pinning.h"

#include <benchmark/benchmark.h>

namespace {

using analysis::UnitSystem;
using steam::Formulation;

void ChartLines(benchmark::State& state, Formulation formulation, UnitSystem system) {
  size_t points = 0;
  for (auto _ : state) {
    const analysis::ChartLines lines = analysis::ComputeChartLines(formulation, system);
    points = 0;
    for (const analysis::ChartLine& line : lines.lines) points += line.points.size();
    benchmark::DoNotOptimize(points);
  }
  state.counters["points"] = static_cast<double>(points);
}
BENCHMARK_CAPTURE(ChartLines, IF97_IP, Formulation::IF97, UnitSystem::IP)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ChartLines, IF97_SI, Formulation::IF97, UnitSystem::SI)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ChartLines, IFC67_IP, Formulation::IFC67, UnitSystem::IP)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ChartLines, IFC67_SI, Formulation::IFC67, UnitSystem::SI)->Unit(benchmark::kMillisecond);

// A double-click on the Mollier chart: the pressure of the isentrope through
// the point, the hardest of the three charts' searches.
void StateUnderPointer(benchmark::State& state) {
  const analysis::ChartEngine engine(Formulation::IF97);
  for (auto _ : state) {
    benchmark::DoNotOptimize(analysis::StateAt(engine, analysis::ChartKind::EnthalpyEntropy, 6.8, 2900.0));
  }
}
BENCHMARK(StateUnderPointer)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
