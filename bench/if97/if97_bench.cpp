// ns per call of the libHydrix.so entry points over fixed state sets, cycled
// so that every call sees a different state. Run with the repetitions built
// in (7, median reported); `if97_bench --calls NAME N` instead makes N calls
// of one case and nothing else, for counting instructions under callgrind
// (bench/instructions.sh).
#include <benchmark/benchmark.h>
#include <stm/dynamic_library.h>

#include <hydrelix/if97.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "boundary_b23.h"
#include "region1_enthalpy_floor.h"

namespace {

using Property2 = double (*)(double, double);
using Property1 = double (*)(double);

constexpr double kAtm = 0.101325;  // MPa
double fahrenheit(double T) { return (T - 273.15) * 1.8 + 32.0; }

struct Pair {
  double a, b;
};

// n x n grid over [lo1, hi1] x [lo2, hi2], shuffled by a fixed stride so that
// neighbouring calls are not neighbouring states.
constexpr int kSide = 16;
constexpr std::size_t kStates = kSide * kSide;  // a power of two

std::vector<Pair> grid(double lo1, double hi1, std::function<double(double)> lo2,
                       std::function<double(double)> hi2) {
  std::vector<Pair> ordered;
  for (int i = 0; i < kSide; ++i) {
    const double x = lo1 + (hi1 - lo1) * i / (kSide - 1);
    for (int j = 0; j < kSide; ++j) {
      const double y = lo2(x) + (hi2(x) - lo2(x)) * j / (kSide - 1);
      ordered.push_back({x, y});
    }
  }
  std::vector<Pair> shuffled(kStates);
  for (std::size_t k = 0; k < kStates; ++k) shuffled[k] = ordered[(k * 97) % kStates];
  return shuffled;
}

struct StateSets {
  // (T in K, p in MPa)
  std::vector<Pair> region1 = grid(275, 500, [](double) { return 3.0; }, [](double) { return 50.0; });
  std::vector<Pair> region2 = grid(600, 900, [](double) { return 0.1; }, [](double) { return 5.0; });
  std::vector<Pair> region3 = grid(
      630, 700, [](double T) { return if97::b23::pressure(T) + 0.05; }, [](double) { return 60.0; });
  std::vector<Pair> region5 = grid(1100, 2200, [](double) { return 0.1; }, [](double) { return 40.0; });
  std::vector<Pair> saturation = grid(273.16, 647, [](double) { return 0.0; }, [](double) { return 0.0; });
};

const StateSets& sets() {
  static const StateSets s;
  return s;
}

// (deg F, atm) as the program passes them.
std::vector<Pair> programUnits(const std::vector<Pair>& tp) {
  std::vector<Pair> out;
  for (const Pair& s : tp) out.push_back({fahrenheit(s.a), s.b / kAtm});
  return out;
}

// (atm, J/kg) or (atm, J/(kg K)) of the same states.
std::vector<Pair> pressureAnd(const std::vector<Pair>& tp, double (*property)(double, double)) {
  std::vector<Pair> out;
  for (const Pair& s : tp) out.push_back({s.b / kAtm, 1000.0 * property(s.a, s.b)});
  return out;
}

struct Case {
  std::string name;
  std::function<double(const Pair&)> call;
  std::vector<Pair> states;
};

const stm::DynamicLibrary& opened(const char* path) {
  static std::vector<std::unique_ptr<stm::DynamicLibrary>> libraries;
  libraries.push_back(std::make_unique<stm::DynamicLibrary>(path));
  if (!libraries.back()->isOpen()) {
    std::fprintf(stderr, "%s\n", libraries.back()->error().c_str());
    std::exit(1);
  }
  return *libraries.back();
}

// HYDRIX_LIBRARY in the environment names another build of the library to
// time instead; HYDRIX_COMPARE one to time beside it in the same run, each
// of its cases named with "@compare" (with --benchmark_enable_random_interleaving
// the two share the machine's load alike).
const stm::DynamicLibrary& hydrix() {
  static const char* const chosen = std::getenv("HYDRIX_LIBRARY");
  static const stm::DynamicLibrary& library =
      opened(chosen != nullptr && *chosen != '\0' ? chosen : HYDRIX_LIBRARY);
  return library;
}

std::function<double(const Pair&)> entry2(const stm::DynamicLibrary& lib, const char* name) {
  const auto f = lib.entry<Property2>(name);
  return [f](const Pair& s) { return f(s.a, s.b); };
}

std::function<double(const Pair&)> entry1(const stm::DynamicLibrary& lib, const char* name) {
  const auto f = lib.entry<Property1>(name);
  return [f](const Pair& s) { return f(s.a); };
}

// The cases of one library; the core's own cases only with the first.
std::vector<Case> cases(const stm::DynamicLibrary& lib, bool withCore) {
  const StateSets& s = sets();
  const auto r1 = programUnits(s.region1), r2 = programUnits(s.region2),
             r3 = programUnits(s.region3), r5 = programUnits(s.region5), sat = programUnits(s.saturation);
  std::vector<Pair> satPressures;
  for (const Pair& state : s.saturation)
    satPressures.push_back({if97::saturationPressure(state.a) / kAtm, 0.0});
  std::vector<Case> all;
  const char* properties[] = {"STM_nHtp", "STM_nDtp", "STM_nStp", "STM_nCPtp", "STM_nCVtp",
                              "STM_nWtp"};
  for (const char* p : properties) {
    all.push_back({std::string(p) + "/region1", entry2(lib, p), r1});
    all.push_back({std::string(p) + "/region2", entry2(lib, p), r2});
    all.push_back({std::string(p) + "/region3", entry2(lib, p), r3});
    all.push_back({std::string(p) + "/region5", entry2(lib, p), r5});
  }
  all.push_back({"STM_sPt/saturation", entry1(lib, "STM_sPt"), sat});
  if (withCore) {
    all.push_back({"core_if97_saturationPressure/saturation",
                   [](const Pair& p) { return if97::saturationPressure(p.a); }, s.saturation});
  }
  all.push_back({"STM_sTp/saturation", entry1(lib, "STM_sTp"), satPressures});
  if (withCore) {
    std::vector<Pair> pressures;
    for (const Pair& state : satPressures) pressures.push_back({state.a * kAtm, 0.0});
    all.push_back({"core_if97_saturationTemperature/saturation",
                   [](const Pair& p) { return if97::saturationTemperature(p.a); }, pressures});
  }
  all.push_back({"STM_nTph/region1", entry2(lib, "STM_nTph"), pressureAnd(s.region1, if97::specificEnthalpy)});
  all.push_back({"STM_nTph/region2", entry2(lib, "STM_nTph"), pressureAnd(s.region2, if97::specificEnthalpy)});
  all.push_back({"STM_nTph/region3", entry2(lib, "STM_nTph"), pressureAnd(s.region3, if97::specificEnthalpy)});
  all.push_back({"STM_nTph/region5", entry2(lib, "STM_nTph"), pressureAnd(s.region5, if97::specificEnthalpy)});
  all.push_back({"STM_nTps/region1", entry2(lib, "STM_nTps"), pressureAnd(s.region1, if97::specificEntropy)});
  all.push_back({"STM_nTps/region2", entry2(lib, "STM_nTps"), pressureAnd(s.region2, if97::specificEntropy)});
  all.push_back({"STM_nTps/region3", entry2(lib, "STM_nTps"), pressureAnd(s.region3, if97::specificEntropy)});
  all.push_back({"STM_nTps/region5", entry2(lib, "STM_nTps"), pressureAnd(s.region5, if97::specificEntropy)});
  {
    const auto cp = lib.entry<Property2>("STM_nCPtp");
    const auto cv = lib.entry<Property2>("STM_nCVtp");
    const auto w = lib.entry<Property2>("STM_nWtp");
    all.push_back({"cp+cv+w/region1",
                   [cp, cv, w](const Pair& p) { return cp(p.a, p.b) + cv(p.a, p.b) + w(p.a, p.b); },
                   r1});
  }
  std::vector<Pair> wet;
  for (const Pair& state : sat) wet.push_back({state.a, 0.37});
  all.push_back({"STM_sHtx/saturation", entry2(lib, "STM_sHtx"), wet});
  // The temperature cases ask for both ends back to back.
  {
    const auto h = lib.entry<Property2>("STM_sHtx");
    all.push_back({"STM_sHtx_x0+x1/saturation", [h](const Pair& p) { return h(p.a, 0.0) + h(p.a, 1.0); },
                   sat});
    if (withCore) {
      all.push_back({"core_if97_mixtureTx_x0+x1/saturation",
                     [](const Pair& p) { return if97::mixtureTx(p.a, 0.0).h + if97::mixtureTx(p.a, 1.0).h; },
                     s.saturation});
    }
  }
  if (withCore) {
    all.push_back({"floor/region1_h",
                   [](const Pair& p) { return if97_bench::region1EnthalpyFloor(p.a, p.b); },
                   s.region1});
    all.push_back({"core_if97_specificEnthalpy/region1",
                   [](const Pair& p) { return if97::specificEnthalpy(p.a, p.b); }, s.region1});
  }
  return all;
}

std::vector<Case> allCases() {
  std::vector<Case> all = cases(hydrix(), true);
  const char* compared = std::getenv("HYDRIX_COMPARE");
  if (compared != nullptr && *compared != '\0') {
    for (Case& c : cases(opened(compared), false)) {
      const std::size_t slash = c.name.find('/');
      c.name.insert(slash, "@compare");
      all.push_back(std::move(c));
    }
  }
  return all;
}

void run(benchmark::State& state, const Case& c) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(c.call(c.states[i]));
    i = (i + 1) & (kStates - 1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  static const std::vector<Case> all = allCases();
  if (argc == 4 && std::strcmp(argv[1], "--calls") == 0) {
    const long calls = std::atol(argv[3]);
    for (const Case& c : all) {
      if (c.name != argv[2]) continue;
      double sum = 0.0;
      for (long k = 0; k < calls; ++k) sum += c.call(c.states[static_cast<std::size_t>(k) & (kStates - 1)]);
      std::printf("%g\n", sum);
      return 0;
    }
    std::fprintf(stderr, "no case %s\n", argv[2]);
    return 1;
  }
  if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
    for (const Case& c : all) std::printf("%s\n", c.name.c_str());
    return 0;
  }
  for (const Case& c : all) {
    benchmark::RegisterBenchmark(c.name.c_str(), run, c)
        ->Repetitions(7)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kNanosecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
