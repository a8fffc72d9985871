// SPDX-License-Identifier: GPL-3.0-or-later
// ns per press of Compute for each input pair under both formulations, with
// the window model loaded as at start and the real property libraries. Each
// case cycles through a few states of its kind so no two presses in a row
// are the same. `compute_bench --calls NAME N` instead makes N presses of one
// case and nothing else, for counting instructions under callgrind
// (bench/instructions.sh).
#include "mainwindow/frm_main.h"
#include "platform/shared_property_libraries.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// A window loaded as at start, set to one formulation and one pair, that
// presses Compute on the case's states in turn.
class Presser {
 public:
  Presser(const PairCase& pair, int formulation)
      : pair_(pair), form_({clipboard_, libraries_, settings_, help_, switches_}) {
    form_.AttachView(view_);
    form_.Form_Load();
    form_.optSteam(static_cast<int16_t>(formulation)).SetValue(true);
    for (int k = 0; k < 5; ++k) form_.chkStmInput(static_cast<int16_t>(k)).SetValue(0);
    form_.chkStmInput(static_cast<int16_t>(pair.first)).SetValue(1);
    form_.chkStmInput(static_cast<int16_t>(pair.second)).SetValue(1);
  }

  const char* Press() {
    const Inputs& in = pair_.states[next_++ % pair_.states.size()];
    Field(form_, pair_.first) = in.a;
    Field(form_, pair_.second) = in.b;
    form_.cmdCompute_Click();
    return form_.txtData(57).Text().data();
  }

  const std::vector<shell::MessageBoxRequest>& Messages() const { return view_.messages; }

 private:
  const PairCase& pair_;
  shell::InMemoryClipboard clipboard_;
  platform::SharedPropertyLibraries libraries_;
  shell::InMemorySettingsStore settings_;
  shell::NoHelpViewer help_;
  shell::ProgramSwitches switches_;
  mainwindow::frmMain form_;
  MessageKeepingView view_;
  size_t next_ = 0;
};

void PressCompute(benchmark::State& state, const PairCase& pair, int formulation) {
  Presser presser(pair, formulation);
  for (auto _ : state) benchmark::DoNotOptimize(presser.Press());
  // A case whose states fail would time the failure path instead.
  if (!presser.Messages().empty()) {
    state.SkipWithError(("a message: " + presser.Messages().back().text).c_str());
  }
}

std::string CaseName(const PairCase& pair, int formulation) {
  return std::string(formulation == 0 ? "IF-97 " : "IFC-67 ") + pair.name;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
    for (int formulation = 0; formulation <= 1; ++formulation) {
      for (const PairCase& pair : kCases) std::printf("%s\n", CaseName(pair, formulation).c_str());
    }
    return 0;
  }
  if (argc == 4 && std::strcmp(argv[1], "--calls") == 0) {
    const long presses = std::atol(argv[3]);
    for (int formulation = 0; formulation <= 1; ++formulation) {
      for (const PairCase& pair : kCases) {
        if (CaseName(pair, formulation) != argv[2]) continue;
        Presser presser(pair, formulation);
        size_t sum = 0;
        for (long k = 0; k < presses; ++k) sum += static_cast<unsigned char>(*presser.Press());
        std::printf("%zu\n", sum);
        return presser.Messages().empty() ? 0 : 1;
      }
    }
    std::fprintf(stderr, "no case %s\n", argv[2]);
    return 1;
  }
  for (int formulation = 0; formulation <= 1; ++formulation) {
    for (const PairCase& pair : kCases) {
      benchmark::RegisterBenchmark(CaseName(pair, formulation).c_str(), PressCompute, pair,
                                   formulation)
          ->Unit(benchmark::kMicrosecond);
    }
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
