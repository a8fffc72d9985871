// The charts on the offscreen platform: opening them (the lines of the
// three charts computed and drawn once), and a switch of formulation, which
// computes the lines again and redraws all three tabs.
#include "analysis/chart_marks.h"
#include "platform/analysis/chart_tab.h"
#include "platform/analysis/charts_panel.h"
#include "platform/shared_property_libraries.h"

#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <QApplication>

namespace {

using steam::Formulation;

void OpenWindow(benchmark::State& state) {
  platform::SharedPropertyLibraries libraries;
  analysis::ChartPinList pins;
  for (auto _ : state) {
    platform::ChartsPanel window(libraries, pins);
    window.resize(800, 620);
    window.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(&window);
  }
}
BENCHMARK(OpenWindow)->Unit(benchmark::kMillisecond);

void SwitchFormulation(benchmark::State& state) {
  platform::SharedPropertyLibraries libraries;
  analysis::ChartPinList pins;
  platform::ChartsPanel window(libraries, pins);
  window.resize(800, 620);
  window.show();
  const steam::SolveOutcome shown =
      steam::Solve(Formulation::IF97, steam::InputPair::TemperaturePressure, 600.0, 200.0, libraries);
  window.ShowState(shown.state);
  QApplication::processEvents();
  bool ifc67 = false;
  for (auto _ : state) {
    ifc67 = !ifc67;
    window.SetFormulation(ifc67 ? Formulation::IFC67 : Formulation::IF97);
    QApplication::processEvents();
  }
}
BENCHMARK(SwitchFormulation)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
