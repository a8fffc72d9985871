// ns per press of Compute for each input pair under both formulations, with
// the window model loaded as at start and the real property libraries. Each
// case cycles through a few states of its kind so no two presses in a row
// are the same.
#include "mainwindow/frm_main.h"
#include "platform/shared_property_libraries.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Inputs {
  double a, b;  // the two ticked quantities, in working units
};

struct PairCase {
  const char* name;
  int first, second;  // chkStmInput indices
  std::vector<Inputs> states;
};

// Working units: F, psia, quality, Btu/lbmol, Btu/(lbmol R).
constexpr double kMolar = 18.01528;
const std::vector<PairCase> kCases = {
    {"T-P liquid", 0, 1, {{68, 14.696}, {150, 1000}, {300, 2000}, {500, 3000}}},
    {"T-P vapour", 0, 1, {{400, 14.696}, {600, 100}, {1000, 500}, {1400, 1000}}},
    {"T-x", 0, 2, {{100, 0.2}, {250, 0.5}, {400, 0.0}, {600, 1.0}}},
    {"T-h", 0, 3, {{250, 600 * kMolar}, {300, 800 * kMolar}, {400, 1000 * kMolar},
                   {500, 700 * kMolar}}},
    {"T-s", 0, 4, {{250, 1.0 * kMolar}, {300, 1.2 * kMolar}, {400, 1.4 * kMolar},
                   {500, 1.1 * kMolar}}},
    {"P-x", 1, 2, {{14.696, 0.5}, {100, 0.9}, {500, 0.0}, {1500, 1.0}}},
    {"P-h", 1, 3, {{14.696, 1200 * kMolar}, {100, 1300 * kMolar}, {500, 800 * kMolar},
                   {1000, 1400 * kMolar}}},
    {"P-s", 1, 4, {{14.696, 1.8 * kMolar}, {100, 1.7 * kMolar}, {500, 1.0 * kMolar},
                   {1000, 0.3 * kMolar}}},
};

double& Field(mainwindow::frmMain& form, int tick) {
  steam::WorkingState& s = form.WorkingState;
  switch (tick) {
    case 0: return s.Temperature;
    case 1: return s.Pressure;
    case 2: return s.Quality;
    case 3: return s.Enthalpy;
    default: return s.Entropy;
  }
}

// Keeps the message boxes the window asks for.
struct MessageKeepingView final : mainwindow::NoView {
  void ShowMessageBox(const shell::MessageBoxRequest& request) override {
    messages.push_back(request);
  }
  std::vector<shell::MessageBoxRequest> messages;
};

void PressCompute(benchmark::State& state, const PairCase& pair, int formulation) {
  shell::InMemoryClipboard clipboard;
  platform::SharedPropertyLibraries libraries;
  shell::InMemorySettingsStore settings;
  shell::NoHelpViewer help;
  shell::ProgramSwitches switches;
  mainwindow::frmMain form({clipboard, libraries, settings, help, switches});
  MessageKeepingView view;
  form.AttachView(view);
  form.Form_Load();
  form.optSteam(static_cast<int16_t>(formulation)).SetValue(true);
  for (int k = 0; k < 5; ++k) form.chkStmInput(static_cast<int16_t>(k)).SetValue(0);
  form.chkStmInput(static_cast<int16_t>(pair.first)).SetValue(1);
  form.chkStmInput(static_cast<int16_t>(pair.second)).SetValue(1);

  size_t next = 0;
  for (auto _ : state) {
    const Inputs& in = pair.states[next++ % pair.states.size()];
    Field(form, pair.first) = in.a;
    Field(form, pair.second) = in.b;
    form.cmdCompute_Click();
    benchmark::DoNotOptimize(form.txtData(57).Text().data());
  }
  // A case whose states fail would time the failure path instead.
  if (!view.messages.empty()) {
    state.SkipWithError(("a message: " + view.messages.back().text).c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (int formulation = 0; formulation <= 1; ++formulation) {
    for (const PairCase& pair : kCases) {
      const std::string name =
          std::string(formulation == 0 ? "IF-97 " : "IFC-67 ") + pair.name;
      benchmark::RegisterBenchmark(name.c_str(), PressCompute, pair, formulation)
          ->Unit(benchmark::kMicrosecond);
    }
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
